#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "gui/preferences/PreferencesPage.h"

namespace korvane {
class AlertSound;
class MessageSink;
}  // namespace korvane

namespace korvane::gui {

class OptionsPage;

// "Program Setup": the preferences dialog. Its pages show the plain controls
// model of the preferences; the dialog holds them, the page buttons and Ok
// and Cancel, and hands Ok to the preference procedures.
class PreferencesDialog : public QDialog, private DialogModel {
 public:
  enum Page { kPreferencesPage = 0, kEfficiencyPage, kCustomPage, kCarbonPage, kReportPage };

  PreferencesDialog(preferences::PreferenceProcedures& procedures,
                    preferences::PreferencesControls& controls, MessageSink& messages,
                    AlertSound& alert, QWidget* parent = nullptr);

  // What every showing does; Open runs it and then the dialog modally.
  void Prepare_Show(Page page, bool projectActive);
  int Open(Page page, bool projectActive);

  // Called when a change should mark the active project modified.
  std::function<void()> ProjectModified;
  // The "Use Proxy Server" link.
  std::function<void()> OpenProxySettings;

  QTabWidget* tabs() const { return tabs_; }

 private:
  void addPage(PreferencesPage* page, const QString& caption);
  void buildButtonBar(QVBoxLayout* layout);
  void change(const std::function<void()>& action) override;
  preferences::PreferencesControls& current() override;
  void fromControls();
  void toControls();
  void onOk();
  void stepPage(int direction);
  // The visible page next to the current one in a direction, -1 when none.
  int neighbourPage(int direction) const;
  void updatePageButtons();

  preferences::PreferenceProcedures& procedures_;
  preferences::PreferencesControls& controls_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  OptionsPage* options_ = nullptr;
  std::vector<PreferencesPage*> pages_;
};

}  // namespace korvane::gui
