#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "model/ChangeCode.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "model/TVexEnergySystemAnalysis.h"

namespace korvane::model {
namespace {

// Records every notification of a record.
struct Recorder {
  static void record(void* data, TVexEnergySystem&, ChangeCode code) {
    static_cast<Recorder*>(data)->codes.push_back(code);
  }
  std::vector<ChangeCode> codes;
};

TEST(SystemRecord, MotorPowerInHpAndKwStayCoupled) {
  TVexEnergySystem system;
  system.Set_MotorHp(20);
  EXPECT_FLOAT_EQ(system.MotorKw(), 14.92f);
  system.Set_MotorKw(7.46f);
  EXPECT_FLOAT_EQ(system.MotorHp(), 10.0f);
  system.Set_MotorKw(14.92f);
  EXPECT_EQ(system.MotorHp(), 20.0f);

  system.Set_Motor_Power(30, false);
  EXPECT_EQ(system.Get_Motor_Power(false), 30.0f);
  system.Set_Motor_Power(30, true);
  EXPECT_EQ(system.Get_Motor_Power(true), 30.0f);
  EXPECT_NEAR(system.Get_Motor_Power(false), 40.2145, 1e-3);
}

TEST(SystemRecord, NotifiesOncePerRealChange) {
  TVexEnergySystem system;
  Recorder recorder;
  ASSERT_TRUE(system.Add_Listener(&Recorder::record, &recorder));
  ASSERT_TRUE(system.Add_Listener(&Recorder::record, &recorder)) << "a known pair is ok";
  EXPECT_FALSE(system.Add_Listener(nullptr, &recorder));

  system.Set_InstallCost(500);
  system.Set_InstallCost(500);
  system.Set_InstallCost(-1);
  EXPECT_EQ(system.InstallCost(), 500);
  system.Set_MotorHp(-5);
  system.Set_FlowPercent(0, 5);
  system.Set_FlowPercent(11, 5);
  system.Set_TimePercent(3, 40);
  system.Set_TimePercent(3, 40);
  EXPECT_EQ(recorder.codes,
            (std::vector<ChangeCode>{ChangeCode::InstallCost, ChangeCode::TimePercent}));
  EXPECT_EQ(system.TimePercent(3), 40);
  EXPECT_EQ(system.TimePercent(0), 0);
  EXPECT_EQ(system.FlowPercent(11), 0);
  EXPECT_EQ(system.AltRateAtPoint(-1), 0);

  recorder.codes.clear();
  system.Set_VoltageClass(2);
  system.Set_MotorFla(12);
  system.Set_MinimumHead(40);
  system.Set_Identification("Fan 1");
  system.Set_BypassRequired(1);
  system.Set_UserOverride(1);
  EXPECT_TRUE(recorder.codes.empty()) << "display-only fields notify nobody";
}

TEST(SystemRecord, OnlyChangesThatEnterAResultDiscardIt) {
  struct Case {
    const char* field;
    std::function<void(TVexEnergySystem&)> change;
    bool discards;
  };
  const Case cases[] = {
      {"install cost", [](auto& s) { s.Set_InstallCost(10); }, true},
      {"drive-motor efficiency", [](auto& s) { s.Set_DriveMotorEfficiency(90); }, true},
      {"drive cost", [](auto& s) { s.Set_DriveCost(10); }, true},
      {"across the line", [](auto& s) { s.Set_PresentAcrossTheLine(1); }, true},
      {"alternate rate point", [](auto& s) { s.Set_AltRateAtPoint(2, 1); }, true},
      {"flow %", [](auto& s) { s.Set_FlowPercent(2, 55); }, true},
      {"time %", [](auto& s) { s.Set_TimePercent(2, 55); }, true},
      {"demand unit", [](auto& s) { s.Set_DemandUnit(DemandUnit::Kva); }, true},
      {"motor efficiency", [](auto& s) { s.Set_MotorEfficiency(90); }, true},
      {"motor HP", [](auto& s) { s.Set_MotorHp(10); }, true},
      {"motor kW", [](auto& s) { s.Set_MotorKw(10); }, true},
      {"quantity", [](auto& s) { s.Set_Quantity(3); }, true},
      {"days per week", [](auto& s) { s.Set_DaysPerWeek(5); }, true},
      {"hours per day", [](auto& s) { s.Set_HoursPerDay(8); }, true},
      {"hours per year", [](auto& s) { s.Set_HoursPerYear(100); }, true},
      {"hours per year mode", [](auto& s) { s.Set_HoursPerYearMode(1); }, true},
      {"weeks per year", [](auto& s) { s.Set_WeeksPerYear(50); }, true},
      {"alternate rate", [](auto& s) { s.Set_AlternateRate(0.05f); }, true},
      {"demand charge", [](auto& s) { s.Set_DemandCharge(5); }, true},
      {"demand rebate", [](auto& s) { s.Set_DemandRebate(5); }, true},
      {"utility incentive", [](auto& s) { s.Set_UtilityIncentive(5); }, true},
      {"incentive one-time", [](auto& s) { s.Set_IncentiveOneTime(1); }, true},
      {"power incentive", [](auto& s) { s.Set_PowerIncentive(5); }, true},
      {"power incentive one-time", [](auto& s) { s.Set_PowerIncentiveOneTime(1); }, true},
      {"incentive unit", [](auto& s) { s.Set_IncentiveUnit(IncentiveUnit::PerSystem); }, true},
      {"energy rate", [](auto& s) { s.Set_EnergyRate(0.2f); }, true},
      {"application type", [](auto& s) { s.Set_ApplicationType(ApplicationType::Pump); }, false},
      {"flow control", [](auto& s) { s.Set_FlowControl(FlowControl::Custom1); }, false},
      {"voltage", [](auto& s) { s.Set_VoltageClass(1); }, false},
      {"FLA", [](auto& s) { s.Set_MotorFla(30); }, false},
      {"minimum head", [](auto& s) { s.Set_MinimumHead(3); }, false},
      {"identification", [](auto& s) { s.Set_Identification("x"); }, false},
      {"catalogue number", [](auto& s) { s.Set_CatalogNumber("x"); }, false},
      {"utility name", [](auto& s) { s.Set_UtilityName("x"); }, false},
      {"bypass", [](auto& s) { s.Set_BypassRequired(1); }, false},
  };
  for (const Case& c : cases) {
    TVexEnergySystemAnalysis system;
    int discarded = 0;
    system.OnChanged = [&] { ++discarded; };
    c.change(system);
    EXPECT_EQ(discarded, c.discards ? 1 : 0) << c.field;
  }
}

TEST(SystemRecord, CopyMakesTheSameSystemAndReportsOnlyRealChanges) {
  TVexEnergySystem source;
  TVexEnergyProjectAnalysis::Set_New_System_Defaults(source);
  source.Set_Identification("Supply fan");
  source.Set_ApplicationType(ApplicationType::Pump);
  source.Set_FlowControl(FlowControl::AcrossTheLine);
  source.Set_PresentAcrossTheLine(1);
  source.Set_MotorHp(20);
  source.Set_MotorEfficiency(95);
  source.Set_EnergyRate(0.1f);
  source.Set_AltRateAtPoint(10, 1);
  source.Set_TimePercent(1, 50);
  source.Set_MotorFla(27.5f);

  TVexEnergySystemAnalysis target;
  TVexEnergyProjectAnalysis::Set_New_System_Defaults(target);
  EXPECT_FALSE(target.Same_System(source));
  Recorder recorder;
  target.Add_Listener(&Recorder::record, &recorder);
  ASSERT_TRUE(target.Copy_System(source));
  EXPECT_TRUE(target.Same_System(source));
  EXPECT_EQ(target.MotorKw(), source.MotorKw());
  EXPECT_NE(std::find(recorder.codes.begin(), recorder.codes.end(), ChangeCode::MotorHp),
            recorder.codes.end());

  recorder.codes.clear();
  target.Copy_System(source);
  EXPECT_TRUE(recorder.codes.empty());

  target.Set_Identification("Other");
  EXPECT_FALSE(target.Same_System(source));
  target.Set_Identification("Supply fan");
  target.Set_UserOverride(1);
  EXPECT_FALSE(target.Same_System(source));

  target.Reset_System();
  EXPECT_EQ(target.MotorHp(), 0);
  EXPECT_EQ(target.Identification(), "");
  EXPECT_EQ(target.Quantity(), 0);
  EXPECT_EQ(target.AltRateAtPoint(10), 0);
  EXPECT_EQ(target.TimePercent(1), 0);
}

}  // namespace
}  // namespace korvane::model
