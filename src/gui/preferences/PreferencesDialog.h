#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <map>
#include <string>

#include "preferences/PreferenceProcedures.h"

namespace korvane {
class EstimatorSession;
class AlertSound;
}  // namespace korvane

namespace korvane::gui {

// "Program Setup": the preferences dialog. It shows the plain controls model
// of the preferences and hands every action to the preference procedures.
class PreferencesDialog : public QDialog {
 public:
  enum Page { kPreferencesPage = 0, kEfficiencyPage, kCustomPage, kCarbonPage, kReportPage };

  PreferencesDialog(EstimatorSession& session, AlertSound& alert,
                    const preferences::NumberFormat& format, QWidget* parent = nullptr);

  // What every showing does; Open runs it and then the dialog modally.
  void Prepare_Show(Page page, bool projectActive);
  int Open(Page page, bool projectActive);

  // Called when a change should mark the active project modified.
  std::function<void()> ProjectModified;
  // The "Use Proxy Server" link.
  std::function<void()> OpenProxySettings;

  QTabWidget* tabs() const { return tabs_; }

 private:
  void buildPreferencesPage();
  void buildEfficiencyPage();
  void buildCustomPage();
  void buildCarbonPage();
  void buildReportPage();
  void applyFeatureSwitches();
  QLineEdit* numberField(const std::string& name, QWidget* parent);
  // A page's title with its "&Reset" button on the right.
  QHBoxLayout* pageHeading(QWidget* page, const QString& text, const QString& resetHint,
                           const QString& resetName, const std::function<void()>& reset);

  void fromControls();
  void toControls();
  void onOk();
  void onFactorLeft(const std::string& name);
  void onUnitSystem(bool metric);
  void stepPage(int direction);
  // The visible page next to the current one in a direction, -1 when none.
  int neighbourPage(int direction) const;
  void updatePageButtons();
  void viewLogo();

  EstimatorSession& session_;
  AlertSound& alert_;
  preferences::NumberFormat format_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;

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
  QButtonGroup* fuel_ = nullptr;
  QLineEdit* fuelDescription_ = nullptr;
  QLabel* weightLabel_ = nullptr;
  QLineEdit* customTitles_[2] = {};
  QCheckBox* customSelected_[2] = {};
  QWidget* curveRows_[3] = {};  // outlet damper, inlet vane, throttling valve
  QWidget* flowHeader_ = nullptr;
  QPlainTextEdit* preparedBy_ = nullptr;
  QPlainTextEdit* companyInfo_ = nullptr;
  QWidget* logoPanel_ = nullptr;
  QLineEdit* logoFile_ = nullptr;
  std::map<std::string, QLineEdit*> fields_;
};

}  // namespace korvane::gui
