#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Kinds.h"
#include "platform/BoundInput.h"

namespace korvane {
class AlertSound;
class MessageSink;
class ProgramExit;
}  // namespace korvane

namespace korvane::model {

inline constexpr int kParameterCount = 93;

// Parameter numbers the program refers to by name.
enum Parameter : int {
  kPrmHoursPerDay = 1,
  kPrmDaysPerWeek = 2,
  kPrmWeeksPerYear = 3,
  kPrmEnergyRate = 4,
  kPrmAlternateRate = 5,
  kPrmDemandCharge = 6,
  kPrmUtilityIncentive = 7,
  kPrmMotorPower = 8,
  kPrmMotorFla = 9,
  kPrmMotorEfficiency = 10,
  kPrmDriveEfficiency = 11,
  kPrmDriveCost = 12,
  kPrmDemandRebate = 13,
  kPrmInstallCost = 14,
  kPrmQuantity = 15,
  kPrmFirstTimePercent = 16,
  kPrmFirstFlowPercent = 26,
  kPrmMinimumHead = 36,
  kPrmHoursPerYear = 37,
  kPrmCo2User = 38,
  kPrmCo2Coal = 39,
  kPrmCo2Gas = 40,
  kPrmCo2Oil = 41,
  kPrmFirstOutletDamper = 42,
  kPrmFirstInletVane = 52,
  kPrmFirstThrottlingValve = 62,
  kPrmFirstCustom1 = 72,
  kPrmFirstCustom2 = 82,
  kPrmPowerIncentive = 92,
  kPrmDriveMotorEfficiency = 93,
};

// Who owns the field a parameter is bound to.
enum class EditOwner { None = 0, Wizard = 1, Preferences = 2 };

// One row of the fixed table: default, minimum, maximum, scale. Members of a
// group after the first hold zeros in the last three columns.
struct ParameterDescriptor {
  float defaultValue;
  float minimum;
  float maximum;
  float scale;
};

extern const std::array<ParameterDescriptor, kParameterCount> kParameterDescriptors;

struct ParameterEntry {
  float Default = 0;
  std::string DefaultText;
  std::string EditPrefix = "A1";
  int Number = 0;
  int NameNumber = 0;
  float Minimum = 0;
  float Maximum = 0;
  float Scale = 1;
  float Value = 0;
};

// What the range check needs to know of the window it runs in.
struct RangeCheckContext {
  bool powerInKw = false;
  // The unit selected in the motor-power incentive's list.
  IncentiveUnit incentiveUnit = IncentiveUnit::PerPowerUnit;
};

// Number of decimals a parameter of that scale shows.
int DecimalsForScale(double scale);

// The catalogue of every number a user types: defaults, limits, display
// precision and current value, and the field each one is bound to. Built
// once; a fault in its fixed table is reported and ends the program.
class ParameterCatalogue {
 public:
  ParameterCatalogue(MessageSink& messages, AlertSound& alert, ProgramExit& exit);

  // Builds every entry in the fixed order and binds the fields of the two
  // forms. A second call does nothing. False after a fault in the table.
  bool Build(InputForm* wizard, InputForm* preferences);
  bool Built() const { return built_; }

  // Building blocks (also used by the checks of the table itself).
  bool New_Prm(int number, EditOwner owner, std::string_view name);
  bool New_Prm(int number, int rangeRow, EditOwner owner, std::string_view name);
  bool New_Prm_Flow(int profile, int first);
  bool New_Prm_Efficiency(EfficiencyType type, std::string_view format, int start, int step);

  const ParameterEntry* Entry(int n) const;
  BoundInput* Bound_Edit(int n) const;
  EditOwner Owner(int n) const;
  // Name of the field parameter n is bound to (empty when unbound).
  std::string Edit_Name(int n) const;

  double Get_Prm_Value(int n) const;
  void Set_Prm_Value(int n, double x);
  int Round_Prm_Value(int n) const;
  double Get_Prm_Minimum(int n) const;
  double Get_Prm_Maximum(int n) const;
  std::string Get_Prm_Default_Text(int n) const;
  std::string Format_Prm(int n, double x) const;

  double Read_Prm_Edit_Float(int n, double fallback) const;
  long long Read_Prm_Edit_Int(int n, long long fallback) const;
  std::string Read_Prm_Edit_Text(int n, std::string_view fallback) const;
  void Write_Prm_Edit_Text(int n, std::string_view text);
  void Write_Prm_Edit_Value(int n, double x);
  void Show_Prm_Value(int n);
  void Show_Prm_Default(int n);
  void Show_Prm_Flow_Profile(int n, int profile);

  // Mode 0 shows the current value in the field and enables it; mode 1 stores
  // the field's text (0 when unreadable) as the current value.
  void Initialize_Edit(BoundInput& edit, int mode);
  void Initialize_Edit_ByIndex(int n, int mode);
  // Initialize_Edit on every field the wizard owns.
  void Set_Fields(int mode);
  // Run after Set_Fields(1): the wizard copies its utility name into every
  // defined system.
  std::function<void()> AfterFieldsStored;

  // Gives every bound field its parameter number as tag again.
  void Tag_Edits();

  // Clamps the number typed into a bound field to its limits (with the alert
  // sound), rewrites the field with the parameter's decimals and returns the
  // number. The current value is not changed.
  double Check_Prm_Edit(BoundInput& edit, const RangeCheckContext& context);

  // Shows the default duty cycle of an application type (0 fan, 1 pump,
  // 2 cooling tower) in the twenty duty-point fields.
  void Reset_Duty_Cycle(ApplicationType application);

 private:
  struct Slot {
    std::optional<ParameterEntry> entry;
    EditOwner owner = EditOwner::None;
    std::string editName;
    BoundInput* edit = nullptr;
  };

  bool fail(std::string_view text, std::optional<int> number);
  static bool validNumber(int n) { return n >= 1 && n <= kParameterCount; }
  const Slot* slot(int n) const;
  Slot* slot(int n);

  MessageSink& messages_;
  AlertSound& alert_;
  ProgramExit& exit_;
  InputForm* wizard_ = nullptr;
  InputForm* preferences_ = nullptr;
  std::array<Slot, kParameterCount> slots_;
  bool built_ = false;
  bool failed_ = false;
};

}  // namespace korvane::model
