#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>

#include "model/TVexEnergySystemAnalysis.h"

namespace korvane {
class MessageSink;
}

namespace korvane::model {

inline constexpr int kMaxSystems = 250;
inline constexpr int kApplicationCount = 3;  // fan, pump, cooling tower
inline constexpr int kCurveSlotCount = 7;

// The one project: its 250 systems, which exist for the whole run, and the
// settings every system shares (curves, CO2 factors, power unit, payback
// display). Changing a shared setting re-prepares every defined system.
// Systems, applications (1..3), curve slots (1..7) and points (1..10) are
// numbered from 1; out-of-range numbers do nothing and read 0.
class TVexEnergyProjectAnalysis {
 public:
  static constexpr int kValidityFlagCount = 16;

  TVexEnergyProjectAnalysis();
  ~TVexEnergyProjectAnalysis();
  TVexEnergyProjectAnalysis(const TVexEnergyProjectAnalysis&) = delete;
  TVexEnergyProjectAnalysis& operator=(const TVexEnergyProjectAnalysis&) = delete;

  ObjectState State() const { return state_; }
  bool Ready() const { return state_ == ObjectState::Ready; }

  TVexEnergySystemAnalysis* Get_System(int i) const;

  // Systems 1..SystemCount are the defined ones.
  int SystemCount() const { return systemCount_; }
  void Set_System_Count(int count);
  // Makes room for one more system and returns its number; 0 with the message
  // "Maximum number of systems reached." when all 250 are in use.
  int Add_System(MessageSink& messages);
  // Moves systems i+1..SystemCount down one place each. The former last place
  // keeps its contents until it is used again.
  bool Remove_System(int i);

  // Shared settings; a changed value re-prepares every defined system.
  std::uint8_t CumulativePayback() const { return cumulativePayback_; }
  void Set_CumulativePayback(std::uint8_t value);
  std::uint8_t PowerInKw() const { return powerInKw_; }
  void Set_PowerInKw(std::uint8_t value);
  std::int32_t Co2Source() const { return co2Source_; }
  void Set_Co2Source(std::int32_t value);
  double Co2User() const { return co2User_; }
  void Set_Co2User(double value);
  double Co2Coal() const { return co2Coal_; }
  void Set_Co2Coal(double value);
  double Co2Gas() const { return co2Gas_; }
  void Set_Co2Gas(double value);
  double Co2Oil() const { return co2Oil_; }
  void Set_Co2Oil(double value);
  double PowerFactor() const { return powerFactor_; }
  void Set_PowerFactor(double value);  // only values above 0

  double Get_Curve(int application, int slot, int point) const;
  // Slot 2 is never stored.
  void Set_Curve(int application, int slot, int point, double value);
  void Copy_Curve(int toApplication, int slot, int fromApplication);

  // Copies the project settings into system i (1..SystemCount) so that its
  // analysis works with them; false when i or the system's application type
  // or flow control is out of range.
  bool Prepare_System(int i);
  // Prepares systems 1..SystemCount in order, stopping at the first failure.
  bool Reprepare_All();

  // Discards the project totals.
  void Discard_Totals() { validity_.reset(); }
  bool Has_Totals() const { return validity_.any(); }

  // --- project totals: sums over the defined systems of each system's figure
  // multiplied by its Quantity, kept until any of them changes.
  double Total_Annual_Energy(Case c) const;
  double Total_Annual_Co2(Case c) const;
  double Total_Annual_Co2_Savings() const;
  double Total_Annual_Savings() const;
  double Total_Annual_Cost_Savings() const;
  double Total_Annual_Energy_Savings() const;
  // Column by column and row by row; the total-savings column is not summed.
  double Total_Cash_Flow(CashColumn column, int row) const;
  // The systems' payback rule on the totals, so one system alone pays back
  // exactly as the project does; +infinity when the project never pays back.
  double Project_Payback() const;

  // New-system defaults: all zero or empty, one unit, incentives one-time and
  // the default duty cycle.
  static void Set_New_System_Defaults(TVexEnergySystem& system);
  // Every system to the new-system defaults and the shared settings to their
  // start-up values; no system defined.
  void Set_Startup_Defaults();

 private:
  struct Totals {
    double energy[2] = {};
    double co2[2] = {};
    double co2Savings = 0;
    double totalSavings = 0;
    double costSavings = 0;
    double energySavings = 0;
    double oneTimeIncentives = 0;
    double yearlyIncentives = 0;
    double cashFlow[kCashColumnCount][kCashRowCount] = {};
    double payback = 0;
  };

  static void onSystemChanged(void* data, TVexEnergySystem& system, ChangeCode code);
  const Totals& totals() const;
  template <typename T>
  void assignShared(T& field, T value);
  static bool validCurveIndex(int application, int slot, int point);

  ObjectState state_ = ObjectState::UnderConstruction;
  double curves_[kApplicationCount][kCurveSlotCount][kPointCount] = {};
  std::uint8_t cumulativePayback_ = 1;
  std::uint8_t powerInKw_ = 0;
  std::array<std::unique_ptr<TVexEnergySystemAnalysis>, kMaxSystems> systems_;
  std::int32_t co2Source_ = 0;
  mutable std::bitset<kValidityFlagCount> validity_;
  mutable Totals totals_;
  double co2Coal_ = 0;
  double co2User_ = 1.0;
  double co2Gas_ = 0;
  double co2Oil_ = 0;
  double powerFactor_ = 0.98;
  int systemCount_ = 0;
};

}  // namespace korvane::model
