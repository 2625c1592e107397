#include <gtest/gtest.h>

#include "Fakes.h"
#include "calculators/FormulaCalculator.h"

namespace korvane::calculators {
namespace {

using korvane::testing::FakeAlertSound;
using korvane::testing::FakeMessageSink;

struct Example {
  UnitSystem units;
  Calculator calculator;
  std::vector<std::pair<std::string, double>> inputs;
  int pressureUnit;
  int selection;
  std::string result;
  std::string expected;
};

TEST(FormulaCalculator, WorkedExamples) {
  const auto E = UnitSystem::English;
  const auto M = UnitSystem::Metric;
  const Example examples[] = {
      {E,
       Calculator::Fan,
       {{"F1", 10000}, {"FANPRESS", 2}, {"FANEFF1", 0.65}},
       2,
       0,
       "FANHP",
       "4.84 HP"},
      {E,
       Calculator::Fan,
       {{"F1", 10000}, {"FANPRESS", 2}, {"FANEFF1", 0.65}},
       0,
       0,
       "FANHP",
       "0.93 HP"},
      {E,
       Calculator::Pump,
       {{"GPM", 100}, {"PUMPPRES", 50}, {"GRAVITY1", 1}, {"PUMPEFF1", 0.7}, {"FANEFF1", 0.2}},
       1,
       0,
       "PUMPHP",
       "4.17 HP"},
      {E,
       Calculator::Pump,
       {{"GPM", 100}, {"PUMPPRES", 115.5}, {"GRAVITY1", 1}, {"PUMPEFF1", 0.7}},
       0,
       0,
       "PUMPHP",
       "4.17 HP"},
      {E,
       Calculator::RotatingObjects,
       {{"TRQ1", 100}, {"SPEED1", 1750}},
       0,
       0,
       "ROTHP",
       "33.32 HP"},
      {E, Calculator::LinearMotion, {{"TRQ2", 1000}, {"VELO", 330}}, 0, 0, "LINEARHP", "10.00 HP"},
      {E,
       Calculator::TorqueFromPower,
       {{"HP1", 20}, {"SPEED2", 1750}},
       0,
       0,
       "TRQ1CALC",
       "60.02 LbFt"},
      {E, Calculator::TorqueFromPower, {{"HP1", 20}, {"SPEED2", 0}}, 0, 0, "TRQ1CALC", "Error!"},
      {E,
       Calculator::TorqueFromForce,
       {{"FORCE1", 50}, {"RAD", 1.5}},
       0,
       0,
       "TRQCALC2",
       "75.00 LbFt"},
      {E,
       Calculator::AccelerationTorque,
       {{"FLT", 60}, {"BDT", 150}, {"LRT", 120}},
       0,
       0,
       "TRQCALC3",
       "125.00 LbFt"},
      {E, Calculator::SynchronousSpeed, {{"FREQ", 60}, {"POLES", 3}}, 0, 0, "SPD", "1,800.00 RPM"},
      {E, Calculator::SynchronousSpeed, {{"FREQ", 50}, {"POLES", 0}}, 0, 0, "SPD", "3,000.00 RPM"},
      {E, Calculator::Slip, {{"SYNCSPEED", 1800}, {"FULLSPEED", 1750}}, 0, 0, "SLIP", "2.78 %"},
      {E, Calculator::Slip, {{"SYNCSPEED", 0}, {"FULLSPEED", 0}}, 0, 0, "SLIP", "Error!"},
      {E, Calculator::Resistance, {{"VOLTS", 480}, {"AMPS", 0}}, 0, 0, "O1", "Error"},
      {E, Calculator::Resistance, {{"VOLTS", 480}, {"AMPS", 24}}, 0, 0, "O1", "20.00 Ohm(s)"},
      {E, Calculator::Current, {{"VOLTS2", 230}, {"RES1", 46}}, 0, 0, "O2", "5.00 Amp(s)"},
      {E, Calculator::Voltage, {{"AMPS2", 2}, {"RES2", 10}}, 0, 0, "O3", "20.00 Volt(s)"},
      {E,
       Calculator::ThreePhase,
       {{"VOLT5", 460}, {"HP5", 20}, {"PF5", 0.85}, {"EFF5", 0.9}},
       0,
       0,
       "ACC",
       "24.48 A."},
      {E,
       Calculator::ThreePhase,
       {{"VOLT5", 460}, {"CURR5", 27}, {"HP5", 20}, {"PF5", 0.85}},
       0,
       1,
       "ACC",
       "0.82"},
      {E,
       Calculator::ThreePhase,
       {{"VOLT5", 460}, {"CURR5", 27}, {"HP5", 20}, {"EFF5", 0.9}},
       0,
       2,
       "ACC",
       "0.77"},
      {E,
       Calculator::ThreePhase,
       {{"VOLT5", 460}, {"CURR5", 27}, {"PF5", 0.85}, {"EFF5", 0.9}},
       0,
       3,
       "ACC",
       "22.06 HP"},
      {E,
       Calculator::ThreePhase,
       {{"VOLT5", 460}, {"CURR5", 27}, {"PF5", 0.85}},
       0,
       4,
       "ACC",
       "18.28 kW"},
      {E, Calculator::ThreePhase, {{"VOLT5", 460}, {"CURR5", 27}}, 0, 5, "ACC", "21.51 KVA"},
      {E, Calculator::ThreePhase, {}, 0, 0, "ACC", " Error"},
      {M,
       Calculator::AccelerationTorque,
       {{"FLT", 100}, {"BDT", 100}, {"LRT", 100}},
       0,
       0,
       "TRQCALC3",
       "100.00 Nm"},
      {M,
       Calculator::TorqueFromPower,
       {{"HP1", 15}, {"SPEED2", 1450}},
       0,
       0,
       "TRQ1CALC",
       "98.78 Nm"},
      {M,
       Calculator::TorqueFromForce,
       {{"FORCE1", 100}, {"RAD", 0.5}},
       0,
       0,
       "TRQCALC2",
       "50.00 Nm"},
      {M,
       Calculator::RotatingObjects,
       {{"TRQ1", 100}, {"SPEED1", 1450}},
       0,
       0,
       "ROTHP",
       "15.18 kW"},
      {M, Calculator::LinearMotion, {{"TRQ2", 1000}, {"VELO", 60}}, 0, 0, "LINEARHP", "1.00 kW"},
      {M,
       Calculator::Fan,
       {{"F1", 100}, {"FANPRESS", 1000}, {"FANEFF1", 0.7}},
       1,
       0,
       "FANHP",
       "2.38 kW"},
      {M,
       Calculator::Pump,
       {{"GPM", 1}, {"PUMPPRES", 100}, {"GRAVITY1", 1}, {"PUMPEFF1", 0.7}},
       2,
       0,
       "PUMPHP",
       "2.38 kW"},
  };
  for (const Example& e : examples) {
    FakeMessageSink messages;
    FormulaCalculator calc(e.units, {});
    for (const auto& [field, value] : e.inputs) calc.Set_Value(field, value);
    calc.Set_Pressure_Unit(e.calculator, e.pressureUnit);
    calc.Set_Three_Phase_Selection(e.selection);
    calc.Compute(e.calculator, messages);
    EXPECT_EQ(calc.Result(e.result), e.expected)
        << e.result << (e.units == UnitSystem::Metric ? " (metric)" : "");
  }
}

TEST(FormulaCalculator, InputRulesOnLeavingAField) {
  FakeMessageSink messages;
  FakeAlertSound alert;
  FormulaCalculator calc(UnitSystem::English, {});
  calc.Set_Text("FANEFF1", "0");
  calc.Field_Left("FANEFF1", alert, messages);
  EXPECT_EQ(calc.Field_Text("FANEFF1"), "0.10");
  calc.Set_Text("PF5", "1.5");
  calc.Field_Left("PF5", alert, messages);
  EXPECT_EQ(calc.Field_Text("PF5"), "1.00");
  calc.Set_Text("SPEED2", "-3");
  calc.Field_Left("SPEED2", alert, messages);
  EXPECT_EQ(calc.Value("SPEED2"), 1);
  EXPECT_EQ(alert.played, 3);
  calc.Set_Text("EFF5", "0.5");
  calc.Field_Left("EFF5", alert, messages);
  EXPECT_EQ(alert.played, 3) << "a value in range passes quietly";

  // Poles: odd counts go up to the next even one, 99 to 98; no sound.
  const std::pair<double, double> poles[] = {{3, 4}, {99, 98},   {1, 2},
                                             {4, 4}, {4.4, 4.4}, {5.4, 6}};
  for (auto [typed, used] : poles) {
    calc.Set_Value("POLES", typed);
    calc.Set_Value("FREQ", 60);
    calc.Field_Left("POLES", alert, messages);
    EXPECT_EQ(calc.Value("POLES"), used) << typed;
  }
  EXPECT_EQ(alert.played, 3);
  EXPECT_EQ(calc.Field_Text("POLES"), "6");
}

TEST(FormulaCalculator, SlipNeedsTheHigherSynchronousSpeed) {
  FakeMessageSink messages;
  FormulaCalculator calc(UnitSystem::English, {});
  calc.Set_Value("SYNCSPEED", 1700);
  calc.Set_Value("FULLSPEED", 1750);
  calc.Compute(Calculator::Slip, messages);
  EXPECT_EQ(calc.Result("SLIP"), "Error!");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Synchronous Speed must to be greater or equal to Full Load RPM!");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
}

TEST(FormulaCalculator, FirstOpeningWithEveryInputZero) {
  FakeMessageSink messages;
  FormulaCalculator calc(UnitSystem::English, {});
  calc.Compute_All(messages);
  EXPECT_EQ(calc.Result("TRQ1CALC"), "Error!");
  EXPECT_EQ(calc.Result("O1"), "Error");
  EXPECT_EQ(calc.Result("ACC"), " Error");
  EXPECT_EQ(calc.Result("FANHP"), "") << "fan and pump keep their text when they fail";
  EXPECT_EQ(calc.Result("O3"), "0.00 Volt(s)");

  // A failure leaves the fan's last good result standing.
  calc.Set_Value("F1", 100);
  calc.Set_Value("FANPRESS", 1);
  calc.Set_Value("FANEFF1", 0.5);
  calc.Compute(Calculator::Fan, messages);
  EXPECT_EQ(calc.Result("FANHP"), "0.01 HP");
  calc.Set_Value("FANEFF1", 0);
  calc.Compute(Calculator::Fan, messages);
  EXPECT_EQ(calc.Result("FANHP"), "0.01 HP");
}

TEST(FormulaCalculator, FieldsUseTheUsersSeparators) {
  FormulaCalculator calc(UnitSystem::Metric, {",", "."});
  calc.Set_Text("F1", "1.234,5");
  EXPECT_EQ(calc.Value("F1"), 1234.5);
  EXPECT_EQ(calc.Field_Text("F1"), "1.234,50");
  // Results keep "." as decimal point, so they must not group with it too.
  FakeMessageSink messages;
  calc.Set_Text("FREQ", "60");
  calc.Set_Text("POLES", "4");
  calc.Compute(Calculator::SynchronousSpeed, messages);
  EXPECT_EQ(calc.Result("SPD"), "1,800.00 RPM");
  EXPECT_EQ(calc.Page_Titles()[0], "Power (kW)");
  EXPECT_EQ(calc.Three_Phase_Enabled_Fields(), (std::vector<std::string>{"HP5", "PF5", "EFF5"}));
  calc.Set_Three_Phase_Selection(5);
  EXPECT_EQ(calc.Three_Phase_Enabled_Fields(), std::vector<std::string>{"CURR5"});
}

}  // namespace
}  // namespace korvane::calculators
