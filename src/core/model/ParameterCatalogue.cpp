#include "model/ParameterCatalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "model/DutyProfile.h"
#include "model/PowerConversion.h"
#include "model/WizardFields.h"
#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "text/NumberText.h"

namespace korvane::model {

// clang-format off
const std::array<ParameterDescriptor, kParameterCount> kParameterDescriptors{{
    {24, 1, 24, 1},            // 1 hours per day
    {7, 1, 7, 1},              // 2 days per week
    {52, 1, 52, 1},            // 3 weeks per year
    {0.1f, 0, 10, 100},        // 4 cost per kWh
    {0.1f, 0, 10, 100},        // 5 alternate rate per kWh
    {0, 0, 100, 100},          // 6 demand charge
    {0, 0, 100, 10},           // 7 utility incentive
    {20, 0.2f, 5000, 10},      // 8 motor power
    {4, 0, 2000, 10},          // 9 motor FLA
    {95, 50, 100, 10},         // 10 motor efficiency
    {97, 50, 100, 10},         // 11 drive efficiency
    {3000, 0, 1000000, 1},     // 12 drive cost
    {0, 0, 100, 100},          // 13 demand rebate per kW
    {0, 0, 1000000, 1},        // 14 installation cost
    {1, 1, 100, 1},            // 15 number of identical systems
    {1, 0, 100, 1},            // 16..25 time % of the duty points
    {2, 0, 0, 0}, {9, 0, 0, 0}, {17, 0, 0, 0}, {24, 0, 0, 0}, {17, 0, 0, 0},
    {13, 0, 0, 0}, {11, 0, 0, 0}, {6, 0, 0, 0}, {0, 0, 0, 0},
    {100, 0, 100, 1},          // 26..35 flow % of the duty points
    {90, 0, 0, 0}, {80, 0, 0, 0}, {70, 0, 0, 0}, {60, 0, 0, 0}, {50, 0, 0, 0},
    {40, 0, 0, 0}, {30, 0, 0, 0}, {20, 0, 0, 0}, {10, 0, 0, 0},
    {10, 0, 1000, 10},         // 36 minimum head
    {8760, 0, 8760, 1},        // 37 hours per year
    {1, 0, 2, 1000},           // 38 CO2 factor, user defined
    {0.705f, 0, 2, 1000},      // 39 CO2 factor, coal
    {0.419f, 0, 2, 1000},      // 40 CO2 factor, natural gas
    {0.55f, 0, 2, 1000},       // 41 CO2 factor, oil
    {1, 0, 1, 10000},          // 42..51 outlet damper
    {0.7683f, 0, 0, 0}, {0.5725f, 0, 0, 0}, {0.4098f, 0, 0, 0}, {0.2789f, 0, 0, 0},
    {0.1767f, 0, 0, 0}, {0.1012f, 0, 0, 0}, {0.049f, 0, 0, 0}, {0.0179f, 0, 0, 0},
    {0.0033f, 0, 0, 0},
    {1, 0, 1, 10000},          // 52..61 inlet vane
    {0.81f, 0, 0, 0}, {0.64f, 0, 0, 0}, {0.49f, 0, 0, 0}, {0.36f, 0, 0, 0},
    {0.25f, 0, 0, 0}, {0.16f, 0, 0, 0}, {0.091f, 0, 0, 0}, {0.04f, 0, 0, 0},
    {0.01f, 0, 0, 0},
    {1, 0, 1, 10000},          // 62..71 throttling valve
    {0.7683f, 0, 0, 0}, {0.5725f, 0, 0, 0}, {0.4098f, 0, 0, 0}, {0.2789f, 0, 0, 0},
    {0.1767f, 0, 0, 0}, {0.1012f, 0, 0, 0}, {0.049f, 0, 0, 0}, {0.0179f, 0, 0, 0},
    {0.0033f, 0, 0, 0},
    {1, 0, 1, 10000},          // 72..81 custom control 1
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {1, 0, 1, 10000},          // 82..91 custom control 2
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {0, 0, 9999, 10},          // 92 motor-power incentive
    {0, 0, 100, 10},           // 93 drive-motor efficiency
}};
// clang-format on

namespace {

constexpr std::string_view kInvalidParameter = "Default.NewPrm(): Invalid Parameter";
constexpr std::string_view kFindComponentFailed = "Default.New_Prm(): FindComponent() Failed";
constexpr std::string_view kTypeCastFailed = "Default.New_Prm(): cmpEdit Type Cast Failed";
constexpr std::string_view kEfficiencyInvalidParameter =
    "Default.New_Prm_Efficiency(): Invalid Parameter";
constexpr std::string_view kEfficiencyInvalidType =
    "Default.New_Prm_Efficiency(): Invalid EfficiencyType";
constexpr std::string_view kFlowInvalidParameter = "Default.New_Prm_Flow(): Invalid Parameter";
constexpr std::string_view kFlowInvalidFirstIndex = "Default.New_Prm_Flow(): Invalid FirstIndex";
constexpr std::string_view kUnknownError = "Unknown Error";
constexpr std::string_view kListTagZero = "List Tag Number = 0";

// Per power unit the motor-power incentive stops here.
constexpr double kPerPowerUnitIncentiveLimit = 250;

// "%d" in a name format replaced by the number.
std::string applyNameFormat(std::string_view format, int number) {
  std::string name(format);
  const auto at = name.find("%d");
  if (at != std::string::npos) name.replace(at, 2, std::to_string(number));
  return name;
}

}  // namespace

int DecimalsForScale(double scale) {
  if (scale > 1000) return 4;
  if (scale > 100) return 3;
  if (scale > 10) return 2;
  if (scale > 1) return 1;
  return 0;
}

ParameterCatalogue::ParameterCatalogue(MessageSink& messages, AlertSound& alert, ProgramExit& exit)
    : messages_(messages), alert_(alert), exit_(exit) {}

bool ParameterCatalogue::fail(std::string_view text, std::optional<int> number) {
  std::string message = text.empty() ? std::string(kUnknownError) : std::string(text);
  if (number) message += "; Num = " + std::to_string(*number);
  failed_ = true;
  messages_.show(MessageKind::Error, message, MessageButtons::Ok);
  exit_.endProgram(message);
  return false;
}

bool ParameterCatalogue::Build(InputForm* wizard, InputForm* preferences) {
  if (built_ || failed_) return built_;
  wizard_ = wizard;
  preferences_ = preferences;
  constexpr auto W = EditOwner::Wizard;
  constexpr auto P = EditOwner::Preferences;

  bool ok = true;
  for (int n : {1, 2, 3, 4, 5, 6, 13, 8, 9, 10}) ok = ok && New_Prm(n, W, "");
  ok = ok && New_Prm(kPrmDriveEfficiency, P, "VfdE100");
  for (int n : {12, 7, 14, 15}) ok = ok && New_Prm(n, W, "");
  ok = ok && New_Prm_Flow(1, kPrmFirstTimePercent) && New_Prm_Flow(1, kPrmFirstFlowPercent);
  ok = ok && New_Prm(kPrmMinimumHead, W, "") && New_Prm(kPrmHoursPerYear, W, "");
  ok = ok && New_Prm(kPrmCo2User, P, "CfpLbs") && New_Prm(kPrmCo2Coal, P, "CfpLbs1") &&
       New_Prm(kPrmCo2Gas, P, "CfpLbs2") && New_Prm(kPrmCo2Oil, P, "CfpLbs3");
  using enum EfficiencyType;
  ok = ok && New_Prm_Efficiency(OutletDamper, "DE%d", 100, -10) &&
       New_Prm_Efficiency(InletVane, "IvE%d", 100, -10) &&
       New_Prm_Efficiency(ThrottlingValve, "VaE%d", 100, -10) &&
       New_Prm_Efficiency(Custom1, "C1E%d", 100, -10) &&
       New_Prm_Efficiency(Custom2, "C2E%d", 100, -10);
  ok = ok && New_Prm(kPrmPowerIncentive, W, "") && New_Prm(kPrmDriveMotorEfficiency, W, "");
  if (!ok) return false;
  built_ = true;
  Tag_Edits();
  return true;
}

bool ParameterCatalogue::New_Prm(int number, EditOwner owner, std::string_view name) {
  return New_Prm(number, number, owner, name);
}

bool ParameterCatalogue::New_Prm(int number, int rangeRow, EditOwner owner, std::string_view name) {
  if (failed_) return false;
  if (!validNumber(number) || !validNumber(rangeRow)) {
    return fail(kInvalidParameter, number);
  }
  const ParameterDescriptor& own = kParameterDescriptors[static_cast<size_t>(number - 1)];
  const ParameterDescriptor& range = kParameterDescriptors[static_cast<size_t>(rangeRow - 1)];
  if (range.minimum >= range.maximum || own.defaultValue < range.minimum ||
      own.defaultValue > range.maximum || range.scale < 1) {
    return fail(kInvalidParameter, number);
  }

  ParameterEntry entry;
  entry.Default = own.defaultValue;
  entry.Number = number;
  entry.NameNumber = number;
  entry.Minimum = range.minimum;
  entry.Maximum = range.maximum;
  entry.Scale = range.scale;
  entry.DefaultText = text::formatFixed(entry.Default, DecimalsForScale(entry.Scale));
  entry.Value = entry.Default;

  Slot& s = *slot(number);
  s.owner = owner;
  s.edit = nullptr;
  s.editName.clear();
  if (owner != EditOwner::None) {
    // An unnamed field is a wizard edit, named by the wizard's field table.
    s.editName = name.empty() ? std::string(ParameterEditName(number)) : std::string(name);
    if (s.editName.empty()) return fail(kFindComponentFailed, number);
    InputForm* form = owner == EditOwner::Wizard ? wizard_ : preferences_;
    const ComponentLookup found = form ? form->findComponent(s.editName) : ComponentLookup{};
    if (!found.found) return fail(kFindComponentFailed, number);
    if (found.input == nullptr) return fail(kTypeCastFailed, number);
    s.edit = found.input;
  }
  s.entry = std::move(entry);
  return true;
}

bool ParameterCatalogue::New_Prm_Flow(int profile, int first) {
  if (failed_) return false;
  if (profile < 1 || profile > 3) return fail(kFlowInvalidParameter, std::nullopt);
  if (first != kPrmFirstTimePercent && first != kPrmFirstFlowPercent) {
    return fail(kFlowInvalidFirstIndex, std::nullopt);
  }
  for (int n = first; n < first + 10; ++n) {
    if (!New_Prm(n, first, EditOwner::Wizard, "")) return false;
  }
  // The defaults of the group are those of the chosen profile.
  const DutyProfile& p = kDutyProfiles[static_cast<size_t>(profile - 1)];
  const auto& values = first == kPrmFirstTimePercent ? p.timePercent : p.flowPercent;
  for (int i = 0; i < 10; ++i) {
    ParameterEntry& e = *slot(first + i)->entry;
    e.Default = static_cast<float>(values[static_cast<size_t>(i)]);
    e.DefaultText = text::formatFixed(e.Default, DecimalsForScale(e.Scale));
    e.Value = e.Default;
  }
  return true;
}

bool ParameterCatalogue::New_Prm_Efficiency(EfficiencyType type, std::string_view format, int start,
                                            int step) {
  if (failed_) return false;
  if (format.empty() || start < 0 || step == 0) {
    return fail(kEfficiencyInvalidParameter, std::nullopt);
  }
  int first = 0;
  switch (type) {
    case EfficiencyType::Custom1:
      first = kPrmFirstCustom1;
      break;
    case EfficiencyType::Custom2:
      first = kPrmFirstCustom2;
      break;
    case EfficiencyType::InletVane:
      first = kPrmFirstInletVane;
      break;
    case EfficiencyType::OutletDamper:
      first = kPrmFirstOutletDamper;
      break;
    case EfficiencyType::ThrottlingValve:
      first = kPrmFirstThrottlingValve;
      break;
    case EfficiencyType::AcrossTheLine:
    case EfficiencyType::Drive:
    default:
      return fail(kEfficiencyInvalidType, std::nullopt);
  }
  for (int i = 0; i < 10; ++i) {
    const std::string name = applyNameFormat(format, start + i * step);
    if (!New_Prm(first + i, first, EditOwner::Preferences, name)) return false;
  }
  return true;
}

const ParameterCatalogue::Slot* ParameterCatalogue::slot(int n) const {
  return validNumber(n) ? &slots_[static_cast<size_t>(n - 1)] : nullptr;
}

ParameterCatalogue::Slot* ParameterCatalogue::slot(int n) {
  return validNumber(n) ? &slots_[static_cast<size_t>(n - 1)] : nullptr;
}

const ParameterEntry* ParameterCatalogue::Entry(int n) const {
  const Slot* s = slot(n);
  return s && s->entry ? &*s->entry : nullptr;
}

BoundInput* ParameterCatalogue::Bound_Edit(int n) const {
  const Slot* s = slot(n);
  return s && s->entry ? s->edit : nullptr;
}

EditOwner ParameterCatalogue::Owner(int n) const {
  const Slot* s = slot(n);
  return s && s->entry ? s->owner : EditOwner::None;
}

std::string ParameterCatalogue::Edit_Name(int n) const {
  const Slot* s = slot(n);
  return s && s->entry ? s->editName : std::string();
}

double ParameterCatalogue::Get_Prm_Value(int n) const {
  const ParameterEntry* e = Entry(n);
  return e ? e->Value : 0;
}

void ParameterCatalogue::Set_Prm_Value(int n, double x) {
  Slot* s = slot(n);
  if (!s || !s->entry) return;
  // Values are single floats; a pasted "1e40" saturates instead of overflowing.
  constexpr double kLargest = std::numeric_limits<float>::max();
  s->entry->Value = std::isnan(x) ? 0.0f : static_cast<float>(std::clamp(x, -kLargest, kLargest));
}

int ParameterCatalogue::Round_Prm_Value(int n) const {
  // Halves go to the even neighbour; values beyond an int saturate.
  const double rounded = std::nearbyint(Get_Prm_Value(n));
  constexpr double kLow = std::numeric_limits<int>::min();
  constexpr double kHigh = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(rounded, kLow, kHigh));
}

double ParameterCatalogue::Get_Prm_Minimum(int n) const {
  const ParameterEntry* e = Entry(n);
  return e ? e->Minimum : 0;
}

double ParameterCatalogue::Get_Prm_Maximum(int n) const {
  const ParameterEntry* e = Entry(n);
  return e ? e->Maximum : 0;
}

std::string ParameterCatalogue::Get_Prm_Default_Text(int n) const {
  const ParameterEntry* e = Entry(n);
  return e ? e->DefaultText : std::string();
}

std::string ParameterCatalogue::Format_Prm(int n, double x) const {
  const ParameterEntry* e = Entry(n);
  if (!e) return std::string();
  const int decimals = DecimalsForScale(e->Scale);
  // Values held as single floats are shown with the digits they were typed
  // with, not with the tail of their binary approximation.
  const auto asFloat = static_cast<float>(x);
  if (static_cast<double>(asFloat) == x) return text::formatFixed(asFloat, decimals);
  return text::formatFixed(x, decimals);
}

double ParameterCatalogue::Read_Prm_Edit_Float(int n, double fallback) const {
  const BoundInput* edit = Bound_Edit(n);
  if (!edit) return fallback;
  return text::parseNumber(edit->text()).value_or(fallback);
}

long long ParameterCatalogue::Read_Prm_Edit_Int(int n, long long fallback) const {
  const BoundInput* edit = Bound_Edit(n);
  if (!edit) return fallback;
  return text::parseInteger(edit->text()).value_or(fallback);
}

std::string ParameterCatalogue::Read_Prm_Edit_Text(int n, std::string_view fallback) const {
  const BoundInput* edit = Bound_Edit(n);
  return edit ? edit->text() : std::string(fallback);
}

void ParameterCatalogue::Write_Prm_Edit_Text(int n, std::string_view text) {
  if (BoundInput* edit = Bound_Edit(n)) edit->setText(text);
}

void ParameterCatalogue::Write_Prm_Edit_Value(int n, double x) {
  if (BoundInput* edit = Bound_Edit(n)) edit->setText(Format_Prm(n, x));
}

void ParameterCatalogue::Show_Prm_Value(int n) {
  Write_Prm_Edit_Value(n, Get_Prm_Value(n));
}

void ParameterCatalogue::Show_Prm_Default(int n) {
  if (BoundInput* edit = Bound_Edit(n)) edit->setText(Get_Prm_Default_Text(n));
}

void ParameterCatalogue::Show_Prm_Flow_Profile(int n, int profile) {
  if (n < kPrmFirstTimePercent || n > kPrmFirstFlowPercent + 9 || profile < 1 || profile > 3) {
    return;
  }
  const DutyProfile& p = kDutyProfiles[static_cast<size_t>(profile - 1)];
  const int value = n < kPrmFirstFlowPercent
                        ? p.timePercent[static_cast<size_t>(n - kPrmFirstTimePercent)]
                        : p.flowPercent[static_cast<size_t>(n - kPrmFirstFlowPercent)];
  Write_Prm_Edit_Value(n, value);
}

void ParameterCatalogue::Initialize_Edit(BoundInput& edit, int mode) {
  const int n = edit.tag();
  if (n == 0) {
    messages_.show(MessageKind::Warning, kListTagZero, MessageButtons::Ok);
    exit_.endProgram(kListTagZero);
    return;
  }
  if (!Entry(n)) return;
  if (mode == 0) {
    edit.setEnabled(true);
    edit.setText(Format_Prm(n, Get_Prm_Value(n)));
  } else if (mode == 1) {
    Set_Prm_Value(n, text::parseNumber(edit.text()).value_or(0));
  }
}

void ParameterCatalogue::Initialize_Edit_ByIndex(int n, int mode) {
  if (BoundInput* edit = Bound_Edit(n)) Initialize_Edit(*edit, mode);
}

void ParameterCatalogue::Set_Fields(int mode) {
  if (mode != 0 && mode != 1) return;
  for (int n = 1; n <= kParameterCount; ++n) {
    if (Owner(n) == EditOwner::Wizard) Initialize_Edit_ByIndex(n, mode);
  }
  if (mode == 1 && AfterFieldsStored) AfterFieldsStored();
}

void ParameterCatalogue::Tag_Edits() {
  for (int n = 1; n <= kParameterCount; ++n) {
    if (BoundInput* edit = Bound_Edit(n)) edit->setTag(n);
  }
}

double ParameterCatalogue::Check_Prm_Edit(BoundInput& edit, const RangeCheckContext& context) {
  const int n = edit.tag();
  const ParameterEntry* e = Entry(n);
  if (!e) return 0;
  double upper = e->Maximum;
  if (n == kPrmMotorPower && context.powerInKw) {
    upper = static_cast<double>(e->Maximum) * kKwPerHpInput;  // the limit is in HP
  } else if (n == kPrmPowerIncentive && context.incentiveUnit == IncentiveUnit::PerPowerUnit) {
    upper = kPerPowerUnitIncentiveLimit;
  }
  double number = text::parseNumber(edit.text()).value_or(0);
  if (number > upper) {
    alert_.play();
    number = upper;
  } else if (number < e->Minimum) {
    alert_.play();
    number = e->Minimum;
  }
  edit.setText(Format_Prm(n, number));
  edit.repaint();
  return number;
}

void ParameterCatalogue::Reset_Duty_Cycle(ApplicationType application) {
  // Profiles are numbered 1 fan, 2 pump, 3 cooling tower.
  const int profile = ToNumber(application) + 1;
  if (profile < 1 || profile > 3) return;
  for (int i = 0; i < 10; ++i) {
    Show_Prm_Flow_Profile(kPrmFirstFlowPercent + i, profile);
    Show_Prm_Flow_Profile(kPrmFirstTimePercent + i, profile);
  }
}

}  // namespace korvane::model
