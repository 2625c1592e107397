#pragma once

#include <array>
#include <string_view>

#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/SettingsTable.h"

namespace korvane::preferences {

// One CO2 factor: where it is stored, its parameter, its field in the
// preferences dialog and the project's value.
struct Co2Factor {
  const settings::NumberSetting* stored;
  int parameter;
  std::string_view field;
  double (model::TVexEnergyProjectAnalysis::*get)() const;
  void (model::TVexEnergyProjectAnalysis::*set)(double);
};

// User defined, coal, natural gas, oil: the order of the stored names and
// the dialog's fields.
inline constexpr std::array<Co2Factor, 4> kCo2Factors = {{
    {&settings::kCo2FactorUser, model::kPrmCo2User, "CfpLbs",
     &model::TVexEnergyProjectAnalysis::Co2User, &model::TVexEnergyProjectAnalysis::Set_Co2User},
    {&settings::kCo2FactorCoal, model::kPrmCo2Coal, "CfpLbs1",
     &model::TVexEnergyProjectAnalysis::Co2Coal, &model::TVexEnergyProjectAnalysis::Set_Co2Coal},
    {&settings::kCo2FactorGas, model::kPrmCo2Gas, "CfpLbs2",
     &model::TVexEnergyProjectAnalysis::Co2Gas, &model::TVexEnergyProjectAnalysis::Set_Co2Gas},
    {&settings::kCo2FactorOil, model::kPrmCo2Oil, "CfpLbs3",
     &model::TVexEnergyProjectAnalysis::Co2Oil, &model::TVexEnergyProjectAnalysis::Set_Co2Oil},
}};
inline constexpr size_t kCo2User = 0;
inline constexpr size_t kCo2Coal = 1;
inline constexpr size_t kCo2Gas = 2;
inline constexpr size_t kCo2Oil = 3;
// Coal, natural gas, oil, user defined: the order of project files.
inline constexpr std::array<size_t, 4> kCo2FileOrder = {kCo2Coal, kCo2Gas, kCo2Oil, kCo2User};

}  // namespace korvane::preferences
