#pragma once

#include <QCheckBox>
#include <QLineEdit>

#include "gui/preferences/PreferencesPage.h"

namespace korvane::gui {

// "Custom Efficiency": the titles and curves of the two custom controls.
class CustomEfficiencyPage : public PreferencesPage {
 public:
  CustomEfficiencyPage(DialogModel& model, preferences::PreferenceProcedures& procedures);

  void load(const preferences::PreferencesControls& controls) override;
  void store(preferences::PreferencesControls& controls) const override;

 private:
  QWidget* customPanel(int c);

  preferences::PreferenceProcedures& procedures_;
  NumberFields fields_;
  QLineEdit* titles_[2] = {};
  QCheckBox* selected_[2] = {};  // hidden: carried in files, no other effect
};

}  // namespace korvane::gui
