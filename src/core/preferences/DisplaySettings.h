#pragma once

#include <string>

#include "model/ResultSlots.h"
#include "preferences/PreferenceProcedures.h"
#include "preferences/PreferenceValues.h"

namespace korvane::model {
class TVexEnergyProjectAnalysis;
}

namespace korvane::preferences {

// What the result texts, the unit labels and the report show, as the
// preferences stand when it is built: build it again after a change.
struct DisplaySettings {
  model::ResultDisplay results;  // what the slot writer takes
  bool powerInKw = false;
  bool cumulativePayback = true;

  std::string powerUnit() const { return model::GetPowerUnits(results, powerInKw); }
};

// One place that turns the preferences (the program-wide values and those the
// project holds) and the user's number format into display settings.
DisplaySettings BuildDisplaySettings(const PreferenceValues& values,
                                     const model::TVexEnergyProjectAnalysis& project,
                                     const NumberFormat& format);

}  // namespace korvane::preferences
