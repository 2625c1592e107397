#include "preferences/DisplaySettings.h"

#include "model/TVexEnergyProjectAnalysis.h"
#include "text/NumberText.h"

namespace korvane::preferences {

DisplaySettings BuildDisplaySettings(const PreferenceValues& values,
                                     const model::TVexEnergyProjectAnalysis& project,
                                     const NumberFormat& format) {
  DisplaySettings d;
  d.results.currencySymbol = values.currencySymbol;
  d.results.metricUnits = values.metricUnits;
  d.results.automaticPowerUnit = values.automaticPowerUnit;
  d.results.weightLabel = values.weightLabel;
  d.results.tonsLabel = values.tonsLabel;
  d.results.co2UserDescription = values.co2Description;
  d.results.customTitles = values.customTitles;
  // Result texts keep "." as decimal point whatever the user's locale.
  d.results.thousandsSeparator = text::resultThousandsSeparator(format.thousandsSeparator);
  d.powerInKw = project.PowerInKw() != 0;
  d.cumulativePayback = project.CumulativePayback() != 0;
  return d;
}

}  // namespace korvane::preferences
