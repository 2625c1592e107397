#include <gtest/gtest.h>

#include "ReferenceSystem.h"
#include "model/FeatureSwitchesForTests.h"
#include "model/ResultSlots.h"

namespace korvane::model {
namespace {

using korvane::testing::addReferenceFan;
using korvane::testing::setFactoryFanCurves;

class ResultSlotsTest : public ::testing::Test {
 protected:
  void SetUp() override { setFactoryFanCurves(project); }
  const std::string& write(int i = 1) {
    EXPECT_TRUE(Write_System_Slots(project, i, display, slots));
    return slots.Text(0);
  }

  EnergyModel model;
  TVexEnergyProjectAnalysis& project = model.project;
  ResultDisplay display;
  ResultSlotTable slots;
};

TEST_F(ResultSlotsTest, EverySlotReadsNotAvailableBeforeAnyCalculation) {
  for (int slot = 0; slot < kResultSlotCount; ++slot) {
    EXPECT_EQ(slots.Text(slot), "N/A");
    EXPECT_EQ(slots.Colour(slot), SlotColour::WindowText);
  }
  EXPECT_FALSE(Write_System_Slots(project, 1, display, slots)) << "no system defined";
  EXPECT_EQ(slots.Text(13), "N/A");
}

TEST_F(ResultSlotsTest, ReferenceFanTexts) {
  addReferenceFan(project);
  write();
  const std::pair<int, const char*> expected[] = {
      {2, "N/A"},
      {3,
       "Carbon Dioxide (CO2) savings estimation based on electricity produced from Coal at 0.705 "
       "of CO2/Lbs"},
      {4, "0 %"},
      {5, "$ 3,000"},
      {7, "35.27 Ton(s)"},
      {13, "100,052 kWh"},
      {14, "30,316 kWh"},
      {16, "100,052 kWh"},
      {19, "0.430 Years"},
      {24, "$ 6,976"},
      {27, "$ 6,976"},
      {29, "69,736 kWh"},
      {32, "$ 0"},
      {34, "Flow Control:"},
      {35, "Outlet Damper"},
      {37, "95 %"},
      {39, "20 HP"},
      {41, "1"},
      {42, "8,760 Hrs"},
      {45, "Hours per Day:"},
      {46, "24 hours"},
      {47, "52 weeks"},
      {48, "Cumulative (Zero-crossing indicates breakeven point)"},
      {49, "$ 3,000"},
      {55, "$ 31,882"},
      {56, "$ 3,976"},
      {57, "$ 10,953"},
      {60, "$ 31,882"},
      {61, "$ 34,882"},
      {76, "<No Name>: 001"},
      {77, "Fan System"},
      {78, "$ 0 per HP; One-time"},
      {80, "Weight Units: English"},
  };
  for (auto [slot, text] : expected) EXPECT_EQ(slots.Text(slot), text) << "slot " << slot;
  EXPECT_EQ(slots.Colour(19), SlotColour::Blue);
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
  EXPECT_EQ(slots.Text(13), "100 MWh");
  EXPECT_EQ(slots.Text(14), "30 MWh");
  EXPECT_EQ(slots.Text(7), "32.02 Ton(s)");
  EXPECT_EQ(slots.Text(5), "€ 3,000");
  EXPECT_EQ(slots.Text(39), "14.9 kW");
  EXPECT_EQ(slots.Text(6), "0 kPa");
  EXPECT_EQ(slots.Text(80), "Weight Units: Metric");

  // Below a ton the weight unit stays.
  project.Get_System(1)->Set_HoursPerYearMode(1);
  project.Get_System(1)->Set_HoursPerYear(10);
  write();
  EXPECT_EQ(slots.Text(7), "36.55 Kg");
  EXPECT_EQ(slots.Text(13), "114 kWh");
  EXPECT_EQ(slots.Text(45), "Hours per Year:");
  EXPECT_EQ(slots.Text(46), "10 hours");
}

TEST_F(ResultSlotsTest, QuantityAndProjectSlots) {
  addReferenceFan(project);
  TVexEnergySystemAnalysis& second = addReferenceFan(project);
  second.Set_Identification("Return fan");
  second.Set_Quantity(3);
  write(2);
  EXPECT_EQ(slots.Text(76), "Return fan");
  EXPECT_EQ(slots.Text(13), "100,052 kWh");
  EXPECT_EQ(slots.Text(15), "300,156 kWh");
  EXPECT_EQ(slots.Text(16), "400,208 kWh");
  EXPECT_EQ(slots.Text(25), "$ 20,928");
  EXPECT_EQ(slots.Text(26), "$ 27,904");
  EXPECT_EQ(slots.Text(51), "$ 9,000");
  EXPECT_EQ(slots.Text(50), "$ 12,000");
  EXPECT_EQ(slots.Text(43), "26,280 Hrs");
  EXPECT_EQ(slots.Text(20), "0.430 Years");

  UpdateSystemsAggregates(project, 0, display, slots);
  EXPECT_EQ(slots.Text(0), "2");
  EXPECT_EQ(slots.Text(1), "40 HP");
  UpdateSystemsAggregates(project, 1, display, slots);
  EXPECT_EQ(slots.Text(0), "0");
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
    Write_Payback_Slot(slots, 19, years);
    EXPECT_EQ(slots.Text(19), text);
    EXPECT_EQ(slots.Colour(19), colour) << text;
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
  EXPECT_EQ(slots.Text(76), "<No Name>: 007");

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

  fan.Set_ApplicationType(1);
  fan.Set_FlowControl(0);
  EXPECT_EQ(GetSystemFlowControl(project, 1, display), "Throttling Valve");
  fan.Set_FlowControl(1);  // no such pump control
  write(1);
  EXPECT_EQ(slots.Text(34), "");
  EXPECT_EQ(slots.Text(35), "");
  fan.Set_ApplicationType(2);
  EXPECT_EQ(GetSystemFlowControl(project, 1, display), "Bypass");
  display.customTitles = {"Bypass damper", ""};
  fan.Set_ApplicationType(0);
  fan.Set_FlowControl(2);
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
