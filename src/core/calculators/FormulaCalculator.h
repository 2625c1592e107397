#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preferences/PreferenceProcedures.h"

namespace korvane {
class AlertSound;
class MessageSink;
}  // namespace korvane

namespace korvane::calculators {

enum class UnitSystem { English, Metric };

// The calculators of the "Useful Formulas" dialogs, in the order they are
// computed when a dialog is shown.
enum class Calculator {
  Fan,
  Pump,
  LinearMotion,
  RotatingObjects,
  TorqueFromPower,
  TorqueFromForce,
  AccelerationTorque,
  SynchronousSpeed,
  Slip,
  Resistance,
  Current,
  Voltage,
  ThreePhase,
};
inline constexpr int kCalculatorCount = 13;

// One input field: its name, caption and unit, and how many characters it takes.
struct InputField {
  std::string name;
  std::string caption;
  std::string unit;
  int maxLength = 6;
};

// One calculator of a page, as the dialog lays it out.
struct CalculatorLayout {
  Calculator calculator;
  int page;  // 0..4
  std::string title;
  std::vector<InputField> inputs;
  std::string result;              // result field name
  std::vector<std::string> units;  // pressure unit list (fan and pump only)
};

// The three-phase page's selections.
inline constexpr int kThreePhaseSelections = 6;
const std::vector<std::string>& ThreePhaseSelections();

// The values, unit choices and result texts of one dialog (English or
// metric), and its arithmetic. Values live for the run; nothing is saved.
class FormulaCalculator {
 public:
  FormulaCalculator(UnitSystem units, preferences::NumberFormat format);

  UnitSystem Units() const { return units_; }
  const std::vector<CalculatorLayout>& Layout() const { return layout_; }
  const std::vector<std::string>& Page_Titles() const { return pageTitles_; }

  double Value(const std::string& field) const;
  void Set_Value(const std::string& field, double value);
  // Reads a typed text (thousands separators dropped); unreadable text is 0.
  void Set_Text(const std::string& field, std::string_view text);
  // The field as shown: two decimals with the user's separators (the pole
  // count without decimals).
  std::string Field_Text(const std::string& field) const;
  const std::string& Result(const std::string& field) const;

  int Pressure_Unit(Calculator calculator) const;
  void Set_Pressure_Unit(Calculator calculator, int index);
  int Three_Phase_Selection() const { return threePhase_; }
  void Set_Three_Phase_Selection(int index);
  // Which of current, power, power factor and efficiency the selection uses.
  std::vector<std::string> Three_Phase_Enabled_Fields() const;

  void Compute(Calculator calculator, MessageSink& messages);
  void Compute_All(MessageSink& messages);
  // Leaving a field: applies its input rule (with the alert sound when it
  // corrects the value) and computes the field's calculator.
  void Field_Left(const std::string& field, AlertSound& alert, MessageSink& messages);
  Calculator Calculator_Of(const std::string& field) const;

 private:
  std::string formatResult(double value, std::string_view unit) const;
  void setResult(Calculator calculator, const std::string& text);

  UnitSystem units_;
  preferences::NumberFormat format_;
  std::vector<CalculatorLayout> layout_;
  std::vector<std::string> pageTitles_;
  std::map<std::string, double> values_;
  std::map<std::string, std::string> results_;
  int fanUnit_ = 0;
  int pumpUnit_ = 0;
  int threePhase_ = 0;
};

}  // namespace korvane::calculators
