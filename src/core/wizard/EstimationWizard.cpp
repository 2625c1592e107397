#include "wizard/EstimationWizard.h"

#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "session/EstimatorSession.h"
#include "shell/RunState.h"

namespace korvane::wizard {

namespace {

using namespace model;

}  // namespace

std::string Step_Title(int step, int projectType) {
  const bool multi = projectType == 1;
  switch (step) {
    case 1:
      return multi ? "Project and Customer Information" : "Customer Information";
    case 2:
      return "Utility Information";
    case 3:
      return multi ? "Define System(s) / Project Overview" : "Define System";
    case 4:
      return "Energy Estimation";
    case 5:
      return "Final Report";
    default:
      return {};
  }
}

std::string Step_Caption(int step, int projectType) {
  return "Step " + std::to_string(step) + ". " + Step_Title(step, projectType);
}

EstimationWizard::EstimationWizard(EstimatorSession& session, shell::RunState& state,
                                   WizardWindow& window)
    : customer(session.header, state, session.catalogue),
      editor(session.model, session.catalogue, session.header, state),
      systems(session.model.project, session.header, state, wizard, session.messages),
      session_(session),
      state_(state),
      window_(window) {
  // Every system of a project carries the utility step's name.
  session.catalogue.AfterFieldsStored = [this] {
    TVexEnergyProjectAnalysis& project = session_.model.project;
    for (int i = 1; i <= project.SystemCount(); ++i) {
      project.Get_System(i)->Set_UtilityName(session_.header.utilityName);
    }
  };
}

bool EstimationWizard::Multi_System() const {
  return state_.ProjectType == model::ProjectType::MultiSystem;
}

int EstimationWizard::overviewOfProjectType() const {
  return Multi_System() ? kOverviewWithPaybackButton : kOverviewWithChartButtons;
}

void EstimationWizard::Form_Show() {
  wizard.WizardReady = false;
  wizard.ReturnToStep4 = false;
  wizard.EditingExistingSystem = false;
  showIntroduction = settings::kIntroductionScreen.read(session_.store);
  labels.Reset();

  mainArea.Show(kStepPages);
  buttonBar.Show(kStandardBar);
  helpButtons.Show(kHelpButtonsShown);
  continueOrClose.Show(kContinueShown);
  step4.Show(overviewOfProjectType());
  step3.Show(Multi_System() ? kProjectOverviewView : kSystemEditorView);
  step_ = 1;
  window_.Show_Step(1);
  if (showIntroduction && !state_.ResumeProject) {
    formContent.Show(kWelcomeScreen);
  } else {
    formContent.Show(kWizardPages);
    window_.Focus_Project_Name();
  }

  session_.catalogue.Set_Fields(0);
  editor.Check_Duty_Cycle(nullptr);
  hoursEntry.Show(editor.choices.hoursPerYear ? kHoursPerYearView : kHoursDaysWeeks);
  if (state_.NewProjectPending) {
    state_.NewProjectPending = false;
    editor.Reset_For_New_Project(Multi_System() ? std::nullopt : state_.NewProjectApplication);
  }
  systems.Rebuild(true);
  refresh();
  wizard.WizardReady = true;
}

void EstimationWizard::Start_Project() {
  formContent.Show(kWizardPages);
  window_.Focus_Project_Name();
}

bool EstimationWizard::Form_Close_Query() {
  if (!editor.Check_Duty_Cycle(&session_.messages)) {
    Select_Step(3);
    return false;
  }
  // With one system the editor is the system: what was typed must not be lost.
  if (!Multi_System()) {
    session_.model.project.Set_System_Count(1);
    editor.Update_Record_System(1);
  }
  return true;
}

void EstimationWizard::Form_Close() {
  settings::kIntroductionScreen.write(session_.store, showIntroduction);
  session_.values.introductionScreen = showIntroduction;
  wizard.WizardReady = false;
  resetStep3();
  mainArea.Show(kStepPages);
  step_ = 1;
  window_.Show_Step(1);
}

void EstimationWizard::Deactivated() {
  session_.catalogue.Set_Fields(1);
}

void EstimationWizard::Activated() {
  session_.catalogue.Tag_Edits();
}

void EstimationWizard::prepareStepChange() {
  customer.Rebuild_Prepared_For();
  if (!Multi_System()) {
    session_.model.project.Set_System_Count(1);
    wizard.CurrentSystem = 1;
    editor.Update_Record_System(1);
  }
  Calculate_Single_System(wizard.CurrentSystem, 0);
}

void EstimationWizard::setButtons() {
  continueOrClose.Show(step_ == kStepCount ? kCloseShown : kContinueShown);
  step4.Show(overviewOfProjectType());
}

void EstimationWizard::resetStep3() {
  if (Multi_System()) {
    showOverview();
  } else {
    step3.Show(kSystemEditorView);
  }
}

void EstimationWizard::showOverview() {
  step3.Show(kProjectOverviewView);
  buttonBar.Show(kStandardBar);
  Update_System_Counter();
}

bool EstimationWizard::Continue() {
  if (!editor.Check_Duty_Cycle(&session_.messages)) return false;
  prepareStepChange();
  if (step_ < kStepCount) Select_Step(step_ + 1);
  setButtons();
  return true;
}

bool EstimationWizard::Go_Back() {
  if (!editor.Check_Duty_Cycle(&session_.messages)) return false;
  prepareStepChange();
  if (step_ == 1) {
    window_.Close_Wizard();
  } else if (step_ != 4 || step4.Current() != kSystemCalculationView) {
    Select_Step(step_ - 1);
  }
  setButtons();
  return true;
}

void EstimationWizard::Select_Step(int step) {
  if (step < 1 || step > kStepCount) return;
  step_ = step;
  window_.Show_Step(step);
  pageChange();
}

void EstimationWizard::pageChange() {
  if (!wizard.WizardReady) return;
  if (step_ != 3 && !editor.Check_Duty_Cycle(&session_.messages)) {
    Select_Step(3);
    return;
  }
  prepareStepChange();
  if (step_ != 3) resetStep3();
  setButtons();
}

bool EstimationWizard::Calculate_Single_System(int i, int /*mode*/) {
  TVexEnergyProjectAnalysis& project = session_.model.project;
  TVexEnergySystem* system = i <= project.SystemCount() ? project.Get_System(i) : nullptr;
  if (!system) return false;
  if (Multi_System()) {
    // The utility step speaks for the whole project.
    ParameterCatalogue& c = session_.catalogue;
    for (int n : {kPrmAlternateRate, kPrmDemandCharge, kPrmDemandRebate, kPrmUtilityIncentive,
                  kPrmEnergyRate}) {
      c.Initialize_Edit_ByIndex(n, 1);
    }
    auto value = [&](int n) { return static_cast<float>(c.Get_Prm_Value(n)); };
    system->Set_AlternateRate(value(kPrmAlternateRate));
    system->Set_DemandCharge(value(kPrmDemandCharge));
    system->Set_DemandRebate(value(kPrmDemandRebate));
    system->Set_DemandUnit(session_.header.demandUnit);
    system->Set_IncentiveOneTime(session_.header.utilityIncentiveOneTime ? 1 : 0);
    system->Set_EnergyRate(value(kPrmEnergyRate));
    system->Set_UtilityIncentive(value(kPrmUtilityIncentive));
  }
  return Write_System_Slots(project, i, Display_Settings().results, labels);
}

preferences::DisplaySettings EstimationWizard::Display_Settings() const {
  return preferences::BuildDisplaySettings(session_.values, session_.model.project,
                                           session_.procedures.numberFormat());
}

void EstimationWizard::refresh() {
  const OverviewTabs tabs = systems.Refresh();
  TVexEnergyProjectAnalysis& project = session_.model.project;
  if (wizard.CurrentSystem >= 1) {
    mainRows_ = Main_System_Data_Rows(*project.Get_System(wizard.CurrentSystem));
    Calculate_Single_System(wizard.CurrentSystem, 0);
  }
  if (tabs.applicationType) Set_Application_Type(tabs.applicationType);
  if (tabs.active == OverviewTab::Category && tabs.applicationType) {
    UpdateSystemsAggregates(project, *tabs.applicationType, Display_Settings().results, labels);
  }
}

void EstimationWizard::Set_Application_Type(std::optional<model::ApplicationType> application) {
  editor.Set_Application_Type(application);
  applicationLayout.Show(application ? model::ToNumber(*application) : -1);
}

void EstimationWizard::Set_Hours_Per_Year(bool hoursPerYear) {
  editor.choices.hoursPerYear = hoursPerYear;
  hoursEntry.Show(hoursPerYear ? kHoursPerYearView : kHoursDaysWeeks);
}

void EstimationWizard::Tree_Selection_Changed(TreeNode* node) {
  systems.Tree().Select(node);
  refresh();
}

void EstimationWizard::Add_System_Clicked() {
  wizard.EditingExistingSystem = false;
  step3.Show(kSystemEditorView);
  buttonBar.Show(kAddSystemBar);
}

void EstimationWizard::openEditorForCurrent() {
  const int current = wizard.CurrentSystem;
  editor.Transfer_Record_To_System(current);
  session_.catalogue.Set_Fields(0);
  editor.Check_Duty_Cycle(nullptr);
  wizard.EditingExistingSystem = true;
  step3.Show(kSystemEditorView);
  buttonBar.Show(kUpdateSystemBar);
  hoursEntry.Show(editor.choices.hoursPerYear ? kHoursPerYearView : kHoursDaysWeeks);
  Set_Application_Type(editor.choices.applicationType);
}

void EstimationWizard::Edit_System(EditTrigger trigger) {
  switch (systems.Edit_System(trigger)) {
    case EditAction::AddNew:
      Add_System_Clicked();
      break;
    case EditAction::EditCurrent:
      openEditorForCurrent();
      break;
    case EditAction::None:
      break;
  }
}

bool EstimationWizard::Add_System() {
  if (!editor.Check_Duty_Cycle(&session_.messages)) return false;
  const int index = session_.model.project.Add_System(session_.messages);
  if (index > 0) {
    wizard.CurrentSystem = index;
    editor.Update_Record_System(index);
    if (index == 1) systems.Rebuild(false);
    systems.Add_System_Node(index);
    Calculate_Single_System(index, 1);
    refresh();
    Update_System_Counter();
    state_.ProjectModified = true;
  }
  showOverview();
  return index > 0;
}

bool EstimationWizard::Update_System() {
  if (!editor.Check_Duty_Cycle(&session_.messages)) return false;
  const int current = wizard.CurrentSystem;
  editor.Update_Record_System(current);
  systems.Update_System_Node(current);
  refresh();
  Calculate_Single_System(current, 0);
  Update_System_Counter();
  showOverview();
  return true;
}

void EstimationWizard::Go_Back_From_Add() {
  editor.Restore_Duty_Cycle();
  showOverview();
}

void EstimationWizard::Go_Back_From_Update() {
  editor.Restore_Duty_Cycle();
  Update_System_Counter();
  if (wizard.ReturnToStep4) {
    wizard.ReturnToStep4 = false;
    Select_Step(4);
    step4.Show(overviewOfProjectType());
  } else {
    showOverview();
  }
  editor.Show_Cancelled_Total();
}

void EstimationWizard::Remove_System() {
  if (!systems.Remove_System()) return;
  Update_System_Counter();
  refresh();
  // What Save writes has changed; closing must offer to save it.
  state_.ProjectModified = true;
}

void EstimationWizard::System_Calculation() {
  if (!systems.Has_Current_System()) return;
  const int current = wizard.CurrentSystem;
  editor.Transfer_Record_To_System(current);
  session_.catalogue.Set_Fields(0);
  Calculate_Single_System(current, 0);
  Select_Step(4);
  step4.Show(kSystemCalculationView);
  helpButtons.Show(kHelpButtonsHidden);
}

bool EstimationWizard::Drop_System(const TreeNode* source, const TreeNode* target) {
  if (!systems.Drop(source, target)) return false;
  refresh();
  // The new order is what Save writes; closing must offer to save it.
  state_.ProjectModified = true;
  return true;
}

void EstimationWizard::Project_Name_Left() {
  systems.Update_Root();
}

void EstimationWizard::Update_System_Counter() {
  window_.Show_System_Counter(std::to_string(session_.model.project.SystemCount()));
}

void EstimationWizard::After_Project_Read(const OpenOutcome& opened) {
  editor.choices.powerIncentiveOneTime = opened.powerIncentiveOneTime;
  editor.choices.incentiveUnit = opened.incentiveUnit;
  if (opened.projectType) state_.ProjectType = opened.projectType;
  state_.ProjectModified = false;
  Update_System_Counter();
  if (!Multi_System()) editor.Transfer_Record_To_System(1);
}

}  // namespace korvane::wizard
