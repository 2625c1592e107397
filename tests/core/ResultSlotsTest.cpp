#include <gtest/gtest.h>

#include "ReferenceSystem.h"
#include "model/FeatureSwitchesForTests.h"
#include "model/ResultSlots.h"

namespace korvane::model {
namespace {

using korvane::testing::addReferenceFan;
using korvane::testing::setFactoryFanCurves;
using Slot = ResultSlot;

class ResultSlotsTest : public ::testing::Test {
 protected:
  void SetUp() override { setFactoryFanCurves(project); }
  void write(int i = 1) { EXPECT_TRUE(Write_System_Slots(project, i, display, slots)); }

  EnergyModel model;
  TVexEnergyProjectAnalysis& project = model.project;
  ResultDisplay display;
  ResultSlotTable slots;
};

TEST_F(ResultSlotsTest, EverySlotReadsNotAvailableBeforeAnyCalculation) {
  for (ResultSlot slot : kAllResultSlots) {
    EXPECT_EQ(slots.Text(slot), "N/A");
    EXPECT_EQ(slots.Colour(slot), SlotColour::WindowText);
  }
  EXPECT_FALSE(Write_System_Slots(project, 1, display, slots)) << "no system defined";
  EXPECT_EQ(slots.Text(Slot::EnergyPresent), "N/A");
}

TEST_F(ResultSlotsTest, ReferenceFanTexts) {
  addReferenceFan(project);
  write();
  const std::pair<ResultSlot, const char*> expected[] = {
      {Slot::CatalogNumber, "N/A"},
      {Slot::Co2Basis,
       "Carbon Dioxide (CO2) savings estimation based on electricity produced from Coal at 0.705 "
       "of CO2/Lbs"},
      {Slot::DriveMotorEfficiency, "0 %"},
      {Slot::DriveCost, "$ 3,000"},
      {Slot::Co2Present, "35.27 Ton(s)"},
      {Slot::EnergyPresent, "100,052 kWh"},
      {Slot::EnergyDrive, "30,316 kWh"},
      {Slot::ProjectEnergyPresent, "100,052 kWh"},
      {Slot::Payback, "0.430 Years"},
      {Slot::TotalSavings, "$ 6,976"},
      {Slot::CostSavings, "$ 6,976"},
      {Slot::EnergySavings, "69,736 kWh"},
      {Slot::DemandSavings, "$ 0"},
      {Slot::FlowControlCaption, "Flow Control:"},
      {Slot::FlowControl, "Outlet Damper"},
      {Slot::MotorEfficiency, "95 %"},
      {Slot::MotorPower, "20 HP"},
      {Slot::Quantity, "1"},
      {Slot::AnnualHours, "8,760 Hrs"},
      {Slot::HoursCaption, "Hours per Day:"},
      {Slot::Hours, "24 hours"},
      {Slot::WeeksPerYear, "52 weeks"},
      {Slot::PaybackDisplay, "Cumulative (Zero-crossing indicates breakeven point)"},
      {Slot::DriveCostTotalQty, "$ 3,000"},
      {Slot::NetCashTotalQty, "$ 31,882"},
      {Slot::NetCashYear1Qty, "$ 3,976"},
      {Slot::NetCashYear2Qty, "$ 10,953"},
      {Slot::NetCashYear5Qty, "$ 31,882"},
      {Slot::EnergyCostTotalQty, "$ 34,882"},
      {Slot::Identification, "<No Name>: 001"},
      {Slot::SystemType, "Fan System"},
      {Slot::PowerIncentive, "$ 0 per HP; One-time"},
      {Slot::WeightUnits, "Weight Units: English"},
  };
  for (auto [slot, text] : expected) EXPECT_EQ(slots.Text(slot), text) << "slot " << ToNumber(slot);
  EXPECT_EQ(slots.Colour(Slot::Payback), SlotColour::Blue);
}

TEST_F(ResultSlotsTest, UnitsFollowThePreferences) {
  addReferenceFan(project);
  display.automaticPowerUnit = true;
  display.metricUnits = true;
  display.weightLabel = "Kg";
  display.currencySymbol = "€";
  display.thousandsSeparator = ".";  // German grouping: not with the decimal point
  project.Set_Co2Coal(0.320);
  project.Set_PowerInKw(1);
  write();
  EXPECT_EQ(slots.Text(Slot::EnergyPresent), "100 MWh");
  EXPECT_EQ(slots.Text(Slot::EnergyDrive), "30 MWh");
  EXPECT_EQ(slots.Text(Slot::Co2Present), "32.02 Ton(s)");
  EXPECT_EQ(slots.Text(Slot::DriveCost), "€ 3,000");
  EXPECT_EQ(slots.Text(Slot::MotorPower), "14.9 kW");
  EXPECT_EQ(slots.Text(Slot::MinimumHead), "0 kPa");
  EXPECT_EQ(slots.Text(Slot::WeightUnits), "Weight Units: Metric");

  // Below a ton the weight unit stays.
  project.Get_System(1)->Set_HoursPerYearMode(1);
  project.Get_System(1)->Set_HoursPerYear(10);
  write();
  EXPECT_EQ(slots.Text(Slot::Co2Present), "36.55 Kg");
  EXPECT_EQ(slots.Text(Slot::EnergyPresent), "114 kWh");
  EXPECT_EQ(slots.Text(Slot::HoursCaption), "Hours per Year:");
  EXPECT_EQ(slots.Text(Slot::Hours), "10 hours");
}

TEST_F(ResultSlotsTest, QuantityAndProjectSlots) {
  addReferenceFan(project);
  TVexEnergySystemAnalysis& second = addReferenceFan(project);
  second.Set_Identification("Return fan");
  second.Set_Quantity(3);
  write(2);
  EXPECT_EQ(slots.Text(Slot::Identification), "Return fan");
  EXPECT_EQ(slots.Text(Slot::EnergyPresent), "100,052 kWh");
  EXPECT_EQ(slots.Text(Slot::EnergyPresentQty), "300,156 kWh");
  EXPECT_EQ(slots.Text(Slot::ProjectEnergyPresent), "400,208 kWh");
  EXPECT_EQ(slots.Text(Slot::TotalSavingsQty), "$ 20,928");
  EXPECT_EQ(slots.Text(Slot::ProjectTotalSavings), "$ 27,904");
  EXPECT_EQ(slots.Text(Slot::DriveCostYear1Qty), "$ 9,000");
  EXPECT_EQ(slots.Text(Slot::ProjectDriveCostTotal), "$ 12,000");
  EXPECT_EQ(slots.Text(Slot::AnnualHoursQty), "26,280 Hrs");
  EXPECT_EQ(slots.Text(Slot::ProjectPayback), "0.430 Years");

  UpdateSystemsAggregates(project, ApplicationType::Fan, display, slots);
  EXPECT_EQ(slots.Text(Slot::SystemsOfType), "2");
  EXPECT_EQ(slots.Text(Slot::PowerOfType), "40 HP");
  UpdateSystemsAggregates(project, ApplicationType::Pump, display, slots);
  EXPECT_EQ(slots.Text(Slot::SystemsOfType), "0");
}

TEST_F(ResultSlotsTest, PaybackTexts) {
  const std::tuple<double, const char*, SlotColour> cases[] = {
      {std::numeric_limits<double>::infinity(), "Never", SlotColour::Red},
      {5.01, "> 5 Years", SlotColour::Blue},
      {5.0, "5.000 Years", SlotColour::Blue},
      {0.43, "0.430 Years", SlotColour::Blue},
      {0.0005, "0.001 Years", SlotColour::Blue},
      {0.0, "Immediately", SlotColour::Blue},
  };
  for (auto [years, text, colour] : cases) {
    Write_Payback_Slot(slots, Slot::Payback, years);
    EXPECT_EQ(slots.Text(Slot::Payback), text);
    EXPECT_EQ(slots.Colour(Slot::Payback), colour) << text;
  }
}

TEST_F(ResultSlotsTest, NumberFormats) {
  EXPECT_EQ(FormatPlain(95), "95");
  EXPECT_EQ(FormatPlain(14.92), "14.9");
  EXPECT_EQ(FormatPlain(0.05), "0.1");
  EXPECT_EQ(FormatGrouped(31882, 0, ","), "31,882");
  EXPECT_EQ(FormatGrouped(6976.464, 2, ","), "6,976.46");
  EXPECT_EQ(FormatGrouped(1234567890123.0, 0, ","), "1234,567,890,123");
  EXPECT_EQ(FormatGrouped(-3000, 0, ","), "-3,000");
}

TEST_F(ResultSlotsTest, SystemTextsAndDutyRows) {
  TVexEnergySystemAnalysis& fan = addReferenceFan(project);
  for (int i = 2; i <= 7; ++i) addReferenceFan(project);
  write(7);
  EXPECT_EQ(slots.Text(Slot::Identification), "<No Name>: 007");

  fan.Set_CatalogNumber("KV-200");
  fan.Set_VoltageClass(2);
  fan.Set_AltRateAtPoint(2, 1);
  EXPECT_EQ(GetSystemCatalogNumber(project, 1), "KV-200");
  EXPECT_EQ(GetSystemVoltageValue(project, 1), 480);
  fan.Set_VoltageClass(5);
  EXPECT_EQ(GetSystemVoltageValue(project, 1), 0);
  EXPECT_EQ(GetSystemType(project, 251), "N/A");
  const auto rows = System_Duty_Rows(project, 1);
  EXPECT_EQ(rows[0].rate, "Normal");
  EXPECT_EQ(rows[1].rate, "Off-Peak/Alternate");
  EXPECT_EQ(rows[1].flow, "90");
  EXPECT_EQ(rows[4].time, "24");

  fan.Set_ApplicationType(ApplicationType::Pump);
  fan.Set_FlowControl(FlowControl::InletVaneOrValve);
  EXPECT_EQ(GetSystemFlowControl(project, 1, display), "Throttling Valve");
  fan.Set_FlowControl(FlowControl::OutletDamper);  // no such pump control
  write(1);
  EXPECT_EQ(slots.Text(Slot::FlowControlCaption), "");
  EXPECT_EQ(slots.Text(Slot::FlowControl), "");
  fan.Set_ApplicationType(ApplicationType::CoolingTower);
  EXPECT_EQ(GetSystemFlowControl(project, 1, display), "Bypass");
  display.customTitles = {"Bypass damper", ""};
  fan.Set_ApplicationType(ApplicationType::Fan);
  fan.Set_FlowControl(FlowControl::Custom1);
  EXPECT_EQ(GetSystemFlowControl(project, 1, display), "Bypass damper");
}

TEST_F(ResultSlotsTest, RebatePanelShowsForYearlyIncentivesTheEditionOffers) {
  TVexEnergySystem system;
  system.Set_IncentiveOneTime(0);
  system.Set_PowerIncentiveOneTime(1);
  EXPECT_FALSE(Rebate_Panel_Visible(system)) << "this edition has no utility incentive";
  {
    korvane::model::testing::ScopedFeatureWord everything(0);
    EXPECT_TRUE(Rebate_Panel_Visible(system));
  }
  system.Set_PowerIncentiveOneTime(0);
  EXPECT_TRUE(Rebate_Panel_Visible(system));
}

}  // namespace
}  // namespace korvane::model
