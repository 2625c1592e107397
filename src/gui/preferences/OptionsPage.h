#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "gui/preferences/PreferencesPage.h"

namespace korvane::gui {

// "Preferences": the start-up options, power unit, unit system and currency.
class OptionsPage : public PreferencesPage {
 public:
  OptionsPage(DialogModel& model, preferences::PreferenceProcedures& procedures);

  void load(const preferences::PreferencesControls& controls) override;
  void store(preferences::PreferencesControls& controls) const override;
  // Power unit and currency belong to a project once one is open.
  void setProjectActive(bool active);

  // The "Use Proxy Server" link.
  std::function<void()> OpenProxySettings;

 private:
  void buildOptions(QGridLayout* grid);
  void buildUnits(QGridLayout* grid);
  void buildCurrency(QGridLayout* grid);

  preferences::PreferenceProcedures& procedures_;
  QCheckBox* welcome_ = nullptr;
  QCheckBox* introduction_ = nullptr;
  QCheckBox* cumulative_ = nullptr;
  QCheckBox* automaticUnit_ = nullptr;
  QCheckBox* updates_ = nullptr;
  QLabel* proxyLink_ = nullptr;
  QWidget* powerGroup_ = nullptr;
  QWidget* currencyGroup_ = nullptr;
  QButtonGroup* power_ = nullptr;
  QButtonGroup* units_ = nullptr;
  QButtonGroup* currency_ = nullptr;
  QLineEdit* customCurrency_ = nullptr;
};

}  // namespace korvane::gui
