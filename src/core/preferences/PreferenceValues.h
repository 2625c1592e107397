#pragma once

#include <array>
#include <string>

namespace korvane::preferences {

// Program-wide preferences held in memory for the whole run (the power unit,
// CO2 choice and factors and the curves live in the project object and the
// parameter catalogue).
struct PreferenceValues {
  int currencyMode = 1;  // 0 euro, 1 dollar, 2 pound sterling, 3 the user's own
  std::string customCurrency;
  bool metricUnits = false;
  std::string co2Description;  // the user-defined fuel
  std::array<bool, 2> customSelected{};
  std::array<std::string, 2> customTitles;
};

}  // namespace korvane::preferences
