#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/ObjectState.h"
#include "model/ParameterCatalogue.h"
#include "wizard/DutyCycleCheck.h"

namespace korvane {
class MessageSink;
}
namespace korvane::model {
struct EnergyModel;
}
namespace korvane::projectfile {
struct ProjectHeader;
}
namespace korvane::shell {
struct RunState;
}

namespace korvane::wizard {

inline constexpr std::array<std::string_view, 3> kVoltageTexts{"208", "240", "480"};
inline constexpr std::string_view kTotalAfterCancel = "100 %";

// What the editor holds besides its parameter fields: the selected list
// items (by the number each item carries), check boxes and plain texts.
struct EditorChoices {
  int applicationType = 0;  // -1: nothing selected
  int fanFlowControl = -1;  // -1: nothing selected
  int pumpFlowControl = -1;
  int voltageItem = 0;        // index in kVoltageTexts
  int incentiveUnit = 0;      // 0 per unit of motor power, 1 per system
  bool hoursPerYear = false;  // choice "2": one yearly total
  bool powerIncentiveOneTime = true;
  std::array<bool, model::kPointCount> alternate{};
  bool autoCatalog = false;
  bool bypass = false;
  std::string identification;
  std::string catalogNumber;
};

// Which rows the editor shows for an application type.
struct EditorLayout {
  bool flowControlRow = false;
  bool fanList = false;
  bool pumpList = false;
  bool minimumHeadRow = false;
  bool wetBulbColumn = false;
  bool operator==(const EditorLayout&) const = default;
};
EditorLayout ApplicationTypeLayout(int applicationType);

// The system editor without its window: moves one system between the model
// and the editor's fields, checks what is typed when a field is left, and
// keeps the override flag and the motor defaults.
class SystemEditor {
 public:
  SystemEditor(model::EnergyModel& model, model::ParameterCatalogue& catalogue,
               projectfile::ProjectHeader& header, shell::RunState& state);

  EditorChoices choices;

  // The focus enters or leaves the field of parameter n. Leaving clamps the
  // text to the parameter's range and applies what a changed value implies.
  void Enter_Field(int n);
  void Leave_Field(int n);
  void Set_Incentive_Unit(int unit);
  EditorLayout Set_Application_Type(int applicationType);

  bool UserOverride() const { return userOverride_; }

  // Efficiency and full-load current for the typed motor power.
  void Apply_Motor_Defaults();
  void Apply_Fla_Default();

  // The duty-cycle check on the fields as typed; with messages it reports.
  bool Check_Duty_Cycle(MessageSink* messages);
  const DutyCycleResult& Last_Check() const { return lastCheck_; }
  // The default duty cycle of the selected type, then the silent check.
  void Restore_Duty_Cycle();
  // After the Update System bar's Go Back.
  void Show_Cancelled_Total();

  // The reset a new project starts with.
  void Reset_For_New_Project(int application);

  // Editor -> system i. True when the system changed (the project is then
  // modified).
  bool Update_Record_System(int i);
  // System i -> editor. The caller shows the values with Set_Fields(0).
  void Transfer_Record_To_System(int i);

 private:
  model::RangeCheckContext rangeContext() const;
  double motorPowerHp() const;
  int rounded(int n) const { return catalogue_.Round_Prm_Value(n); }
  float value(int n) const { return static_cast<float>(catalogue_.Get_Prm_Value(n)); }

  model::EnergyModel& model_;
  model::ParameterCatalogue& catalogue_;
  projectfile::ProjectHeader& header_;
  shell::RunState& state_;
  bool userOverride_ = false;
  std::array<std::optional<std::string>, model::kParameterCount + 1> entered_;
  DutyCycleResult lastCheck_;
};

}  // namespace korvane::wizard
