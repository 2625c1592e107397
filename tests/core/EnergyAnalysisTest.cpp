#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ReferenceSystem.h"

namespace korvane::model {
namespace {

using korvane::testing::addReferenceFan;
using korvane::testing::setFactoryFanCurves;
constexpr double kNever = std::numeric_limits<double>::infinity();

class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override { setFactoryFanCurves(project); }
  double point(Case c, PointQuantity q, int p) { return fan().Point_Value(c, q, p); }
  TVexEnergySystemAnalysis& fan(int i = 1) { return *project.Get_System(i); }

  EnergyModel model;
  TVexEnergyProjectAnalysis& project = model.project;
};

TEST_F(AnalysisTest, ReferenceFanMatchesTheWorkedExample) {
  addReferenceFan(project);
  EXPECT_EQ(fan().Annual_Hours(), 8760);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Load, 1), 20, 1e-9);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Input, 1), 16.184, 5e-4);
  EXPECT_EQ(point(Case::Drive, PointQuantity::CostPerHour, 1), 1.62);
  EXPECT_NEAR(point(Case::Present, PointQuantity::Input, 1), 15.699, 5e-4);
  EXPECT_EQ(point(Case::Present, PointQuantity::CostPerHour, 1), 1.57);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Input, 2), 11.798, 5e-4);
  EXPECT_NEAR(point(Case::Present, PointQuantity::Load, 2), 18.977, 5e-4);
  EXPECT_NEAR(point(Case::Present, PointQuantity::Input, 2), 14.896, 5e-4);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Hours, 1), 87.6, 1e-9);
  EXPECT_EQ(point(Case::Present, PointQuantity::Energy, 10), 0) << "a point never run";

  EXPECT_NEAR(fan().Annual_Energy(Case::Drive), 30316, 0.5);
  EXPECT_NEAR(fan().Annual_Energy(Case::Present), 100052, 0.5);
  EXPECT_NEAR(fan().Annual_Energy_Savings(), 69736, 0.5);
  EXPECT_NEAR(fan().Annual_Cost_Savings(), 6976.464, 5e-4);
  EXPECT_NEAR(fan().Peak_Demand_Reduction(), 3.097, 5e-4);
  EXPECT_EQ(fan().Total_Annual_Savings(), 6976);
  EXPECT_NEAR(fan().Annual_Co2(Case::Present), 70537, 1);
  EXPECT_NEAR(fan().Annual_Co2_Savings(),
              fan().Annual_Co2(Case::Present) - fan().Annual_Co2(Case::Drive), 1e-9);
  double saved = 0;
  for (int p = 1; p <= 10; ++p) saved += point(Case::Present, PointQuantity::EnergySaved, p);
  EXPECT_NEAR(saved, fan().Annual_Energy_Savings(), 1e-6);
  EXPECT_EQ(point(Case::Drive, PointQuantity::EnergySaved, 1), 0);
}

TEST_F(AnalysisTest, CashFlowAndPaybackOfTheReferenceFan) {
  addReferenceFan(project);
  auto net = [&](int row) { return fan().Cash_Flow(Case::Present, CashColumn::Net, row); };
  EXPECT_EQ(net(1), -3000);
  EXPECT_NEAR(net(2), 3976.46, 0.005);
  const double cumulative[] = {10952.93, 17929.39, 24905.86, 31882.32};
  for (int r = 3; r <= 6; ++r) EXPECT_NEAR(net(r), cumulative[r - 3], 0.005) << r;
  EXPECT_NEAR(net(7), 31882.32, 0.005);
  EXPECT_NEAR(fan().Payback(Case::Present), 3000 / 6976.464, 1e-6);
  EXPECT_EQ(fan().Payback(Case::Drive), kNever);
  EXPECT_EQ(fan().Cash_Flow(Case::Drive, CashColumn::Net, 1), 0);
  EXPECT_EQ(fan().Cash_Flow(Case::Present, CashColumn::DriveCost, 3), 0);
  EXPECT_EQ(fan().Cash_Flow(Case::Present, CashColumn::DriveCost, 7), 3000);
  EXPECT_NEAR(fan().Cash_Flow(Case::Present, CashColumn::EnergySavings, 7), 5 * 6976.464, 1e-3);
  EXPECT_EQ(fan().Cash_Flow(Case::Present, CashColumn::Net, 8), 0);
  EXPECT_EQ(fan().Cash_Flow(Case::Present, static_cast<CashColumn>(8), 1), 0);
  EXPECT_EQ(project.Total_Cash_Flow(static_cast<CashColumn>(-1), 1), 0);

  project.Set_CumulativePayback(0);
  for (int r = 3; r <= 6; ++r) EXPECT_NEAR(net(r), 6976.46, 0.005) << r;
  EXPECT_NEAR(net(7), 31882.32, 0.005);
}

TEST_F(AnalysisTest, IncentivesEnterTheCashFlowAndPayback) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  const double s = 6976.464;
  auto incentives = [&](int row) {
    return f.Cash_Flow(Case::Present, CashColumn::Incentives, row);
  };

  f.Set_PowerIncentive(100);  // per HP, one-time
  EXPECT_EQ(incentives(1), 2000);
  EXPECT_EQ(incentives(2), 2000);
  EXPECT_EQ(incentives(3), 0);
  EXPECT_EQ(incentives(7), 2000);
  EXPECT_NEAR(f.Payback(Case::Present), 1000 / s, 1e-6);

  f.Set_PowerIncentiveOneTime(0);  // the same every year
  EXPECT_EQ(incentives(1), 0);
  for (int r = 2; r <= 6; ++r) EXPECT_EQ(incentives(r), 2000) << r;
  EXPECT_EQ(incentives(7), 10000);
  EXPECT_NEAR(f.Payback(Case::Present), 3000 / (2000 + s), 1e-6);

  f.Set_PowerIncentiveOneTime(1);
  f.Set_IncentiveUnit(IncentiveUnit::PerSystem);
  f.Set_PowerIncentive(5000);
  EXPECT_EQ(incentives(1), 5000);
  EXPECT_EQ(f.Payback(Case::Present), 0) << "incentive above the cost pays back at once";

  f.Set_PowerIncentive(0);
  f.Set_UtilityIncentive(700);
  f.Set_IncentiveOneTime(0);
  EXPECT_EQ(incentives(1), 0);
  EXPECT_EQ(incentives(4), 700);
}

TEST_F(AnalysisTest, DemandSavingsAndRebateCountInYearOneOnly) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_DemandCharge(10);
  f.Set_DemandRebate(50);
  const double r = f.Peak_Demand_Reduction();
  EXPECT_NEAR(f.Annual_Demand_Savings(), r * 12 * 10, 1e-4);
  EXPECT_NEAR(f.Demand_Rebate(), r * 50, 1e-4);
  EXPECT_EQ(f.Total_Annual_Savings(),
            std::nearbyint(f.Annual_Cost_Savings()) + std::nearbyint(r * 120));
  auto demand = [&](int row) { return f.Cash_Flow(Case::Present, CashColumn::DemandSavings, row); };
  EXPECT_EQ(demand(1), 0);
  EXPECT_NEAR(demand(2), r * 120, 1e-4);
  EXPECT_EQ(demand(3), 0);
  EXPECT_NEAR(demand(7), r * 120, 1e-4);
  EXPECT_NEAR(f.Cash_Flow(Case::Present, CashColumn::Incentives, 2), r * 50, 1e-4);
  EXPECT_NEAR(f.Payback(Case::Present), (3000 - r * 50) / f.Annual_Cost_Savings(), 1e-9)
      << "demand savings stay out of the payback";

  f.Set_DemandUnit(DemandUnit::Kva);
  EXPECT_NEAR(f.Annual_Demand_Savings(), r / 0.98 * 120, 1e-4);
}

TEST_F(AnalysisTest, OperatingHoursAndRates) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_WeeksPerYear(51);
  EXPECT_EQ(f.Annual_Hours(), 8568);
  f.Set_HoursPerDay(65535);  // only a damaged file could hold this
  f.Set_DaysPerWeek(65535);
  f.Set_WeeksPerYear(65535);
  EXPECT_EQ(f.Annual_Hours(), std::numeric_limits<int>::max());
  f.Set_HoursPerYearMode(1);
  f.Set_HoursPerYear(4000);
  EXPECT_EQ(f.Annual_Hours(), 4000);

  f.Set_AlternateRate(0.05f);
  f.Set_AltRateAtPoint(1, 1);
  EXPECT_EQ(point(Case::Drive, PointQuantity::CostPerHour, 1), 0.81);
  EXPECT_EQ(point(Case::Present, PointQuantity::CostPerHour, 1), 0.78);
}

TEST_F(AnalysisTest, AcrossTheLineDrawsFullPowerAtThePointsRate) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_FlowControl(FlowControl::AcrossTheLine);
  f.Set_PresentAcrossTheLine(1);
  f.Set_AlternateRate(0.05f);
  f.Set_AltRateAtPoint(3, 1);
  const double full = 20 * 0.7457 / 0.95;
  for (int p = 1; p <= 10; ++p) {
    EXPECT_NEAR(point(Case::Present, PointQuantity::Input, p), full, 1e-9) << p;
    EXPECT_EQ(point(Case::Present, PointQuantity::Flow, p), 100);
  }
  EXPECT_EQ(point(Case::Present, PointQuantity::CostPerHour, 1), 1.57);
  // An off-peak point is off-peak for both cases.
  EXPECT_EQ(point(Case::Present, PointQuantity::CostPerHour, 3), RoundHalfAway(0.05f * full, 2));
  EXPECT_EQ(point(Case::Drive, PointQuantity::CostPerHour, 3),
            RoundHalfAway(0.05f * point(Case::Drive, PointQuantity::Input, 3), 2));
}

TEST_F(AnalysisTest, EveryPointOffPeakCostsAsTheAlternateRateAlone) {
  // Ticking every point must equal billing the whole year at the alternate
  // rate, whatever the present control; a drive that draws more never pays.
  for (FlowControl control : {FlowControl::OutletDamper, FlowControl::AcrossTheLine}) {
    SCOPED_TRACE(ToNumber(control));
    EnergyModel other;
    TVexEnergyProjectAnalysis& fresh = other.project;
    setFactoryFanCurves(fresh);
    TVexEnergySystemAnalysis& ticked = addReferenceFan(fresh);
    TVexEnergySystemAnalysis& plain = addReferenceFan(fresh);
    for (TVexEnergySystemAnalysis* s : {&ticked, &plain}) {
      s->Set_FlowControl(control);
      s->Set_PresentAcrossTheLine(control == FlowControl::AcrossTheLine ? 1 : 0);
    }
    ticked.Set_AlternateRate(0.06f);
    for (int p = 1; p <= 10; ++p) ticked.Set_AltRateAtPoint(p, 1);
    plain.Set_EnergyRate(0.06f);
    for (Case c : {Case::Drive, Case::Present}) {
      EXPECT_EQ(ticked.Annual_Cost(c), plain.Annual_Cost(c));
    }
    EXPECT_EQ(ticked.Payback(Case::Present), plain.Payback(Case::Present));
  }

  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_FlowControl(FlowControl::AcrossTheLine);
  f.Set_PresentAcrossTheLine(1);
  f.Set_AlternateRate(0.05f);
  for (int p = 1; p <= 10; ++p) {
    f.Set_AltRateAtPoint(p, 1);
    f.Set_TimePercent(p, p == 1 ? 100 : 0);
  }
  EXPECT_GT(f.Annual_Energy(Case::Drive), f.Annual_Energy(Case::Present));
  EXPECT_LT(f.Annual_Cost_Savings(), 0);
  EXPECT_EQ(f.Payback(Case::Present), kNever);
}

TEST_F(AnalysisTest, CurvesAreReadAtThePointsOwnFlow) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  // A drive curve that falls 2 % per step shows which of its values is read.
  for (int p = 1; p <= 10; ++p) project.Set_Curve(1, 1, p, 99 - 2 * p);
  struct Row {
    std::uint16_t flow;
    double present;  // outlet damper
    double drive;    // %
  };
  const Row rows[] = {
      {100, 1, 97},
      {95, (1 + 0.7683) / 2, 96},
      {90, 0.7683, 95},
      {57, 0.1767 + (0.2789 - 0.1767) * 0.7, 88.4},
      {12, 0.0033 + (0.0179 - 0.0033) * 0.2, 79.4},
      {10, 0.0033, 79},
      {5, 0.0033, 79},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.flow);
    f.Set_FlowPercent(1, row.flow);
    const double q = row.flow / 100.0;
    const double cube = 20 * q * q * q;
    EXPECT_NEAR(point(Case::Present, PointQuantity::Load, 1), cube / row.present, 1e-9);
    EXPECT_NEAR(point(Case::Drive, PointQuantity::Input, 1),
                cube * 0.7457 / (0.95 * row.drive / 100), 1e-9);
  }
}

TEST_F(AnalysisTest, TheOrderOfTheDutyRowsDoesNotMatter) {
  TVexEnergySystemAnalysis& standard = addReferenceFan(project);
  TVexEnergySystemAnalysis& reversed = addReferenceFan(project);
  for (TVexEnergySystemAnalysis* s : {&standard, &reversed}) s->Set_MotorHp(40);
  for (int p = 1; p <= 10; ++p) {
    reversed.Set_FlowPercent(p, standard.FlowPercent(11 - p));
    reversed.Set_TimePercent(p, standard.TimePercent(11 - p));
  }
  EXPECT_EQ(reversed.Point_Value(Case::Present, PointQuantity::Input, 10),
            standard.Point_Value(Case::Present, PointQuantity::Input, 1))
      << "the 100 % row draws full power wherever it stands";
  for (Case c : {Case::Drive, Case::Present}) {
    EXPECT_NEAR(reversed.Annual_Energy(c), standard.Annual_Energy(c), 1e-6);
    EXPECT_NEAR(reversed.Annual_Cost(c), standard.Annual_Cost(c), 1e-6);
  }
  EXPECT_NEAR(reversed.Peak_Demand_Reduction(), standard.Peak_Demand_Reduction(), 1e-9);
  EXPECT_NEAR(reversed.Payback(Case::Present), standard.Payback(Case::Present), 1e-12);
}

TEST_F(AnalysisTest, SystemAndProjectPaybackFollowOneRule) {
  // One system alone: the project pays back exactly as the system does, with
  // one-time money off the investment and yearly incentives added to savings.
  struct Row {
    const char* name;
    float powerIncentive;
    std::uint8_t powerOnce;
    float utilityIncentive;
    std::uint8_t utilityOnce;
    float demandRebate;
    FlowControl control;  // the outlet damper, or an ideal custom control
    double oneTime;
    double yearly;
  };
  constexpr auto kDamper = FlowControl::OutletDamper;
  constexpr auto kIdeal = FlowControl::Custom1;
  const Row rows[] = {
      {"nothing", 0, 1, 0, 1, 0, kDamper, 0, 0},
      {"motor power once", 100, 1, 0, 1, 0, kDamper, 2000, 0},
      {"motor power yearly", 100, 0, 0, 1, 0, kDamper, 0, 2000},
      {"utility yearly", 0, 1, 700, 0, 0, kDamper, 0, 700},
      {"utility once, motor power yearly", 100, 0, 700, 1, 0, kDamper, 700, 2000},
      {"rebate with a yearly incentive", 100, 0, 0, 1, 50, kDamper, -1, 2000},
      {"once above the cost", 300, 1, 0, 1, 0, kDamper, 6000, 0},
      {"losing drive kept by yearly money", 200, 0, 0, 1, 0, kIdeal, 0, 4000},
      {"losing drive", 100, 1, 0, 1, 0, kIdeal, 2000, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EnergyModel other;
    TVexEnergyProjectAnalysis& one = other.project;
    setFactoryFanCurves(one);
    for (int p = 1; p <= 10; ++p) one.Set_Curve(1, 5, p, 1.0);
    TVexEnergySystemAnalysis& f = addReferenceFan(one);
    f.Set_FlowControl(row.control);
    f.Set_PowerIncentive(row.powerIncentive);
    f.Set_PowerIncentiveOneTime(row.powerOnce);
    f.Set_UtilityIncentive(row.utilityIncentive);
    f.Set_IncentiveOneTime(row.utilityOnce);
    f.Set_DemandRebate(row.demandRebate);
    f.Set_Quantity(3);

    const double oneTime = row.oneTime >= 0 ? row.oneTime : f.Demand_Rebate();
    const double s = f.Annual_Cost_Savings();
    const double returns = s + row.yearly;
    const double expected = returns <= 0      ? kNever
                            : oneTime >= 3000 ? 0
                                              : (3000 - oneTime) / returns;
    EXPECT_DOUBLE_EQ(f.Payback(Case::Present), expected);
    EXPECT_DOUBLE_EQ(one.Project_Payback(), f.Payback(Case::Present));

    // The payback counts what the cash flow pays out.
    auto incentives = [&](int r) { return f.Cash_Flow(Case::Present, CashColumn::Incentives, r); };
    EXPECT_DOUBLE_EQ(f.One_Time_Incentives(), incentives(2) - incentives(3));
    EXPECT_DOUBLE_EQ(f.Yearly_Incentives(), incentives(3));
  }
}

TEST_F(AnalysisTest, ProjectPaybackSumsTheSystemsTerms) {
  TVexEnergySystemAnalysis& first = addReferenceFan(project);
  TVexEnergySystemAnalysis& second = addReferenceFan(project);
  first.Set_Quantity(2);
  first.Set_PowerIncentive(50);  // 1000 a year each
  first.Set_PowerIncentiveOneTime(0);
  second.Set_MotorHp(40);
  second.Set_DriveCost(5000);
  second.Set_InstallCost(1000);
  second.Set_PowerIncentive(25);  // 1000 once
  second.Set_DemandRebate(40);

  const double s = 2 * first.Annual_Cost_Savings() + second.Annual_Cost_Savings();
  const double investment = 2 * 3000 + 6000 - (1000 + second.Demand_Rebate());
  EXPECT_NEAR(project.Project_Payback(), investment / (s + 2 * 1000), 1e-12);
}

TEST_F(AnalysisTest, DriveMotorEfficiencyReplacesTheMotorEfficiency) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_DriveMotorEfficiency(90);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Input, 1), 20 * 0.7457 / (0.9 * 0.97), 1e-9);
  EXPECT_NEAR(point(Case::Present, PointQuantity::Input, 1), 20 * 0.7457 / 0.95, 1e-9);
}

TEST_F(AnalysisTest, NoDemandReductionWhenTheDriveNeverDrawsLess) {
  // An ideal present control beats a 97 % drive at every point.
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  f.Set_FlowControl(FlowControl::Custom1);  // ideal
  for (int p = 1; p <= 10; ++p) project.Set_Curve(1, 5, p, 1.0);
  f.Set_DemandCharge(10);
  EXPECT_EQ(f.Peak_Demand_Reduction(), 0);
  EXPECT_EQ(f.Annual_Demand_Savings(), 0);
  EXPECT_LT(f.Annual_Cost_Savings(), 0);
  EXPECT_EQ(f.Payback(Case::Present), kNever);
}

TEST_F(AnalysisTest, ZeroCurveOrEfficiencyDrawsNoPower) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  EXPECT_GT(point(Case::Present, PointQuantity::Input, 2), 0);
  project.Set_Curve(1, 4, 2, 0);
  EXPECT_EQ(point(Case::Present, PointQuantity::Load, 2), 0);
  EXPECT_EQ(point(Case::Present, PointQuantity::Input, 2), 0) << "never the earlier value";

  f.Set_MotorEfficiency(0);
  for (int p = 1; p <= 10; ++p) {
    EXPECT_EQ(point(Case::Drive, PointQuantity::Input, p), 0);
    EXPECT_EQ(point(Case::Present, PointQuantity::Input, p), 0);
  }
  EXPECT_TRUE(std::isfinite(f.Annual_Cost_Savings()));
}

TEST_F(AnalysisTest, ResultsFollowEveryChangeTheyDependOn) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  const double cost = f.Annual_Cost(Case::Present);
  f.Set_MotorFla(40);
  EXPECT_TRUE(f.Has_Results()) << "display-only fields keep the results";
  f.Set_EnergyRate(0.2f);
  EXPECT_NEAR(f.Annual_Cost(Case::Present), 2 * cost, 10) << "cost per hour is rounded to cents";
  project.Set_Co2Source(1);
  EXPECT_NEAR(f.Annual_Co2(Case::Present), f.Annual_Energy(Case::Present) * 0.419, 1e-6);
  project.Set_Co2Source(3);
  EXPECT_EQ(f.Co2_Factor(), 1.0);
  f.Set_MotorKw(7.46f);
  EXPECT_NEAR(point(Case::Drive, PointQuantity::Load, 1), 10, 1e-5);
}

TEST_F(AnalysisTest, QuantityMultipliesOnlyTheQtyFigures) {
  TVexEnergySystemAnalysis& f = addReferenceFan(project);
  const double energy = f.Annual_Energy(Case::Present);
  const double net = f.Cash_Flow(Case::Present, CashColumn::Net, 4);
  f.Set_Quantity(3);
  EXPECT_EQ(f.Annual_Energy(Case::Present), energy);
  EXPECT_EQ(f.Annual_Energy_Qty(Case::Present), 3 * energy);
  EXPECT_EQ(f.Cash_Flow_Qty(Case::Present, CashColumn::Net, 4), 3 * net);
  EXPECT_EQ(f.Point_Value_Qty(Case::Drive, PointQuantity::Input, 1),
            3 * f.Point_Value(Case::Drive, PointQuantity::Input, 1));
  EXPECT_EQ(f.Payback(Case::Present), 3000 / f.Annual_Cost_Savings());
}

TEST_F(AnalysisTest, ProjectTotalsWeighEachSystemByItsQuantity) {
  TVexEnergySystemAnalysis& first = addReferenceFan(project);
  TVexEnergySystemAnalysis& second = addReferenceFan(project);
  first.Set_Quantity(2);
  second.Set_MotorHp(40);
  second.Set_DriveCost(5000);
  second.Set_InstallCost(1000);

  auto weighted = [&](auto figure) { return 2 * figure(first) + figure(second); };
  EXPECT_NEAR(project.Total_Annual_Energy(Case::Present),
              weighted([](auto& s) { return s.Annual_Energy(Case::Present); }), 1e-6);
  EXPECT_NEAR(project.Total_Annual_Cost_Savings(),
              weighted([](auto& s) { return s.Annual_Cost_Savings(); }), 1e-6);
  EXPECT_NEAR(project.Total_Cash_Flow(CashColumn::TotalCost, 2), 2 * 3000 + 6000, 1e-9);
  EXPECT_NEAR(project.Total_Cash_Flow(CashColumn::Net, 7),
              weighted([](auto& s) { return s.Cash_Flow(Case::Present, CashColumn::Net, 7); }),
              1e-6);
  EXPECT_EQ(project.Total_Cash_Flow(CashColumn::TotalSavings, 2), 0);
  EXPECT_NEAR(project.Project_Payback(), 12000 / project.Total_Annual_Cost_Savings(), 1e-9);

  // A change to one system reaches the totals.
  const double before = project.Total_Annual_Energy(Case::Drive);
  second.Set_Quantity(2);
  EXPECT_NEAR(project.Total_Annual_Energy(Case::Drive), before + second.Annual_Energy(Case::Drive),
              1e-6);
  project.Set_System_Count(1);
  EXPECT_NEAR(project.Total_Annual_Energy(Case::Drive), 2 * first.Annual_Energy(Case::Drive), 1e-6);
}

TEST_F(AnalysisTest, AnEmptyProjectNeverPaysBack) {
  EXPECT_EQ(project.Total_Annual_Energy(Case::Present), 0);
  EXPECT_EQ(project.Project_Payback(), kNever);
}

}  // namespace
}  // namespace korvane::model
