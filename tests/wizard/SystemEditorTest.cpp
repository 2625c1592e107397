#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"

namespace korvane::wizard {
namespace {

using namespace model;

// Every feature on: motor defaults, voltage, FLA, both incentive units, ...
constexpr std::uint32_t kEverything = 0;

class SystemEditorTest : public korvane::testing::WizardFixture {
 protected:
  void SetUp() override {
    WizardFixture::SetUp();
    session.catalogue.Set_Fields(0);
  }
};

TEST_F(SystemEditorTest, LeavingAFieldClampsItWithTheAlertSound) {
  struct Case {
    int parameter;
    const char* typed;
    const char* shown;
    int alerts;
  };
  const Case cases[] = {
      {kPrmMotorPower, "6000", "5000.0", 1},
      {kPrmMotorPower, "0", "0.2", 1},
      {kPrmHoursPerDay, "", "1", 1},
      {kPrmHoursPerDay, "abc", "1", 1},
      {kPrmDriveCost, "2500", "2500", 0},
      {kPrmPowerIncentive, "300", "250.0", 1},  // per unit of motor power
  };
  for (const Case& c : cases) {
    alert.played = 0;
    type(c.parameter, c.typed);
    EXPECT_EQ(field(c.parameter), c.shown) << c.typed;
    EXPECT_EQ(alert.played, c.alerts) << c.typed;
  }
}

TEST_F(SystemEditorTest, IncentiveLimitFollowsItsUnit) {
  wiz.editor.Set_Incentive_Unit(1);
  type(kPrmPowerIncentive, "300");
  EXPECT_EQ(field(kPrmPowerIncentive), "300.0");
  alert.played = 0;
  wiz.editor.Set_Incentive_Unit(0);
  EXPECT_EQ(field(kPrmPowerIncentive), "250.0");
  EXPECT_EQ(alert.played, 1);
  EXPECT_TRUE(wiz.editor.UserOverride());
}

TEST_F(SystemEditorTest, OverrideIsSetByOwnFiguresAndClearedByTheMotor) {
  EXPECT_FALSE(wiz.editor.UserOverride());
  type(kPrmDriveCost, "3000");  // the value it already held
  EXPECT_FALSE(wiz.editor.UserOverride());
  for (int n : {kPrmMotorEfficiency, kPrmDriveMotorEfficiency, kPrmDriveCost, kPrmPowerIncentive}) {
    type(kPrmMotorPower, "25");
    type(kPrmMotorPower, "30");
    EXPECT_FALSE(wiz.editor.UserOverride()) << n;
    type(n, "60");
    EXPECT_TRUE(wiz.editor.UserOverride()) << n;
  }
  type(kPrmMotorFla, "12");
  EXPECT_FALSE(wiz.editor.UserOverride());
}

TEST_F(SystemEditorTest, MotorDefaultsFollowAChangedPowerOnly) {
  {
    // This edition never fills them in.
    type(kPrmMotorPower, "30");
    EXPECT_EQ(field(kPrmMotorEfficiency), "95.0");
  }
  model::testing::ScopedFeatureWord word(kEverything);
  type(kPrmMotorPower, "20");
  wiz.editor.choices.voltageItem = 2;  // 480 V
  type(kPrmMotorPower, "30");
  EXPECT_EQ(field(kPrmMotorEfficiency), "93.6");
  EXPECT_EQ(field(kPrmMotorFla), "38.4");  // 40 A x 0.96
  type(kPrmMotorPower, "250");
  EXPECT_EQ(field(kPrmMotorEfficiency), "95.8");
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorEfficiency, "90.0");
  type(kPrmMotorPower, "250.0");  // unchanged
  EXPECT_EQ(field(kPrmMotorEfficiency), "90.0");
}

TEST_F(SystemEditorTest, MotorDefaultsReadKilowattsAsHorsepower) {
  model::testing::ScopedFeatureWord word(kEverything);
  project.Set_PowerInKw(1);
  type(kPrmMotorPower, "3.7");  // about 4.96 HP
  EXPECT_EQ(field(kPrmMotorEfficiency), "87.9");
}

TEST_F(SystemEditorTest, StoringAndLoadingASystemKeepsEveryInput) {
  model::testing::ScopedFeatureWord word(kEverything);
  project.Set_System_Count(2);
  EditorChoices& c = wiz.editor.choices;
  c.applicationType = 1;
  c.pumpFlowControl = 2;
  c.voltageItem = 2;
  c.incentiveUnit = 1;
  c.hoursPerYear = true;
  c.powerIncentiveOneTime = false;
  c.alternate[3] = true;
  c.identification = "Feed pump";
  session.header.utilityName = "City Power";
  session.header.demandUnitItem = 1;
  const std::pair<int, const char*> typed[] = {
      {kPrmMotorPower, "75.0"}, {kPrmMotorEfficiency, "94.1"},    {kPrmMotorFla, "96.0"},
      {kPrmDriveCost, "8200"},  {kPrmInstallCost, "1500"},        {kPrmHoursPerYear, "6000"},
      {kPrmQuantity, "3"},      {kPrmMinimumHead, "25.0"},        {kPrmPowerIncentive, "40.0"},
      {kPrmEnergyRate, "0.12"}, {kPrmFirstFlowPercent + 9, "15"},
  };
  for (auto [n, text] : typed) session.catalogue.Write_Prm_Edit_Text(n, text);

  EXPECT_TRUE(wiz.editor.Update_Record_System(2));
  EXPECT_TRUE(state.ProjectModified);
  const TVexEnergySystem& s = *project.Get_System(2);
  EXPECT_EQ(s.ApplicationType(), 1);
  EXPECT_EQ(s.FlowControl(), 2);
  EXPECT_EQ(s.PresentAcrossTheLine(), 0);
  EXPECT_FLOAT_EQ(s.MotorHp(), 75);
  EXPECT_FLOAT_EQ(s.MotorFla(), 96);
  EXPECT_EQ(s.VoltageClass(), 2);
  EXPECT_EQ(s.HoursPerYearMode(), 1);
  EXPECT_EQ(s.HoursPerYear(), 6000);
  EXPECT_EQ(s.Quantity(), 3);
  EXPECT_EQ(s.DemandUnit(), 1);
  EXPECT_EQ(s.IncentiveUnit(), 1);
  EXPECT_EQ(s.PowerIncentiveOneTime(), 0);
  EXPECT_EQ(s.AltRateAtPoint(4), 1);
  EXPECT_EQ(s.FlowPercent(10), 15);
  EXPECT_EQ(s.UtilityName(), "City Power");

  // Storing the same again is no change.
  state.ProjectModified = false;
  EXPECT_FALSE(wiz.editor.Update_Record_System(2));
  EXPECT_FALSE(state.ProjectModified);

  // Another system in the editor, then system 2 back: every field returns.
  wiz.editor.Transfer_Record_To_System(1);
  session.catalogue.Set_Fields(0);
  EXPECT_EQ(field(kPrmMotorPower), "0.0");
  wiz.editor.Transfer_Record_To_System(2);
  session.catalogue.Set_Fields(0);
  for (auto [n, text] : typed) EXPECT_EQ(field(n), text) << n;
  EXPECT_EQ(c.identification, "Feed pump");
  EXPECT_EQ(c.pumpFlowControl, 2);
  EXPECT_TRUE(c.hoursPerYear);
  EXPECT_TRUE(c.alternate[3]);
  EXPECT_FALSE(c.powerIncentiveOneTime);
}

TEST_F(SystemEditorTest, CoolingTowerRunsAcrossTheLineAndNoListFallsBack) {
  project.Set_System_Count(1);
  wiz.editor.choices.applicationType = 2;
  wiz.editor.choices.fanFlowControl = 1;
  wiz.editor.Update_Record_System(1);
  EXPECT_EQ(project.Get_System(1)->FlowControl(), 4);
  EXPECT_EQ(project.Get_System(1)->PresentAcrossTheLine(), 1);

  wiz.editor.choices.applicationType = 0;
  wiz.editor.choices.fanFlowControl = -1;  // nothing selected
  wiz.editor.Update_Record_System(1);
  EXPECT_EQ(project.Get_System(1)->FlowControl(), 3);
}

TEST_F(SystemEditorTest, TypedTextOutOfRangeNeverWrapsAStoredCount) {
  project.Set_System_Count(1);
  // Still being typed, never left: stored as read, but not wrapped round.
  session.catalogue.Write_Prm_Edit_Text(kPrmFirstTimePercent, "-5");
  session.catalogue.Write_Prm_Edit_Text(kPrmHoursPerYear, "99999999");
  wiz.editor.Update_Record_System(1);
  EXPECT_EQ(project.Get_System(1)->TimePercent(1), 0);
  EXPECT_EQ(project.Get_System(1)->HoursPerYear(), 65535);
}

TEST_F(SystemEditorTest, LayoutByApplicationType) {
  model::testing::ScopedFeatureWord word(kEverything);
  EXPECT_EQ(ApplicationTypeLayout(0), (EditorLayout{true, true, false, false, false}));
  EXPECT_EQ(ApplicationTypeLayout(1), (EditorLayout{true, false, true, true, false}));
  EXPECT_EQ(ApplicationTypeLayout(2), (EditorLayout{false, false, false, false, true}));
  model::testing::ScopedFeatureWord edition(kEditionFeatureWord);
  EXPECT_FALSE(ApplicationTypeLayout(1).minimumHeadRow);
}

TEST_F(SystemEditorTest, RestoreRewritesTheDutyCycleButNotTheAltBoxes) {
  setTimes({50, 50, 0, 0, 0, 0, 0, 0, 0, 0});
  setFlow(2, 100);
  wiz.editor.choices.alternate[5] = true;
  EXPECT_FALSE(wiz.editor.Check_Duty_Cycle(nullptr));
  wiz.editor.Restore_Duty_Cycle();
  EXPECT_TRUE(wiz.editor.Last_Check().passed);
  EXPECT_EQ(field(kPrmFirstFlowPercent + 1), "90");
  EXPECT_EQ(field(kPrmFirstTimePercent + 4), "24");
  EXPECT_TRUE(wiz.editor.choices.alternate[5]);
}

}  // namespace
}  // namespace korvane::wizard
