#pragma once

#include "gui/preferences/PreferencesPage.h"

namespace korvane::gui {

// "Efficiency Setup": the drive's efficiency and the curves of the outlet
// damper, inlet vane and throttling valve.
class EfficiencyPage : public PreferencesPage {
 public:
  EfficiencyPage(DialogModel& model, preferences::PreferenceProcedures& procedures);

  void load(const preferences::PreferencesControls& controls) override;
  void store(preferences::PreferencesControls& controls) const override;

 private:
  QWidget* curveRow(const char* caption, const char* baseName);

  preferences::PreferenceProcedures& procedures_;
  NumberFields fields_;
};

}  // namespace korvane::gui
