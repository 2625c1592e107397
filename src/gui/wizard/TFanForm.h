#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "wizard/EstimationWizard.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace korvane {
class EstimatorSession;
struct OpenOutcome;
}  // namespace korvane

namespace korvane::gui {

class CustomerPage;
class UtilityPage;
class SystemEditorPanel;
class SystemsTreePanel;
class WelcomeScreen;

// "Energy Savings Estimator": the five-step wizard over the main window. It
// holds the step pages and shows what the wizard's view switches say; the
// steps' rules live in the core's EstimationWizard.
class TFanForm : public QDialog, public wizard::WizardWindow {
 public:
  TFanForm(EstimatorSession& session, shell::RunState& state, QWidget* parent = nullptr);
  ~TFanForm() override;

  wizard::EstimationWizard& core() { return *wizard_; }
  // Every show: the core's show, the pages loaded, then the modal run.
  void Prepare_Show();
  int Open();
  // After a project file was read.
  void After_Project_Read(const OpenOutcome& opened);
  // Shows again everything the core may have changed.
  void Reload();
  QTabWidget* steps() const { return steps_; }

  std::function<void(const char* topic)> Help;
  std::function<void()> Calculator;
  // "Edit contact information": the preferences dialog on "Report Layout".
  std::function<void()> EditReportLayout;
  // The project name changed: the main window's status line follows.
  std::function<void()> ProjectNameChanged;

  // WizardWindow
  void Show_Step(int step) override;
  void Close_Wizard() override;
  void Focus_Project_Name() override;
  void Show_System_Counter(std::string_view count) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void reject() override;

 private:
  QWidget* buildWelcome();
  QWidget* buildPages();
  QWidget* buildButtonBars();
  void connectSwitches();
  void run(const std::function<void()>& operation);
  void showTitles();
  int titleType() const;

  EstimatorSession& session_;
  shell::RunState& state_;
  std::unique_ptr<wizard::EstimationWizard> wizard_;
  QStackedWidget* content_ = nullptr;
  QWidget* welcome_ = nullptr;
  QWidget* pages_ = nullptr;
  QTabWidget* steps_ = nullptr;
  QStackedWidget* step3_ = nullptr;
  CustomerPage* customer_ = nullptr;
  UtilityPage* utility_ = nullptr;
  SystemEditorPanel* editor_ = nullptr;
  SystemsTreePanel* overview_ = nullptr;
  std::array<QLabel*, wizard::kStepCount> titles_{};
  std::array<QLabel*, 2> welcomeSteps_{};
  QCheckBox* showIntroduction_ = nullptr;
  QPushButton* mainMenu_ = nullptr;
  std::array<QWidget*, 3> bars_{};
  std::array<QPushButton*, 3> goBack_{};
  QPushButton* continue_ = nullptr;
  QPushButton* close_ = nullptr;
  QWidget* helpButtons_ = nullptr;
  bool showingStep_ = false;
};

}  // namespace korvane::gui
