#include <gtest/gtest.h>

#include <vector>

#include "Fakes.h"
#include "model/EnergyModel.h"

namespace korvane::model {
namespace {

using korvane::testing::FakeMessageSink;

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(project.Ready());
    // Fan curves: drive 97, inlet vane and damper curves that differ.
    for (int p = 1; p <= 10; ++p) {
      project.Set_Curve(1, 1, p, 97);
      project.Set_Curve(1, 3, p, 0.5);
      project.Set_Curve(1, 4, p, 0.25);
    }
    project.Set_Co2Coal(0.705);
  }

  // Defines n fans with an outlet damper and counts how often each one's
  // results are discarded from now on.
  void defineFans(int n) {
    for (int i = 1; i <= n; ++i) {
      ASSERT_EQ(project.Add_System(messages), i);
      TVexEnergySystemAnalysis* system = project.Get_System(i);
      system->Set_FlowControl(1);
      system->Set_MotorHp(static_cast<float>(10 * i));
      auto totals = system->OnChanged;
      system->OnChanged = [this, i, totals] {
        ++discards[static_cast<size_t>(i)];
        totals();
      };
    }
    ASSERT_TRUE(project.Reprepare_All());
    discards.assign(static_cast<size_t>(kMaxSystems) + 1, 0);
  }

  EnergyModel model;
  TVexEnergyProjectAnalysis& project = model.project;
  FakeMessageSink messages;
  std::vector<int> discards = std::vector<int>(kMaxSystems + 1, 0);
};

TEST_F(ProjectTest, StartsWithDefaultsAndNoSystem) {
  EXPECT_EQ(project.SystemCount(), 0);
  EXPECT_EQ(project.Co2Source(), 0);
  EXPECT_EQ(project.Co2User(), 1.0);
  EXPECT_EQ(project.PowerFactor(), 0.98);
  EXPECT_EQ(project.CumulativePayback(), 1);
  EXPECT_EQ(project.PowerInKw(), 0);
  for (int a = 1; a <= 3; ++a) {
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(project.Get_Curve(a, 7, p), 1.0);
  }
  const TVexEnergySystemAnalysis* last = project.Get_System(250);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->Quantity(), 1);
  EXPECT_EQ(last->IncentiveOneTime(), 1);
  EXPECT_EQ(last->PowerIncentiveOneTime(), 1);
  EXPECT_EQ(last->FlowPercent(1), 100);
  EXPECT_EQ(last->FlowPercent(10), 10);
  EXPECT_EQ(last->TimePercent(5), 24);
  EXPECT_EQ(project.Get_System(0), nullptr);
  EXPECT_EQ(project.Get_System(251), nullptr);
  EXPECT_TRUE(model.editorRecord.Ready());
}

TEST_F(ProjectTest, PreparationCopiesTheCurvesOfTheChosenControl) {
  defineFans(2);
  const PreparedSettings& prepared = project.Get_System(1)->Prepared();
  EXPECT_EQ(prepared.curves[0][0], 97);
  EXPECT_EQ(prepared.curves[1][0], 0.25) << "outlet damper is slot 4";
  EXPECT_EQ(prepared.co2Factors[1], 0.705);
  EXPECT_EQ(prepared.powerFactor, 0.98);

  TVexEnergySystemAnalysis* fan = project.Get_System(2);
  fan->Set_FlowControl(4);
  fan->Set_PresentAcrossTheLine(1);
  project.Set_Curve(1, 7, 1, 0.3);
  EXPECT_EQ(fan->Prepared().curves[1][0], 1.0) << "across the line runs flat";

  fan->Set_ApplicationType(7);
  EXPECT_FALSE(project.Prepare_System(2));
  EXPECT_FALSE(project.Prepare_System(3)) << "beyond the defined systems";
}

TEST_F(ProjectTest, FlowControlChangeReprepairesOnlyThatSystem) {
  defineFans(3);
  project.Get_System(2)->Set_FlowControl(0);
  EXPECT_EQ(discards[1], 0);
  EXPECT_EQ(discards[2], 1);
  EXPECT_EQ(discards[3], 0);
  EXPECT_EQ(project.Get_System(2)->Prepared().curves[1][0], 0.5) << "inlet vane is slot 3";
  EXPECT_EQ(project.Get_System(1)->Prepared().curves[1][0], 0.25);
}

TEST_F(ProjectTest, SharedSettingChangeReprepairesEveryDefinedSystem) {
  defineFans(3);
  project.Set_Co2Coal(0.8);
  EXPECT_EQ(discards[1], 1);
  EXPECT_EQ(discards[2], 1);
  EXPECT_EQ(discards[3], 1);
  EXPECT_EQ(discards[4], 0);
  EXPECT_EQ(project.Get_System(3)->Prepared().co2Factors[1], 0.8);

  project.Set_Co2Coal(0.8);
  project.Set_Curve(1, 5, 1, 0.9);  // a curve no system uses
  project.Set_PowerFactor(0);
  project.Set_PowerFactor(-1);
  EXPECT_EQ(project.PowerFactor(), 0.98);
  EXPECT_EQ(discards[1], 1) << "unchanged settings keep the results";

  project.Set_PowerInKw(1);
  EXPECT_EQ(discards[2], 2);
}

TEST_F(ProjectTest, CurveTableRefusesSlotTwoAndOutOfRangeIndexes) {
  project.Set_Curve(2, 2, 1, 5);
  EXPECT_EQ(project.Get_Curve(2, 2, 1), 0);
  project.Set_Curve(0, 1, 1, 5);
  project.Set_Curve(1, 8, 1, 5);
  project.Set_Curve(1, 1, 11, 5);
  EXPECT_EQ(project.Get_Curve(0, 1, 1), 0);
  EXPECT_EQ(project.Get_Curve(1, 8, 1), 0);
  EXPECT_EQ(project.Get_Curve(1, 1, 11), 0);

  project.Copy_Curve(2, 1, 1);
  EXPECT_EQ(project.Get_Curve(2, 1, 10), 97);
  EXPECT_EQ(project.Get_Curve(3, 1, 10), 0);
}

TEST_F(ProjectTest, CurveCopyReachesTheSystemsOfTheOtherApplication) {
  defineFans(1);
  TVexEnergySystemAnalysis* pump = project.Get_System(1);
  pump->Set_ApplicationType(1);
  pump->Set_FlowControl(2);  // custom control 1: slot 5
  for (int p = 1; p <= 10; ++p) project.Set_Curve(1, 5, p, 0.6);
  EXPECT_EQ(pump->Prepared().curves[1][0], 0);
  project.Copy_Curve(2, 5, 1);
  EXPECT_EQ(pump->Prepared().curves[1][0], 0.6);
}

TEST_F(ProjectTest, RemovingASystemCopiesTheRestDown) {
  defineFans(3);
  project.Get_System(3)->Set_Identification("third");
  ASSERT_TRUE(project.Remove_System(2));
  EXPECT_EQ(project.SystemCount(), 2);
  EXPECT_EQ(project.Get_System(2)->Identification(), "third");
  EXPECT_EQ(project.Get_System(2)->MotorHp(), 30);
  EXPECT_EQ(project.Get_System(3)->Identification(), "third") << "old contents stay";
  EXPECT_EQ(project.Get_System(1)->MotorHp(), 10);

  EXPECT_FALSE(project.Remove_System(3));
  EXPECT_FALSE(project.Remove_System(0));
  EXPECT_EQ(project.SystemCount(), 2);

  // The freed place, used again after a shared setting changed, runs on the
  // settings of today.
  project.Set_Co2Coal(0.9);
  ASSERT_EQ(project.Add_System(messages), 3);
  EXPECT_EQ(project.Get_System(3)->Prepared().co2Factors[1], 0.9);
}

TEST_F(ProjectTest, The251stSystemIsRefused) {
  for (int i = 1; i <= kMaxSystems; ++i) ASSERT_EQ(project.Add_System(messages), i);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(project.Add_System(messages), 0);
  EXPECT_EQ(project.SystemCount(), kMaxSystems);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Maximum number of systems reached.");
}

}  // namespace
}  // namespace korvane::model
