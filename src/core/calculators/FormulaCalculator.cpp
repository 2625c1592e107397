#include "calculators/FormulaCalculator.h"

#include <cmath>

#include "model/PowerConversion.h"
#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "text/NumberText.h"

namespace korvane::calculators {

namespace {

constexpr std::string_view kSlipWarning =
    "Synchronous Speed must to be greater or equal to Full Load RPM!";

// Metric to English factors.
constexpr double kCubicFeetPerCubicMetre = 35.314666721;
constexpr double kGallonsPerCubicMetre = 264.179434502;
constexpr double kLbFtPerNm = 0.737562149;
constexpr double kNmPerLbFt = 1.355817948;
constexpr double kLbsPerNewton = 0.224808943;
constexpr double kFeetPerMetre = 3.280839895;
// Pressure into inches of water (fan) and feet of water (pump), per unit.
constexpr double kFanPressure[] = {0.393700787, 0.004014736, 4.014735773, 0.401473577};
constexpr double kPumpPressure[] = {0.032808399, 0.000334561, 0.000334561 * 1000, 0.033456131};

std::vector<CalculatorLayout> buildLayout(UnitSystem units) {
  const bool metric = units == UnitSystem::Metric;
  const std::vector<std::string> metricPressures = {"cm wg", "Pa", "kPa", "mBar"};
  std::vector<CalculatorLayout> l;
  l.push_back({Calculator::Fan,
               0,
               "Fan and Blower Motor Applications:",
               {{"F1", "Flow:", metric ? "M^3/Min." : "CFM"},
                {"FANPRESS", "Pressure:", ""},
                {"FANEFF1", "Fan Efficiency:", ""}},
               "FANHP",
               metric ? metricPressures : std::vector<std::string>{"PSFt", "PSI", "in. wg."}});
  l.push_back({Calculator::Pump,
               0,
               "Pump Motor Applications:",
               {{"GPM", "Flow:", metric ? "M^3/Min." : "GPM (US)"},
                {"PUMPPRES", "Pressure:", ""},
                {"GRAVITY1", "Specific Gravity:", "Weight Liquid / Water"},
                {"PUMPEFF1", "Pump Efficiency:", ""}},
               "PUMPHP",
               metric ? metricPressures : std::vector<std::string>{"Water Head in feet", "PSI"}});
  l.push_back({Calculator::RotatingObjects,
               0,
               "Rotating objects:",
               {{"TRQ1", "Torque:", metric ? "Nm" : "Ft.Lbs"}, {"SPEED1", "Speed:", "RPM"}},
               "ROTHP",
               {}});
  l.push_back({Calculator::LinearMotion,
               0,
               "Objects in Linear Motion:",
               {{"TRQ2", "Force:", metric ? "N" : "Lbs"},
                {"VELO", "Velocity:", metric ? "Mtr/Min." : "ft/min"}},
               "LINEARHP",
               {}});
  l.push_back({Calculator::TorqueFromPower,
               1,
               "Torque Calculation",
               {{"HP1", "Power:", metric ? "kW" : "HP"}, {"SPEED2", "Speed:", "RPM"}},
               "TRQ1CALC",
               {}});
  l.push_back(
      {Calculator::TorqueFromForce,
       1,
       "Torque Calculation",
       {{"FORCE1", "Force:", metric ? "N" : "Lbs"}, {"RAD", "Radius:", metric ? "Mtr." : "Ft."}},
       "TRQCALC2",
       {}});
  const std::string torque = metric ? "Nm" : "Ft.Lbs";
  l.push_back({Calculator::AccelerationTorque,
               1,
               "Average Acceleration Torque",
               {{"FLT", "Full Load Torque:", torque},
                {"BDT", "Breakdown Torque:", torque},
                {"LRT", "Locked-Rotor Torque:", torque}},
               "TRQCALC3",
               {}});
  l.push_back({Calculator::SynchronousSpeed,
               2,
               "Synchronous Speed",
               {{"FREQ", "Frequency:", "Hz", 4}, {"POLES", "Number of Motor Poles:", "", 2}},
               "SPD",
               {}});
  l.push_back(
      {Calculator::Slip,
       2,
       "Motor Slip",
       {{"SYNCSPEED", "Synchronous Speed:", "RPM"}, {"FULLSPEED", "Full Load Speed:", "RPM"}},
       "SLIP",
       {}});
  l.push_back({Calculator::Resistance,
               3,
               "Calculate Resistance",
               {{"VOLTS", "Voltage:", "V."}, {"AMPS", "Current:", "A."}},
               "O1",
               {}});
  l.push_back({Calculator::Current,
               3,
               "Calculate Current (Amps)",
               {{"VOLTS2", "Voltage:", "V."}, {"RES1", "Resistance:", "Ohm"}},
               "O2",
               {}});
  l.push_back({Calculator::Voltage,
               3,
               "Calculate Voltage (V)",
               {{"AMPS2", "Current:", "A."}, {"RES2", "Resistance:", "Ohm"}},
               "O3",
               {}});
  // Every formula of this page takes the power in horsepower (746 W), so the
  // field says so in both dialogs.
  l.push_back({Calculator::ThreePhase,
               4,
               "Three Phase AC Calculations",
               {{"VOLT5", "Voltage:", "V."},
                {"CURR5", "Current:", "A."},
                {"HP5", "Power:", "HP"},
                {"PF5", "Power Factor:", "", 4},
                {"EFF5", "Efficiency:", "", 4}},
               "ACC",
               {}});
  return l;
}

bool finite(double x) {
  return std::isfinite(x);
}

}  // namespace

const std::vector<std::string>& ThreePhaseSelections() {
  static const std::vector<std::string> selections = {"Amperes",     "Efficiency", "Power Factor",
                                                      "Horse Power", "kW",         "Volt-Amperes"};
  return selections;
}

FormulaCalculator::FormulaCalculator(UnitSystem units, preferences::NumberFormat format)
    : units_(units), format_(std::move(format)), layout_(buildLayout(units)) {
  pageTitles_ = {units == UnitSystem::Metric ? "Power (kW)" : "Horse Power", "Torque", "AC Motor",
                 "Ohms Law", "Power AC"};
  for (const CalculatorLayout& c : layout_) {
    for (const InputField& f : c.inputs) values_[f.name] = 0;
    results_[c.result] = "";
  }
}

double FormulaCalculator::Value(const std::string& field) const {
  const auto it = values_.find(field);
  return it == values_.end() ? 0 : it->second;
}

void FormulaCalculator::Set_Value(const std::string& field, double value) {
  if (values_.count(field)) values_[field] = value;
}

void FormulaCalculator::Set_Text(const std::string& field, std::string_view text) {
  Set_Value(field,
            text::parseLocalNumber(text, format_.decimalSeparator, format_.thousandsSeparator)
                .value_or(0));
}

std::string FormulaCalculator::Field_Text(const std::string& field) const {
  const int decimals = field == "POLES" ? 0 : 2;
  const std::string fixed = text::formatFixed(Value(field), decimals);
  const auto point = fixed.find('.');
  std::string whole = text::groupThousands(fixed.substr(0, point), format_.thousandsSeparator);
  if (point == std::string::npos) return whole;
  return whole + format_.decimalSeparator + fixed.substr(point + 1);
}

const std::string& FormulaCalculator::Result(const std::string& field) const {
  static const std::string none;
  const auto it = results_.find(field);
  return it == results_.end() ? none : it->second;
}

int FormulaCalculator::Pressure_Unit(Calculator calculator) const {
  return calculator == Calculator::Fan ? fanUnit_ : calculator == Calculator::Pump ? pumpUnit_ : 0;
}

void FormulaCalculator::Set_Pressure_Unit(Calculator calculator, int index) {
  for (const CalculatorLayout& c : layout_) {
    if (c.calculator != calculator) continue;
    if (index < 0 || index >= static_cast<int>(c.units.size())) return;
    (calculator == Calculator::Fan ? fanUnit_ : pumpUnit_) = index;
  }
}

void FormulaCalculator::Set_Three_Phase_Selection(int index) {
  if (index >= 0 && index < kThreePhaseSelections) threePhase_ = index;
}

std::vector<std::string> FormulaCalculator::Three_Phase_Enabled_Fields() const {
  switch (threePhase_) {
    case 0:
      return {"HP5", "PF5", "EFF5"};
    case 1:
      return {"CURR5", "HP5", "PF5"};
    case 2:
      return {"CURR5", "HP5", "EFF5"};
    case 3:
      return {"CURR5", "PF5", "EFF5"};
    case 4:
      return {"CURR5", "PF5"};
    default:
      return {"CURR5"};
  }
}

std::string FormulaCalculator::formatResult(double value, std::string_view unit) const {
  return text::formatResultNumber(value, 2, format_.thousandsSeparator) + std::string(unit);
}

void FormulaCalculator::setResult(Calculator calculator, const std::string& text) {
  for (const CalculatorLayout& c : layout_) {
    if (c.calculator == calculator) results_[c.result] = text;
  }
}

Calculator FormulaCalculator::Calculator_Of(const std::string& field) const {
  for (const CalculatorLayout& c : layout_) {
    for (const InputField& f : c.inputs) {
      if (f.name == field) return c.calculator;
    }
  }
  return Calculator::Fan;
}

void FormulaCalculator::Compute(Calculator calculator, MessageSink& messages) {
  const bool metric = units_ == UnitSystem::Metric;
  auto v = [this](const char* name) { return Value(name); };
  // A result that is not a finite number stands for an arithmetic fault.
  auto show = [&](double result, std::string_view unit, const std::string& failure) {
    setResult(calculator, finite(result) ? formatResult(result, unit) : failure);
  };
  switch (calculator) {
    case Calculator::Fan: {
      double hp = 0;
      if (metric) {
        hp = v("F1") * kCubicFeetPerCubicMetre * kFanPressure[fanUnit_] * v("FANPRESS") /
             (v("FANEFF1") * 6356) * model::kKwPerHpAnalysis;
      } else {
        const double k[] = {33000, 229, 6356};
        hp = v("F1") * v("FANPRESS") / (v("FANEFF1") * k[fanUnit_]);
      }
      if (finite(hp)) setResult(calculator, formatResult(hp, metric ? " kW" : " HP"));
      return;  // a failure leaves the last result standing
    }
    case Calculator::Pump: {
      double hp = 0;
      if (metric) {
        hp = v("GPM") * kGallonsPerCubicMetre * kPumpPressure[pumpUnit_] * v("PUMPPRES") *
             v("GRAVITY1") / (v("PUMPEFF1") * 3960) * model::kKwPerHpAnalysis;
      } else {
        const double k = pumpUnit_ == 0 ? 3960 : 1713;
        hp = v("GPM") * v("PUMPPRES") * v("GRAVITY1") / (v("PUMPEFF1") * k);
      }
      if (finite(hp)) setResult(calculator, formatResult(hp, metric ? " kW" : " HP"));
      return;
    }
    case Calculator::RotatingObjects:
      return show(metric ? v("TRQ1") * kLbFtPerNm * v("SPEED1") / 5252 * model::kKwPerHpAnalysis
                         : v("TRQ1") * v("SPEED1") / 5252,
                  metric ? " kW" : " HP", "Error");
    case Calculator::LinearMotion:
      return show(metric ? v("TRQ2") * kLbsPerNewton * kFeetPerMetre * v("VELO") / 33000 *
                               model::kKwPerHpAnalysis
                         : v("TRQ2") * v("VELO") / 33000,
                  metric ? " kW" : " HP", "Error");
    case Calculator::TorqueFromPower:
      return show(metric
                      ? v("HP1") * (1 / model::kKwPerHpAnalysis) * 5252 / v("SPEED2") * kNmPerLbFt
                      : v("HP1") * 5252 / v("SPEED2"),
                  metric ? " Nm" : " LbFt", "Error!");
    case Calculator::TorqueFromForce:
      return show(metric ? v("RAD") * kFeetPerMetre * v("FORCE1") * kLbsPerNewton * kNmPerLbFt
                         : v("RAD") * v("FORCE1"),
                  metric ? " Nm" : " LbFt", "Error");
    case Calculator::AccelerationTorque: {
      const double k = metric ? kLbFtPerNm : 1;
      const double flt = k * v("FLT");
      const double bdt = k * v("BDT");
      const double lrt = k * v("LRT");
      const double lbft = ((flt + bdt) / 2 + bdt + lrt) / 3;
      return show(metric ? lbft * kNmPerLbFt : lbft, metric ? " Nm" : " LbFt", "Error!");
    }
    case Calculator::SynchronousSpeed: {
      double poles = v("POLES");
      if (poles <= 1) poles = 2;
      const double n = std::nearbyint(poles);
      if (std::fmod(n, 2) != 0) poles = n + 1 >= 100 ? 98 : n + 1;
      Set_Value("POLES", poles);
      return show(v("FREQ") * 120 / poles, " RPM", "Error");
    }
    case Calculator::Slip: {
      const double sync = v("SYNCSPEED");
      const double full = v("FULLSPEED");
      if (sync < full) {
        messages.show(MessageKind::Warning, kSlipWarning, MessageButtons::Ok);
        return setResult(calculator, "Error!");
      }
      return show((sync - full) / sync * 100, " %", "Error!");
    }
    case Calculator::Resistance:
      return show(v("VOLTS") / v("AMPS"), " Ohm(s)", "Error");
    case Calculator::Current:
      return show(v("VOLTS2") / v("RES1"), " Amp(s)", "Error");
    case Calculator::Voltage:
      return show(v("AMPS2") * v("RES2"), " Volt(s)", "Error");
    case Calculator::ThreePhase: {
      const double p = v("HP5"), volts = v("VOLT5"), amps = v("CURR5"), pf = v("PF5"),
                   eta = v("EFF5");
      double result = 0;
      std::string_view unit;
      switch (threePhase_) {
        case 0:
          result = p * 746 / (pf * volts * 1.732 * eta), unit = " A.";
          break;
        case 1:
          result = p * 746 / (volts * 1.732 * amps * pf);
          break;
        case 2:
          result = p * 746 / (volts * 1.732 * amps * eta);
          break;
        case 3:
          result = pf * eta * volts * amps * 1.732 / 746, unit = " HP";
          break;
        case 4:
          result = pf * volts * amps * 1.732 / 1000, unit = " kW";
          break;
        default:
          result = volts * amps * 1.732 / 1000, unit = " KVA";
          break;
      }
      return show(result, unit, " Error");
    }
  }
}

void FormulaCalculator::Compute_All(MessageSink& messages) {
  for (int i = 0; i < kCalculatorCount; ++i) Compute(static_cast<Calculator>(i), messages);
}

void FormulaCalculator::Field_Left(const std::string& field, AlertSound& alert,
                                   MessageSink& messages) {
  if (!values_.count(field)) return;
  double value = Value(field);
  if (field == "FANEFF1" || field == "PUMPEFF1" || field == "PF5" || field == "EFF5") {
    if (value < 0.1) {
      value = 0.1;
      alert.play();
    } else if (value > 1.0) {
      value = 1.0;
      alert.play();
    }
  } else if (field == "SPEED2" && !(value > 0)) {
    value = 1;
    alert.play();
  }
  Set_Value(field, value);
  Compute(Calculator_Of(field), messages);
}

}  // namespace korvane::calculators
