#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <limits>

#include "model/PowerConversion.h"
#include "model/TVexEnergySystem.h"

namespace korvane::model {

// The project settings a system's analysis works with, copied into the system
// when it is prepared. Results stay valid while these do not change.
struct PreparedSettings {
  std::int32_t co2Source = 0;
  // In the order user defined, coal, natural gas, oil.
  std::array<double, 4> co2Factors{};
  // [0] the drive case, [1] the present-control case; one value per duty point.
  std::array<std::array<double, kPointCount>, 2> curves{};
  double powerFactor = 0;
  std::uint8_t cumulativePayback = 0;
  std::uint8_t powerInKw = 0;

  bool operator==(const PreparedSettings&) const = default;
};

// The two ways a system is compared in.
enum class Case { Drive = 0, Present = 1 };

// What the analysis knows of each duty point, per case.
enum class PointQuantity {
  Flow = 0,     // flow used, %
  Time,         // share of the operating time, %
  Load,         // shaft load, HP
  Input,        // electrical input, kW
  Hours,        // operating hours per year
  Energy,       // kWh per year
  CostPerHour,  // currency per hour, rounded to cents
  Cost,         // currency per year
  Co2,          // weight unit per year
  EnergySaved,  // present case only: kWh per year saved by the drive
};
inline constexpr int kPointQuantityCount = 10;

// Columns of the five-year cash-flow table; rows are 1 initial, 2..6 years
// 1..5 and 7 the total of the five years.
enum class CashColumn {
  DriveCost = 0,
  TotalCost,
  InstallCost,
  Net,
  EnergySavings,
  DemandSavings,
  TotalSavings,
  Incentives,
};
inline constexpr int kCashColumnCount = 8;
inline constexpr int kCashRowCount = 7;

// The analysis' constants.
inline constexpr int kMonthsPerYear = 12;

// Rounds to a number of decimals, halves away from zero, on the value's
// decimal digits (so 1.005 becomes 1.01).
double RoundHalfAway(double value, int decimals);

// The value of a curve (ten values for 100, 90, ... 10 % flow) at a flow in
// whole percent: the curve's own value at multiples of ten, a straight line
// between them, and the end values beyond 100 % and below 10 %.
double CurveAtFlow(const std::array<double, kPointCount>& curve, int flowPercent);

// Simple payback in years (+infinity: never). One-time money (incentives and
// the demand rebate) reduces the investment of year 1; the yearly incentives
// add to the yearly energy-cost savings. Demand savings stay out.
double SimplePayback(double savings, double cost1, double oneTime, double yearly);

// A system record with the cached results of its analysis. Results are
// computed on first request, a whole family at a time for both cases and all
// points, and kept until a change they depend on discards them all (and tells
// OnChanged). Every figure is for one unit; the *Qty forms multiply by
// Quantity. Out-of-range points or rows, and a system that is not ready, read 0.
class TVexEnergySystemAnalysis : public TVexEnergySystem {
 public:
  static constexpr int kValidityFlagCount = 40;

  explicit TVexEnergySystemAnalysis(int position = 0);

  // Position of this system in the project (1..250), 0 for a loose system.
  int Position() const { return position_; }

  ObjectState AnalysisState() const { return analysisState_; }
  const PreparedSettings& Prepared() const { return prepared_; }

  // Called whenever the cached results are discarded.
  std::function<void()> OnChanged;

  // Clears every validity flag and tells OnChanged.
  void Discard_Results();
  bool Has_Results() const { return validity_.any(); }

  // Takes new project settings. Keeps the cached results when nothing they
  // depend on differs (the present curve is not compared for a system that
  // runs across the line); otherwise discards them and stores the settings.
  void Prepare(const PreparedSettings& settings);

  // --- energy analysis
  int Annual_Hours() const;
  double Co2_Factor() const;
  double Point_Value(Case c, PointQuantity q, int point) const;
  double Point_Value_Qty(Case c, PointQuantity q, int point) const;
  double Annual_Energy(Case c) const;
  double Annual_Cost(Case c) const;
  double Annual_Co2(Case c) const;
  double Annual_Energy_Qty(Case c) const { return timesQuantity(Annual_Energy(c)); }
  double Annual_Cost_Qty(Case c) const { return timesQuantity(Annual_Cost(c)); }
  double Annual_Co2_Qty(Case c) const { return timesQuantity(Annual_Co2(c)); }

  // --- the present case against the drive
  double Annual_Cost_Savings() const;
  double Annual_Energy_Savings() const;
  double Annual_Co2_Savings() const;
  double Peak_Demand_Reduction() const;
  double Annual_Demand_Savings() const;
  double Demand_Rebate() const;
  double Total_Annual_Savings() const;
  double Annual_Cost_Savings_Qty() const { return timesQuantity(Annual_Cost_Savings()); }
  double Annual_Energy_Savings_Qty() const { return timesQuantity(Annual_Energy_Savings()); }
  double Annual_Co2_Savings_Qty() const { return timesQuantity(Annual_Co2_Savings()); }
  double Peak_Demand_Reduction_Qty() const { return timesQuantity(Peak_Demand_Reduction()); }
  double Annual_Demand_Savings_Qty() const { return timesQuantity(Annual_Demand_Savings()); }
  double Demand_Rebate_Qty() const { return timesQuantity(Demand_Rebate()); }
  double Total_Annual_Savings_Qty() const { return timesQuantity(Total_Annual_Savings()); }

  // --- cash flow and payback (the present case; the drive case reads 0 and
  // never pays back)
  double Cash_Flow(Case c, CashColumn column, int row) const;
  double Cash_Flow_Qty(Case c, CashColumn column, int row) const;
  // Years until the drive has paid for itself; +infinity when it never does.
  double Payback(Case c) const;
  // What the payback counts: the money received once (one-time incentives and
  // the demand rebate) and the incentives received every year.
  double One_Time_Incentives() const;
  double Yearly_Incentives() const;
  double One_Time_Incentives_Qty() const { return timesQuantity(One_Time_Incentives()); }
  double Yearly_Incentives_Qty() const { return timesQuantity(Yearly_Incentives()); }

 private:
  enum Family : int { kHours, kFactor, kPoints, kSavings, kCashFlow };

  struct CaseResults {
    double point[kPointQuantityCount][kPointCount] = {};
    double annualEnergy = 0;
    double annualCost = 0;
    double annualCo2 = 0;
  };
  struct Savings {
    double cost = 0;
    double energy = 0;
    double co2 = 0;
    double peakReduction = 0;
    double demandSavings = 0;
    double demandRebate = 0;
    double total = 0;
  };

  static void onSystemChanged(void* data, TVexEnergySystem& system, ChangeCode code);
  bool valid(Family f) const { return validity_.test(static_cast<size_t>(f)); }
  void markValid(Family f) const { validity_.set(static_cast<size_t>(f)); }
  bool computable() const { return Ready() && analysisState_ == ObjectState::Ready; }
  double timesQuantity(double value) const { return value * Quantity(); }
  void ensurePoints() const;
  void ensureSavings() const;
  // One figure of the savings family, computed when first asked for.
  double saving(double Savings::*field) const;
  void ensureCashFlow() const;
  void computeCase(Case c) const;

  int position_;
  mutable std::bitset<kValidityFlagCount> validity_;
  ObjectState analysisState_ = ObjectState::Unusable;
  PreparedSettings prepared_;

  // Caches, valid while their family's flag is set.
  mutable int annualHours_ = 0;
  mutable double co2Factor_ = 0;
  mutable CaseResults cases_[2];
  mutable Savings savings_;
  mutable double cashFlow_[kCashColumnCount][kCashRowCount] = {};
  mutable double oneTimeIncentives_ = 0;
  mutable double yearlyIncentives_ = 0;
  mutable double payback_ = 0;
};

}  // namespace korvane::model
