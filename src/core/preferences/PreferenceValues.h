#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/SettingsTable.h"

namespace korvane::preferences {

inline constexpr std::string_view kEuro = "€";
inline constexpr std::string_view kDollar = "$";
inline constexpr std::string_view kPound = "£";
inline constexpr std::string_view kLbs = "Lbs";
inline constexpr std::string_view kKg = "Kg";
inline constexpr std::string_view kTons = "Ton(s)";

// Program-wide preferences held in memory for the whole run. The power unit,
// the CO2 fuel and factors, the payback display and the curves live in the
// project object and the parameter catalogue.
struct PreferenceValues {
  int currencyMode = 1;  // 0 euro, 1 dollar, 2 pound sterling, 3 the user's own
  std::string currencySymbol = std::string(kDollar);
  std::string customCurrency;
  bool metricUnits = false;
  std::string weightLabel = std::string(kLbs);
  std::string tonsLabel = std::string(kTons);
  std::string co2Description;  // the user-defined fuel
  std::array<std::string, 2> customTitles = {std::string(settings::kCustomTitles[0].fallback),
                                             std::string(settings::kCustomTitles[1].fallback)};
  std::array<bool, 2> customSelected{};
  bool customerBlock = true;
  bool introductionScreen = true;
  bool automaticPowerUnit = false;
  bool autoUpdateCheck = false;
  std::string preparedBy;
  std::string companyInformation;
  std::string companyLogoFile;
};

// The symbol of a currency mode; the custom text for mode 3.
std::string CurrencySymbol(int mode, const std::string& customCurrency);

}  // namespace korvane::preferences
