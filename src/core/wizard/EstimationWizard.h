#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ResultSlots.h"
#include "preferences/DisplaySettings.h"
#include "wizard/CustomerInformation.h"
#include "wizard/SlotLabels.h"
#include "wizard/SystemEditor.h"
#include "wizard/SystemsTree.h"
#include "wizard/ViewSwitch.h"
#include "wizard/WizardState.h"

namespace korvane {
class EstimatorSession;
struct OpenOutcome;
}  // namespace korvane
namespace korvane::shell {
struct RunState;
}

namespace korvane::wizard {

inline constexpr int kStepCount = 5;

// What the wizard's logic asks of its window.
class WizardWindow {
 public:
  virtual ~WizardWindow() = default;
  // Makes the step's tab current; the window does not report this back.
  virtual void Show_Step(int step) = 0;
  virtual void Close_Wizard() = 0;
  virtual void Focus_Project_Name() = 0;
  // The counter beside "Number of systems currently defined in this project:".
  virtual void Show_System_Counter(std::string_view count) = 0;
};

// Views of the switches below, in the order of their members.
enum FormContentView : int { kWelcomeScreen, kWizardPages };
enum MainAreaView : int { kStepPages, kSystemCharts, kProjectPaybackChart };
enum ButtonBarView : int { kStandardBar, kAddSystemBar, kUpdateSystemBar };
enum ContinueCloseView : int { kContinueShown, kCloseShown };
enum HelpButtonsView : int { kHelpButtonsShown, kHelpButtonsHidden };
enum Step3View : int { kSystemEditorView, kProjectOverviewView };
enum Step4View : int {
  kOverviewWithPaybackButton,
  kOverviewWithChartButtons,
  kSystemCalculationView
};
enum HoursEntryView : int { kHoursDaysWeeks, kHoursPerYearView };

// Title of a step for the project type (0 one system, 1 several).
std::string Step_Title(int step, int projectType);
// "Step 1. " followed by the title.
std::string Step_Caption(int step, int projectType);

// The estimation wizard without its window: the steps and the rules for
// moving between them, the system editor's bars and the overview's buttons.
// The window forwards its events here and shows what the view switches say.
class EstimationWizard {
 public:
  EstimationWizard(EstimatorSession& session, shell::RunState& state, WizardWindow& window);

  WizardState wizard;
  CustomerInformation customer;
  SystemEditor editor;
  SystemsTree systems;
  SlotLabels labels;
  bool showIntroduction = true;

  ViewSwitch formContent{2};
  ViewSwitch mainArea{3};
  ViewSwitch buttonBar{3};
  ViewSwitch continueOrClose{2};
  ViewSwitch helpButtons{2};
  ViewSwitch step3{2};
  ViewSwitch step4{3};
  ViewSwitch hoursEntry{2};
  ViewSwitch applicationLayout{model::kApplicationCount};

  int Step() const { return step_; }
  bool Multi_System() const;

  // Every time the wizard is shown, and when it has closed.
  void Form_Show();
  void Start_Project();
  // Closing is refused while the duty cycle is not valid.
  bool Form_Close_Query();
  void Form_Close();
  // The wizard lost or regained activation (a dialog over it).
  void Deactivated();
  void Activated();

  bool Continue();
  bool Go_Back();
  // A tab clicked, or a step chosen by code; runs the page-change rules.
  void Select_Step(int step);

  // The results of system i into every label bound to a slot; a project of
  // several systems first gives it the utility step's values.
  bool Calculate_Single_System(int i, int mode);

  // The overview's buttons and the editor's bars.
  void Add_System_Clicked();
  void Edit_System(EditTrigger trigger);
  bool Add_System();
  bool Update_System();
  void Go_Back_From_Add();
  void Go_Back_From_Update();
  void Remove_System();
  void System_Calculation();
  void Tree_Selection_Changed(TreeNode* node);
  bool Drop_System(const TreeNode* source, const TreeNode* target);
  void Project_Name_Left();
  void Set_Hours_Per_Year(bool hoursPerYear);
  void Set_Application_Type(std::optional<model::ApplicationType> application);

  void Update_System_Counter();
  // After a project file was read: the editor's part of the header, the
  // counter and, for one system, the editor.
  void After_Project_Read(const OpenOutcome& opened);
  std::vector<int> ReportSystemOrder() { return systems.ReportSystemOrder(); }

  const MainSystemDataRows& Main_Rows() const { return mainRows_; }
  // What the result texts show, from the preferences as they stand now.
  preferences::DisplaySettings Display_Settings() const;

 private:
  void prepareStepChange();
  void pageChange();
  void resetStep3();
  void setButtons();
  void showOverview();
  void refresh();
  void openEditorForCurrent();
  int overviewOfProjectType() const;

  EstimatorSession& session_;
  shell::RunState& state_;
  WizardWindow& window_;
  int step_ = 1;
  MainSystemDataRows mainRows_;
};

}  // namespace korvane::wizard
