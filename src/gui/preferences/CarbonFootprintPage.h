#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "gui/preferences/PreferencesPage.h"

namespace korvane {
class AlertSound;
}

namespace korvane::gui {

// "Carbon Footprint": the fuel the electricity comes from and the four CO2
// factors.
class CarbonFootprintPage : public PreferencesPage {
 public:
  CarbonFootprintPage(DialogModel& model, preferences::PreferenceProcedures& procedures,
                      AlertSound& alert);

  void load(const preferences::PreferencesControls& controls) override;
  void store(preferences::PreferencesControls& controls) const override;

  // A factor field was left with a new value.
  std::function<void()> FactorChanged;

 private:
  void onFactorLeft(const std::string& name);

  preferences::PreferenceProcedures& procedures_;
  AlertSound& alert_;
  NumberFields fields_;
  QButtonGroup* fuel_ = nullptr;
  QLineEdit* fuelDescription_ = nullptr;
  QLabel* weightLabel_ = nullptr;
};

}  // namespace korvane::gui
