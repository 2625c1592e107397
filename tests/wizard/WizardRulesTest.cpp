#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Fakes.h"
#include "WizardFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "wizard/DutyCycleCheck.h"
#include "wizard/MotorDefaults.h"
#include "wizard/ViewSwitch.h"

namespace korvane::wizard {
namespace {

using korvane::testing::FakeMessageSink;

DutyCycleEntries standardCycle() {
  return {{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}, {1, 2, 9, 17, 24, 17, 13, 11, 6, 0}, {}};
}

TEST(DutyCycleCheck, DefaultCyclePassesAndDrawsRowsWithTime) {
  FakeMessageSink messages;
  const DutyCycleResult r = Check_Duty_Cycle(standardCycle(), &messages);
  EXPECT_TRUE(r.passed);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(r.totalLabel, "100%");
  EXPECT_FALSE(r.totalRed);
  EXPECT_EQ(r.duplicateLabel, "");
  ASSERT_EQ(r.bars.size(), 9u);  // row 10 has no time
  EXPECT_EQ(r.bars.front().flow, 100);
  EXPECT_EQ(r.bars.front().time, 1);
  EXPECT_DOUBLE_EQ(r.barWidthPercent, 60);
  EXPECT_EQ(r.barColour, kDutyBarColour);
}

TEST(DutyCycleCheck, DuplicatesCountOnlyAtTheSameRate) {
  struct Case {
    const char* what;
    bool altRow5, altRow6;
    int flow6;
    bool duplicate;
  };
  const Case cases[] = {
      {"same flow, both normal", false, false, 60, true},
      {"same flow, both alternate", true, true, 60, true},
      {"same flow, one alternate", true, false, 60, false},
      {"different flows", false, false, 50, false},
  };
  for (const Case& c : cases) {
    DutyCycleEntries e = standardCycle();
    e.flow[5] = c.flow6;
    e.alternate[4] = c.altRow5;
    e.alternate[5] = c.altRow6;
    FakeMessageSink messages;
    const DutyCycleResult r = Check_Duty_Cycle(e, &messages);
    EXPECT_EQ(r.duplicate, c.duplicate) << c.what;
    EXPECT_EQ(r.passed, !c.duplicate) << c.what;
    EXPECT_EQ(r.duplicateLabel, c.duplicate ? "Duplicate" : "") << c.what;
    EXPECT_EQ(messages.shown.size(), c.duplicate ? 1u : 0u) << c.what;
  }
}

TEST(DutyCycleCheck, RowsWithoutFlowAreNeverDuplicates) {
  DutyCycleEntries e = standardCycle();
  e.flow[8] = 0;
  e.flow[9] = 0;
  EXPECT_TRUE(Check_Duty_Cycle(e, nullptr).passed);
}

TEST(DutyCycleCheck, WrongTotalIsReportedWithTheSumAndRedBars) {
  DutyCycleEntries e = standardCycle();
  e.time[0] = 0;  // 99 in all
  FakeMessageSink messages;
  const DutyCycleResult r = Check_Duty_Cycle(e, &messages);
  EXPECT_FALSE(r.passed);
  EXPECT_EQ(r.totalLabel, "99%");
  EXPECT_TRUE(r.totalRed);
  EXPECT_EQ(r.barColour, kDutyBarFailedColour);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages.shown[0].text,
            "Total Duty Cycle Percentages should equal 100%\nPercentages entered currently "
            "equal: 99%");
}

TEST(DutyCycleCheck, DuplicateAndWrongTotalGiveOneMessageAndBothMarks) {
  DutyCycleEntries e = standardCycle();
  e.flow[1] = 100;
  e.time[0] = 50;
  FakeMessageSink messages;
  const DutyCycleResult r = Check_Duty_Cycle(e, &messages);
  EXPECT_FALSE(r.passed);
  EXPECT_TRUE(r.totalRed);
  EXPECT_EQ(r.duplicateLabel, "Duplicate");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kDuplicateFlow);
  // Silent, the same faults are found without a word.
  EXPECT_FALSE(Check_Duty_Cycle(e, nullptr).passed);
}

TEST(MotorDefaults, EfficiencyByPower) {
  const std::pair<double, double> cases[] = {{0.2, 87.9}, {5, 87.9},   {5.01, 91.5}, {15, 91.5},
                                             {30, 93.6},  {40, 93.6},  {100, 94.5},  {200, 95.2},
                                             {250, 95.8}, {5000, 95.8}};
  for (auto [hp, efficiency] : cases)
    EXPECT_DOUBLE_EQ(DefaultMotorEfficiency(hp), efficiency) << hp;
}

TEST(MotorDefaults, FlaOnTheTableBetweenItsRowsAndBeyond) {
  struct Case {
    double hp;
    const char* voltage;
    std::optional<double> amperes;
  };
  const Case cases[] = {
      {20, "460", 27},             // a row of the table
      {22.5, "460", 30.5},         // halfway between 20 and 25 HP
      {450, "460", 515},           // its own row, not the next row's 590 A
      {475, "460", 552.5},         //
      {500, "460", 590},           // the last row
      {0.2, "460", 1.1},           // below the table: the smallest motor
      {600, "460", std::nullopt},  // above it: no default
      {20, "208", 27 * 2.2},       // voltage factors
      {20, "480", 27 * 0.96},
      {20, "240", 27 * 1.92},
      {20, "", 27},  // an unknown voltage leaves the current unscaled
  };
  for (const Case& c : cases) {
    const auto fla = DefaultMotorFla(c.hp, c.voltage);
    ASSERT_EQ(fla.has_value(), c.amperes.has_value()) << c.hp;
    if (fla) {
      EXPECT_NEAR(*fla, *c.amperes, 1e-9) << c.hp << " HP at " << c.voltage;
    }
  }
}

TEST(ViewSwitch, ShowsOneMemberAndIgnoresRepeatsAndNone) {
  std::vector<std::pair<int, bool>> calls;
  ViewSwitch views(3, [&](int view, bool shown) { calls.emplace_back(view, shown); });
  EXPECT_EQ(views.Current(), ViewSwitch::kNone);
  views.Show(1);
  EXPECT_EQ(calls,
            (std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {2, false}, {1, true}}));
  calls.clear();
  views.Show(1);
  views.Show(ViewSwitch::kNone);
  views.Show(7);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(views.Current(), 1);
}

class PreparedForTest : public korvane::testing::WizardFixture {};

TEST_F(PreparedForTest, LinesFromTheFilledFieldsAndTheLocation) {
  CustomerInformation& c = wiz.customer;
  c.Set_Text(model::FieldValue::Contact, "Ann Lee");
  c.Set_Text(model::FieldValue::Company, "Mill Co");
  c.Set_Text(model::FieldValue::City, "Springfield");
  c.Rebuild_Prepared_For();
  // The separators stay when state and zip are empty.
  EXPECT_EQ(c.Prepared_For(), (std::vector<std::string>{"Ann Lee", "Mill Co", "Springfield,  "}));

  c.Set_Text(model::FieldValue::State, "IL");
  c.Set_Text(model::FieldValue::Zip, "62701");
  c.Rebuild_Prepared_For();
  EXPECT_EQ(c.Prepared_For().back(), "Springfield, IL 62701");

  c.Set_Text(model::FieldValue::City, "");
  c.Rebuild_Prepared_For();
  EXPECT_EQ(c.Prepared_For(), (std::vector<std::string>{"Ann Lee", "Mill Co"}));
}

TEST_F(PreparedForTest, SingleLocationFieldWhenStatesAreNotAsked) {
  model::testing::ScopedFeatureWord word(1u << model::NoStateField);
  wiz.customer.Set_Text(model::FieldValue::Zip, "Lyon 69001, France");
  wiz.customer.Rebuild_Prepared_For();
  EXPECT_EQ(wiz.customer.Prepared_For(), (std::vector<std::string>{"Lyon 69001, France"}));
}

TEST_F(PreparedForTest, TypingMarksTheProjectModifiedAndTheNameReachesTheStatusLine) {
  int statusUpdates = 0;
  wiz.customer.ProjectNameChanged = [&] { ++statusUpdates; };
  wiz.customer.Set_Text(model::FieldValue::Email, "");
  EXPECT_FALSE(state.ProjectModified);  // nothing changed
  wiz.customer.Set_Text(model::FieldValue::UtilityName, "City Power");
  EXPECT_TRUE(state.ProjectModified);
  EXPECT_EQ(statusUpdates, 0);
  wiz.customer.Set_Text(model::FieldValue::ProjectName, "Mill");
  EXPECT_EQ(statusUpdates, 1);
  wiz.customer.Clear();
  EXPECT_EQ(session.header.projectName, "");
  EXPECT_EQ(statusUpdates, 2);
}

TEST_F(PreparedForTest, RestoreResetsTheUtilityStepAlsoWhereRowsAreHidden) {
  session.header.utilityName = "City Power";
  session.header.demandUnit = model::DemandUnit::Kva;
  session.header.utilityIncentiveOneTime = false;
  for (int n : {model::kPrmEnergyRate, model::kPrmAlternateRate, model::kPrmDemandCharge,
                model::kPrmUtilityIncentive, model::kPrmDemandRebate}) {
    session.catalogue.Write_Prm_Edit_Text(n, "7");
  }
  wiz.customer.Restore_Utility();
  EXPECT_EQ(session.header.utilityName, "");
  EXPECT_EQ(session.header.demandUnit, model::DemandUnit::Kw);
  EXPECT_TRUE(session.header.utilityIncentiveOneTime);
  EXPECT_EQ(field(model::kPrmEnergyRate), "0.10");
  EXPECT_EQ(field(model::kPrmAlternateRate), "0.10");
  EXPECT_EQ(field(model::kPrmDemandCharge), "0.00");
  EXPECT_EQ(field(model::kPrmDemandRebate), "0.00");
  EXPECT_EQ(field(model::kPrmUtilityIncentive), "0.0");
}

}  // namespace
}  // namespace korvane::wizard
