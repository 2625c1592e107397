#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

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

// A system record with the cached results of its analysis. Any change that a
// result depends on discards every cached result and tells OnChanged.
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

 protected:
  bool isValid(int flag) const { return validity_.test(static_cast<size_t>(flag)); }
  void setValid(int flag) { validity_.set(static_cast<size_t>(flag)); }

 private:
  static void onSystemChanged(void* data, TVexEnergySystem& system, int code);

  int position_;
  std::bitset<kValidityFlagCount> validity_;
  ObjectState analysisState_ = ObjectState::Unusable;
  PreparedSettings prepared_;
};

}  // namespace korvane::model
