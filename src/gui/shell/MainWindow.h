#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "preferences/PreferenceProcedures.h"
#include "shell/ProjectLifecycle.h"
#include "shell/RunState.h"

namespace korvane {
class EstimatorSession;
class AlertSound;
class MessageSink;
}  // namespace korvane

namespace korvane::gui {

class PreferencesDialog;
class ProjectTypeDialog;
class AboutDialog;
class FormulaDialog;
class UpdateAgent;
class TFanForm;

// The home screen: menus, toolbar, status bar and the project lifecycle. It
// shows no project data itself; all estimation happens in the wizard.
class MainWindow : public QMainWindow, public shell::LifecycleUi {
 public:
  MainWindow(EstimatorSession& session, shell::RunState& state, AlertSound& alert,
             MessageSink& messages, const preferences::NumberFormat& format);
  ~MainWindow() override;

  shell::ProjectLifecycle& lifecycle() { return lifecycle_; }
  PreferencesDialog& preferencesDialog() { return *preferences_; }
  ProjectTypeDialog& projectTypeDialog() { return *projectType_; }
  FormulaDialog& formulaDialog(bool metric) {
    return metric ? *metricFormulas_ : *englishFormulas_;
  }
  UpdateAgent& updates() { return *updates_; }
  TFanForm& wizard() { return *wizard_; }

  // Opens the estimation wizard; tests put their own here.
  std::function<void()> OpenWizard;
  // Runs the start-up work of the first showing (public for tests).
  void First_Shown();
  // Closes the splash screen when the program is up.
  std::function<void()> CloseSplash;

  // LifecycleUi
  std::optional<std::string> Ask_Open_Path(std::string_view title, std::string_view filter,
                                           const std::string& folder) override;
  std::optional<std::string> Ask_Save_Path(std::string_view title, std::string_view filter,
                                           const std::string& folder,
                                           const std::string& proposedName) override;
  void Show_Project_Type_Dialog() override;
  void Show_Wizard() override;
  void Set_Caption(const std::string& caption) override;
  void Update_Status_Bar() override;
  void Show_Recent_Projects(const std::array<std::string, 4>& entries) override;
  std::string Today() override;

  QLabel* statusPanel(int panel) const { return panels_[static_cast<size_t>(panel - 1)]; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void buildStatusBar();
  void connectWizard(const std::function<void(const char*)>& help);
  void programSetup();
  void openStartupFile();

  EstimatorSession& session_;
  shell::RunState& state_;
  MessageSink& messages_;
  shell::ProjectLifecycle lifecycle_;
  std::unique_ptr<PreferencesDialog> preferences_;
  std::unique_ptr<ProjectTypeDialog> projectType_;
  std::unique_ptr<AboutDialog> about_;
  std::unique_ptr<FormulaDialog> englishFormulas_;
  std::unique_ptr<FormulaDialog> metricFormulas_;
  std::unique_ptr<UpdateAgent> updates_;
  std::unique_ptr<TFanForm> wizard_;
  std::array<QAction*, 4> recent_{};
  std::array<QLabel*, 4> panels_{};
  QAction* newAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* activeAction_ = nullptr;
  bool shown_ = false;
};

}  // namespace korvane::gui
