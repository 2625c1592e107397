#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "model/FeatureSwitches.h"

namespace korvane::wizard {
namespace {

using namespace model;

class WizardNavigationTest : public korvane::testing::WizardFixture {
 protected:
  void breakDutyCycle() { setTimes({1, 2, 9, 17, 24, 17, 13, 11, 5, 0}); }  // 99 %
};

TEST_F(WizardNavigationTest, ShowOpensOnStepOneWithTheWelcomeScreenForNewProjectsOnly) {
  korvane::testing::FakeLabel label;
  wiz.labels.Attach(model::ResultSlot::TotalSavings, label);
  label.text = "stale";
  newProject(kSingle);
  EXPECT_EQ(wiz.formContent.Current(), kWelcomeScreen);
  EXPECT_EQ(window.shownStep, 1);
  EXPECT_EQ(wiz.step3.Current(), kSystemEditorView);
  EXPECT_EQ(label.text, "N/A");
  wiz.Start_Project();
  EXPECT_EQ(wiz.formContent.Current(), kWizardPages);
  EXPECT_EQ(window.focusProjectName, 1);

  state.ResumeProject = true;  // Active Project or an opened file
  wiz.formContent.Show(kWelcomeScreen);
  wiz.Form_Show();
  EXPECT_EQ(wiz.formContent.Current(), kWizardPages);
  EXPECT_EQ(window.focusProjectName, 2);
}

TEST_F(WizardNavigationTest, ContinueWalksTheStepsAndCloseReplacesItOnTheLast) {
  newProject(kSingle);
  EXPECT_TRUE(wiz.Go_Back());
  EXPECT_EQ(window.closes, 1);  // step 1: Go Back closes
  for (int step = 2; step <= 5; ++step) {
    ASSERT_TRUE(wiz.Continue());
    EXPECT_EQ(wiz.Step(), step);
    EXPECT_EQ(wiz.continueOrClose.Current(), step == 5 ? kCloseShown : kContinueShown);
  }
  ASSERT_TRUE(wiz.Go_Back());
  EXPECT_EQ(wiz.Step(), 4);
  EXPECT_EQ(wiz.continueOrClose.Current(), kContinueShown);
}

TEST_F(WizardNavigationTest, InvalidDutyCycleBouncesBackToStepThree) {
  newProject(kSingle);
  wiz.Select_Step(3);
  breakDutyCycle();
  messages.shown.clear();
  wiz.Select_Step(4);  // the tab clicked
  EXPECT_EQ(wiz.Step(), 3);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Total Duty Cycle Percentages should equal 100%\nPercentages entered currently "
            "equal: 99%");
  EXPECT_FALSE(wiz.Continue());
  EXPECT_EQ(wiz.Step(), 3);
  wiz.Select_Step(1);
  EXPECT_EQ(wiz.Step(), 3);
  wiz.Select_Step(3);  // always accepted
  EXPECT_EQ(wiz.Step(), 3);
  EXPECT_FALSE(wiz.Form_Close_Query());
  EXPECT_EQ(window.shownStep, 3);
}

TEST_F(WizardNavigationTest, OneSystemProjectStoresTheEditorAtEveryStepChange) {
  korvane::testing::FakeLabel power;
  wiz.labels.Attach(model::ResultSlot::MotorPower, power);
  newProject(kSingle, kPump);
  EXPECT_EQ(wiz.editor.choices.applicationType, kPump);  // the type picked for the project
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorPower, "40.0");
  ASSERT_TRUE(wiz.Continue());
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(wiz.wizard.CurrentSystem, 1);
  EXPECT_FLOAT_EQ(project.Get_System(1)->MotorHp(), 40);
  EXPECT_EQ(project.Get_System(1)->ApplicationType(), kPump);
  EXPECT_EQ(power.text, "40 HP");
  EXPECT_TRUE(state.ProjectModified);

  // Typed, then the wizard closed: the system still gets it.
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorPower, "50.0");
  ASSERT_TRUE(wiz.Form_Close_Query());
  EXPECT_FLOAT_EQ(project.Get_System(1)->MotorHp(), 50);
  wiz.Form_Close();
  EXPECT_EQ(store.values.at({"PROGRAM", "L2"}), "1");
  EXPECT_EQ(wiz.Step(), 1);
}

TEST_F(WizardNavigationTest, LeavingStepThreeOfSeveralSystemsReturnsToTheOverview) {
  newProject(kMulti);
  wiz.Select_Step(3);
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
  wiz.Add_System_Clicked();
  EXPECT_EQ(wiz.step3.Current(), kSystemEditorView);
  wiz.Select_Step(2);
  wiz.Select_Step(3);
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
  EXPECT_EQ(wiz.buttonBar.Current(), kStandardBar);
  EXPECT_EQ(project.SystemCount(), 0);  // nothing was added
}

TEST_F(WizardNavigationTest, CalculationGivesTheSystemTheUtilityStepOfTheProject) {
  newProject(kMulti);
  addSystem("Fan", kFan);
  session.catalogue.Write_Prm_Edit_Text(kPrmEnergyRate, "0.25");
  session.catalogue.Write_Prm_Edit_Text(kPrmAlternateRate, "0.05");
  session.header.demandUnit = model::DemandUnit::Kva;
  session.header.utilityIncentiveOneTime = false;
  EXPECT_TRUE(wiz.Calculate_Single_System(1, 0));
  const TVexEnergySystem& s = *project.Get_System(1);
  EXPECT_FLOAT_EQ(s.EnergyRate(), 0.25f);
  EXPECT_FLOAT_EQ(s.AlternateRate(), 0.05f);
  EXPECT_EQ(s.DemandUnit(), model::DemandUnit::Kva);
  EXPECT_EQ(s.IncentiveOneTime(), 0);
  EXPECT_FALSE(wiz.Calculate_Single_System(2, 0));
  EXPECT_FALSE(wiz.Calculate_Single_System(-1, 0));
}

TEST_F(WizardNavigationTest, ResultTextsShowTheConfirmedPreferences) {
  controls.currencyButton = 0;
  controls.metricUnits = true;
  session.procedures.Save_Opt();
  korvane::testing::FakeLabel units;
  korvane::testing::FakeLabel incentive;
  wiz.labels.Attach(model::ResultSlot::WeightUnits, units);
  wiz.labels.Attach(model::ResultSlot::PowerIncentive, incentive);
  newProject(kMulti);
  addSystem("Fan", kFan);
  ASSERT_TRUE(wiz.Calculate_Single_System(1, 0));
  EXPECT_EQ(units.text, "Weight Units: Metric");
  EXPECT_EQ(incentive.text.rfind("€ ", 0), 0u) << incentive.text;
}

TEST_F(WizardNavigationTest, SystemCalculationPageAndItsGoBack) {
  newProject(kMulti);
  addSystem("Fan", kFan);
  wiz.System_Calculation();
  EXPECT_EQ(wiz.Step(), 4);
  EXPECT_EQ(wiz.step4.Current(), kSystemCalculationView);
  EXPECT_EQ(wiz.helpButtons.Current(), kHelpButtonsHidden);
  ASSERT_TRUE(wiz.Go_Back());
  EXPECT_EQ(wiz.Step(), 4);  // stays, back on the project overview
  EXPECT_EQ(wiz.step4.Current(), kOverviewWithPaybackButton);
}

TEST_F(WizardNavigationTest, TheMaximumOfSystemsIsRefused) {
  newProject(kMulti);
  project.Set_System_Count(kMaxSystems);
  state.ProjectModified = false;
  wiz.Add_System_Clicked();
  EXPECT_FALSE(wiz.Add_System());
  EXPECT_EQ(messages.shown.back().text, "Maximum number of systems reached.");
  EXPECT_EQ(project.SystemCount(), kMaxSystems);
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
  EXPECT_FALSE(state.ProjectModified);
}

TEST_F(WizardNavigationTest, CancellingAnEditKeepsTheSystemAndRestoresTheDutyCycle) {
  newProject(kMulti);
  addSystem("Fan", kFan);
  wiz.Edit_System(EditTrigger::Button);
  setTimes({50, 50, 0, 0, 0, 0, 0, 0, 0, 0});
  wiz.editor.choices.identification = "Renamed";
  wiz.Go_Back_From_Update();
  EXPECT_EQ(project.Get_System(1)->Identification(), "Fan");
  EXPECT_EQ(project.Get_System(1)->TimePercent(1), 1);
  EXPECT_EQ(field(kPrmFirstTimePercent), "1");
  EXPECT_EQ(wiz.editor.Last_Check().totalLabel, "100 %");
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
  EXPECT_EQ(wiz.buttonBar.Current(), kStandardBar);

  wiz.wizard.ReturnToStep4 = true;
  wiz.Edit_System(EditTrigger::Button);
  wiz.Go_Back_From_Update();
  EXPECT_EQ(wiz.Step(), 4);
  EXPECT_FALSE(wiz.wizard.ReturnToStep4);
}

TEST_F(WizardNavigationTest, LosingActivationStoresTheFieldsAndTheUtilityNameInEverySystem) {
  newProject(kMulti);
  addSystem("Fan", kFan);
  addSystem("Pump", kPump);
  wiz.customer.Set_Text(model::FieldValue::UtilityName, "City Power");
  session.catalogue.Write_Prm_Edit_Text(kPrmEnergyRate, "0.30");
  wiz.Deactivated();
  EXPECT_FLOAT_EQ(static_cast<float>(session.catalogue.Get_Prm_Value(kPrmEnergyRate)), 0.30f);
  EXPECT_EQ(project.Get_System(1)->UtilityName(), "City Power");
  EXPECT_EQ(project.Get_System(2)->UtilityName(), "City Power");
}

TEST_F(WizardNavigationTest, StepTitlesByProjectType) {
  EXPECT_EQ(Step_Caption(1, 0), "Step 1. Customer Information");
  EXPECT_EQ(Step_Caption(1, 1), "Step 1. Project and Customer Information");
  EXPECT_EQ(Step_Caption(3, 0), "Step 3. Define System");
  EXPECT_EQ(Step_Caption(3, 1), "Step 3. Define System(s) / Project Overview");
  EXPECT_EQ(Step_Caption(5, 1), "Step 5. Final Report");
}

}  // namespace
}  // namespace korvane::wizard
