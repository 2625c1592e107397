#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"

// Every input of the wizard's first three steps, as one table: the pages build
// their rows from it and the parameter catalogue binds its wizard edits by the
// names given here. It lives beside the catalogue because the catalogue reads it.

namespace korvane::model {

struct ResultDisplay;

// "No switch": FeatureOff never reports a bit outside 0..31 as set.
inline constexpr auto kNoFeature = static_cast<FeatureBit>(-1);

// Which feature switches take a row away for the whole run.
struct SwitchRule {
  enum class Mode {
    Either,        // gone while either bit is set
    Both,          // gone only while both bits are set
    OnlyWhileSet,  // the row exists only while the first bit is set
  };
  FeatureBit first = kNoFeature;
  FeatureBit second = kNoFeature;
  Mode mode = Mode::Either;
};

constexpr SwitchRule HiddenBy(FeatureBit bit) {
  return {bit, kNoFeature, SwitchRule::Mode::Either};
}
constexpr SwitchRule HiddenByEither(FeatureBit a, FeatureBit b) {
  return {a, b, SwitchRule::Mode::Either};
}
constexpr SwitchRule HiddenByBoth(FeatureBit a, FeatureBit b) {
  return {a, b, SwitchRule::Mode::Both};
}
constexpr SwitchRule OnlyWhileSet(FeatureBit bit) {
  return {bit, kNoFeature, SwitchRule::Mode::OnlyWhileSet};
}

// True when the feature word of this run takes the row away.
bool SwitchedOff(const SwitchRule& rule);

// What else decides whether a row shows, beyond the switches: the system on
// screen (its application type, how its hours are entered, its incentives).
enum class RowCondition {
  Always,
  FanOnly,
  PumpOnly,
  FanOrPump,             // not for cooling towers
  HoursPerDay,           // hours entered per day, days per week and weeks per year
  HoursPerYear,          // hours entered per year
  RebatePanel,           // Rebate_Panel_Visible
  YearlyPowerIncentive,  // the motor-power incentive is paid yearly
};

enum class WizardStep { Customer = 1, Utility = 2, System = 3 };

enum class FieldGroup {
  Customer,
  Utility,
  DemandUnit,
  SystemData,
  MotorData,
  DriveData,
  HoursOfOperation,
  Incentive,
  DutyCycle,
};

inline constexpr std::string_view kDriveDataCaption = "Adjustable Speed Drive Data";

// The frame title of a group; empty where the rows sit on the page itself.
constexpr std::string_view FieldGroupCaption(FieldGroup group) {
  switch (group) {
    case FieldGroup::SystemData:
      return "System Data";
    case FieldGroup::MotorData:
      return "Motor Data";
    case FieldGroup::DriveData:
      return kDriveDataCaption;
    case FieldGroup::HoursOfOperation:
      return "Hours of Operation";
    case FieldGroup::Incentive:
      return "Incentive";
    case FieldGroup::DutyCycle:
      return "Duty Cycle";
    case FieldGroup::Customer:
    case FieldGroup::Utility:
    case FieldGroup::DemandUnit:
      break;
  }
  return {};
}

enum class FieldKind { ParameterEdit, TextEdit, List, RadioButton, CheckBox };

// What an input other than a parameter edit holds: a text or choice of the
// project header (customer and utility steps) or of the system record.
enum class FieldValue {
  Parameter,
  ProjectName,
  Contact,
  Title,
  Company,
  Address,
  City,
  State,
  Zip,
  Country,
  TelArea,
  TelNumber,
  FaxNumber,
  Email,
  UtilityName,
  UtilityIncentiveOneTime,
  DemandUnit,
  Identification,
  ApplicationType,
  FlowControl,
  VoltageClass,
  IncentiveUnit,
  PowerIncentiveOneTime,
  HoursPerYearMode,
  AltRateAtPoint,
};

// The label beside an input.
enum class UnitRule {
  None,
  Fixed,              // the row's unit text
  PowerUnit,          // HP or kW, as the project shows power
  PressureUnit,       // ft.wg. or kPa, by the unit system
  Currency,           // the preference currency symbol
  IncentiveUnitList,  // the incentive unit list stands there
};

// The characters an input lets through while typing.
enum class KeyFilter {
  None,    // nothing is typed (buttons and check boxes)
  Number,  // digits, "-", "." and Backspace
  Digits,  // digits and Backspace
  Text,    // everything but "=", "[" and "]", which the project file reserves
  List,    // everything but Backspace
};

inline constexpr char32_t kBackspace = U'\b';
bool KeyAccepted(KeyFilter filter, char32_t key);

inline constexpr auto kNoParameter = static_cast<Parameter>(0);

struct WizardField {
  std::string_view name{};  // object name
  FieldKind kind = FieldKind::ParameterEdit;
  WizardStep step = WizardStep::Customer;
  FieldGroup group = FieldGroup::Customer;
  // The text that labels the input on screen: its own text for radio buttons
  // and check boxes, else the caption of the row it sits in.
  std::string_view caption{};
  Parameter parameter = kNoParameter;
  FieldValue value = FieldValue::Parameter;
  int item = 0;   // radio buttons: the value the button selects
  int point = 0;  // duty-cycle rows: 1..10
  UnitRule unitRule = UnitRule::None;
  std::string_view unit{};  // with UnitRule::Fixed
  int maxLength = 0;        // characters that can be typed; 0 for inputs that take none
  KeyFilter keys = KeyFilter::None;
  SwitchRule hiddenBy{};
  RowCondition condition = RowCondition::Always;
  FeatureBit readOnlyWhile = kNoFeature;
};

namespace fields {

constexpr Parameter TimePoint(int point) {
  return static_cast<Parameter>(kPrmFirstTimePercent + point - 1);
}
constexpr Parameter FlowPoint(int point) {
  return static_cast<Parameter>(kPrmFirstFlowPercent + point - 1);
}

// The three inputs of one duty-cycle row.
constexpr WizardField AltRateBox(std::string_view name, int point) {
  return {.name = name,
          .kind = FieldKind::CheckBox,
          .step = WizardStep::System,
          .group = FieldGroup::DutyCycle,
          .caption = "Alt.",
          .value = FieldValue::AltRateAtPoint,
          .point = point,
          .hiddenBy = HiddenBy(NoAlternateRate)};
}
constexpr WizardField FlowEdit(std::string_view name, int point) {
  return {.name = name,
          .step = WizardStep::System,
          .group = FieldGroup::DutyCycle,
          .caption = "Flow (%)",
          .parameter = FlowPoint(point),
          .point = point,
          .unitRule = UnitRule::Fixed,
          .unit = "%",
          .maxLength = 3,
          .keys = KeyFilter::Number,
          .readOnlyWhile = FixedFlowPoints};
}
constexpr WizardField TimeEdit(std::string_view name, int point) {
  return {.name = name,
          .step = WizardStep::System,
          .group = FieldGroup::DutyCycle,
          .caption = "Time (%)",
          .parameter = TimePoint(point),
          .point = point,
          .unitRule = UnitRule::Fixed,
          .unit = "%",
          .maxLength = 3,
          .keys = KeyFilter::Number};
}

constexpr WizardField CustomerText(std::string_view name, std::string_view caption,
                                   FieldValue value, int maxLength) {
  return {.name = name,
          .kind = FieldKind::TextEdit,
          .step = WizardStep::Customer,
          .group = FieldGroup::Customer,
          .caption = caption,
          .value = value,
          .maxLength = maxLength,
          .keys = KeyFilter::Text};
}

constexpr WizardField UtilityRate(std::string_view name, std::string_view caption,
                                  Parameter parameter, SwitchRule hiddenBy) {
  // Six characters hold every value of the rate parameters ("100.00").
  return {.name = name,
          .step = WizardStep::Utility,
          .group = FieldGroup::Utility,
          .caption = caption,
          .parameter = parameter,
          .unitRule = UnitRule::Currency,
          .maxLength = 6,
          .keys = KeyFilter::Number,
          .hiddenBy = hiddenBy};
}

constexpr WizardField SystemEdit(std::string_view name, FieldGroup group, std::string_view caption,
                                 Parameter parameter, UnitRule unitRule, std::string_view unit,
                                 int maxLength, SwitchRule hiddenBy = {},
                                 RowCondition condition = RowCondition::Always) {
  return {.name = name,
          .step = WizardStep::System,
          .group = group,
          .caption = caption,
          .parameter = parameter,
          .unitRule = unitRule,
          .unit = unit,
          .maxLength = maxLength,
          .keys = KeyFilter::Number,
          .hiddenBy = hiddenBy,
          .condition = condition};
}

constexpr WizardField Choice(FieldKind kind, std::string_view name, WizardStep step,
                             FieldGroup group, std::string_view caption, FieldValue value, int item,
                             SwitchRule hiddenBy = {},
                             RowCondition condition = RowCondition::Always) {
  return {.name = name,
          .kind = kind,
          .step = step,
          .group = group,
          .caption = caption,
          .value = value,
          .item = item,
          .keys = kind == FieldKind::List ? KeyFilter::List : KeyFilter::None,
          .hiddenBy = hiddenBy,
          .condition = condition};
}

// What a radio button selects: whether an incentive is paid once
// (IncentiveOneTime, PowerIncentiveOneTime) and how the hours are entered
// (HoursPerYearMode). Lists select by their items and take none.
inline constexpr int kYearlyItem = 0;
inline constexpr int kOneTimeItem = 1;
inline constexpr int kHoursPerDayItem = 0;
inline constexpr int kHoursPerYearItem = 1;
inline constexpr int kListItem = 0;

inline constexpr std::string_view kUtilityIncentive = "Utility Incentive:";
inline constexpr std::string_view kOneTime = "One-time";
inline constexpr std::string_view kYearly = "Yearly";
inline constexpr std::string_view kFlowControl = "Flow Control:";

}  // namespace fields

// Top to bottom within each step.
inline constexpr std::array kWizardFields{
    // Step 1: project and customer. The city row changes with NoStateField:
    // the zip input then takes the city's place and holds city, state and zip.
    fields::CustomerText("ProjectName", "Project:", FieldValue::ProjectName, 45),
    fields::CustomerText("ContactFor", "Contact:", FieldValue::Contact, 45),
    fields::CustomerText("TitleFor", "Title:", FieldValue::Title, 25),
    fields::CustomerText("CompanyFor", "Company:", FieldValue::Company, 45),
    fields::CustomerText("AddressFor", "Address:", FieldValue::Address, 45),
    WizardField{.name = "CityFor",
                .kind = FieldKind::TextEdit,
                .caption = "City, State:",
                .value = FieldValue::City,
                .maxLength = 45,
                .keys = KeyFilter::Text,
                .hiddenBy = HiddenBy(NoStateField)},
    WizardField{.name = "StateFor",
                .kind = FieldKind::TextEdit,
                .caption = "City, State:",
                .value = FieldValue::State,
                .maxLength = 2,
                .keys = KeyFilter::Text,
                .hiddenBy = HiddenBy(NoStateField)},
    WizardField{.name = "ZipFor",
                .kind = FieldKind::TextEdit,
                .caption = "Zip:",
                .value = FieldValue::Zip,
                .maxLength = 5,
                .keys = KeyFilter::Digits,
                .hiddenBy = HiddenBy(NoStateField)},
    WizardField{.name = "ZipFor",
                .kind = FieldKind::TextEdit,
                .caption = "City / State / Zip:",
                .value = FieldValue::Zip,
                .maxLength = 45,
                .keys = KeyFilter::Text,
                .hiddenBy = OnlyWhileSet(NoStateField)},
    fields::CustomerText("CountryFor", "Country:", FieldValue::Country, 45),
    fields::CustomerText("AreaCodeFor", "Telephone:", FieldValue::TelArea, 3),
    fields::CustomerText("TelFor", "Telephone:", FieldValue::TelNumber, 25),
    fields::CustomerText("FaxFor", "Fax:", FieldValue::FaxNumber, 25),
    fields::CustomerText("EmailFor", "E-mail:", FieldValue::Email, 45),

    // Step 2: the utility.
    WizardField{.name = "UtilityName",
                .kind = FieldKind::TextEdit,
                .step = WizardStep::Utility,
                .group = FieldGroup::Utility,
                .caption = "Utility:",
                .value = FieldValue::UtilityName,
                .maxLength = 45,
                .keys = KeyFilter::Text},
    fields::UtilityRate("A104", "Cost per kWh:", kPrmEnergyRate, {}),
    fields::UtilityRate("A105", "Alternate Rate:", kPrmAlternateRate, HiddenBy(NoAlternateRate)),
    fields::UtilityRate("A106", "Demand Charge:", kPrmDemandCharge, HiddenBy(NoDemandCharge)),
    fields::UtilityRate("A107", fields::kUtilityIncentive, kPrmUtilityIncentive,
                        HiddenBy(NoUtilityIncentive)),
    fields::Choice(FieldKind::RadioButton, "rdbStp2_UtilInfo_IncnOneTime", WizardStep::Utility,
                   FieldGroup::Utility, fields::kOneTime, FieldValue::UtilityIncentiveOneTime,
                   fields::kOneTimeItem, HiddenByEither(NoUtilityIncentive, NoYearlyIncentive)),
    fields::Choice(FieldKind::RadioButton, "rdbStp2_UtilInfo_IncnYear", WizardStep::Utility,
                   FieldGroup::Utility, fields::kYearly, FieldValue::UtilityIncentiveOneTime,
                   fields::kYearlyItem, HiddenByEither(NoUtilityIncentive, NoYearlyIncentive)),
    fields::Choice(FieldKind::List, "cboStp2_UtilInfo_DmndUnit", WizardStep::Utility,
                   FieldGroup::DemandUnit,
                   "Demand Charges and Rebates are per:", FieldValue::DemandUnit, fields::kListItem,
                   HiddenByBoth(NoDemandCharge, NoDemandRebate)),

    // Step 3: the system editor.
    WizardField{.name = "SystemIndentification",
                .kind = FieldKind::TextEdit,
                .step = WizardStep::System,
                .group = FieldGroup::SystemData,
                .caption = "Name:",
                .value = FieldValue::Identification,
                .maxLength = 45,
                .keys = KeyFilter::Text},
    fields::Choice(FieldKind::List, "cboStp3_EditSyst_ApplType", WizardStep::System,
                   FieldGroup::SystemData, "Type:", FieldValue::ApplicationType, fields::kListItem,
                   HiddenBy(HideApplicationType)),
    fields::Choice(FieldKind::List, "cboStp3_EditSyst_FanFlowCtrl", WizardStep::System,
                   FieldGroup::SystemData, fields::kFlowControl, FieldValue::FlowControl,
                   fields::kListItem, HiddenBy(NoFlowControlType), RowCondition::FanOnly),
    fields::Choice(FieldKind::List, "cboStp3_EditSyst_PumpFlowCtrl", WizardStep::System,
                   FieldGroup::SystemData, fields::kFlowControl, FieldValue::FlowControl,
                   fields::kListItem, HiddenBy(NoFlowControlType), RowCondition::PumpOnly),
    fields::SystemEdit("A136", FieldGroup::SystemData, "Min. Head:", kPrmMinimumHead,
                       UnitRule::PressureUnit, {}, 6, HiddenBy(NoMinimumHead),
                       RowCondition::PumpOnly),
    fields::SystemEdit("A110", FieldGroup::MotorData, "Efficiency:", kPrmMotorEfficiency,
                       UnitRule::Fixed, "%", 6),
    // The wizard gives this row no words of its own; it shows only where the
    // edition offers a separate drive-motor efficiency.
    fields::SystemEdit("A193", FieldGroup::MotorData, ":", kPrmDriveMotorEfficiency,
                       UnitRule::Fixed, "%", 6, HiddenBy(NoDriveMotorEfficiency)),
    fields::SystemEdit("A108", FieldGroup::MotorData, "Power:", kPrmMotorPower, UnitRule::PowerUnit,
                       {}, 6),
    WizardField{.name = "cboStp3_EditSyst_MotrVolt",
                .kind = FieldKind::List,
                .step = WizardStep::System,
                .group = FieldGroup::MotorData,
                .caption = "Voltage:",
                .value = FieldValue::VoltageClass,
                .unitRule = UnitRule::Fixed,
                .unit = "V",
                .keys = KeyFilter::List,
                .hiddenBy = HiddenBy(NoVoltage)},
    fields::SystemEdit("A109", FieldGroup::MotorData, "FLA:", kPrmMotorFla, UnitRule::Fixed, "A", 6,
                       HiddenBy(NoFla)),
    fields::SystemEdit("A112", FieldGroup::DriveData, "Drive Cost:", kPrmDriveCost,
                       UnitRule::Currency, {}, 6),
    fields::SystemEdit("A114", FieldGroup::DriveData, "Install Cost:", kPrmInstallCost,
                       UnitRule::Currency, {}, 7),
    fields::SystemEdit("A113", FieldGroup::DriveData, "Utility Rebate:", kPrmDemandRebate,
                       UnitRule::Currency, {}, 6, HiddenBy(NoDemandRebate)),
    fields::SystemEdit("A115", FieldGroup::DriveData, "# Systems:", kPrmQuantity, UnitRule::None,
                       {}, 6, HiddenBy(NoSystemCount)),
    fields::Choice(FieldKind::RadioButton, "rdbStp3_EditSyst_HourDays", WizardStep::System,
                   FieldGroup::HoursOfOperation, "1", FieldValue::HoursPerYearMode,
                   fields::kHoursPerDayItem),
    fields::SystemEdit("A101", FieldGroup::HoursOfOperation, "Hours per Day:", kPrmHoursPerDay,
                       UnitRule::Fixed, "Hours", 6, {}, RowCondition::HoursPerDay),
    fields::SystemEdit("A102", FieldGroup::HoursOfOperation, "Days per Week:", kPrmDaysPerWeek,
                       UnitRule::Fixed, "Days", 6, {}, RowCondition::HoursPerDay),
    fields::SystemEdit("A103", FieldGroup::HoursOfOperation, "Weeks per Year:", kPrmWeeksPerYear,
                       UnitRule::Fixed, "Weeks", 6, {}, RowCondition::HoursPerDay),
    fields::Choice(FieldKind::RadioButton, "rdbStp3_EditSyst_HourYear", WizardStep::System,
                   FieldGroup::HoursOfOperation, "2", FieldValue::HoursPerYearMode,
                   fields::kHoursPerYearItem),
    fields::SystemEdit("A137", FieldGroup::HoursOfOperation, "Hours per Year:", kPrmHoursPerYear,
                       UnitRule::Fixed, "Hours", 6, {}, RowCondition::HoursPerYear),
    fields::SystemEdit("A192", FieldGroup::Incentive, fields::kUtilityIncentive, kPrmPowerIncentive,
                       UnitRule::IncentiveUnitList, {}, 6, HiddenBy(NoSystemIncentive)),
    fields::Choice(FieldKind::List, "cboStp3_EditSyst_IncnUnit", WizardStep::System,
                   FieldGroup::Incentive, fields::kUtilityIncentive, FieldValue::IncentiveUnit,
                   fields::kListItem, HiddenBy(NoSystemIncentive)),
    fields::Choice(FieldKind::RadioButton, "rdbStp3_EditSyst_IncnOneTime", WizardStep::System,
                   FieldGroup::Incentive, fields::kOneTime, FieldValue::PowerIncentiveOneTime,
                   fields::kOneTimeItem, HiddenBy(NoSystemIncentive)),
    fields::Choice(FieldKind::RadioButton, "rdbStp3_EditSyst_IncnYear", WizardStep::System,
                   FieldGroup::Incentive, fields::kYearly, FieldValue::PowerIncentiveOneTime,
                   fields::kYearlyItem, HiddenBy(NoSystemIncentive)),
    // clang-format off
    fields::AltRateBox("Peak100", 1),  fields::FlowEdit("A126", 1),  fields::TimeEdit("A116", 1),
    fields::AltRateBox("Peak90", 2),   fields::FlowEdit("A127", 2),  fields::TimeEdit("A117", 2),
    fields::AltRateBox("Peak80", 3),   fields::FlowEdit("A128", 3),  fields::TimeEdit("A118", 3),
    fields::AltRateBox("Peak70", 4),   fields::FlowEdit("A129", 4),  fields::TimeEdit("A119", 4),
    fields::AltRateBox("Peak60", 5),   fields::FlowEdit("A130", 5),  fields::TimeEdit("A120", 5),
    fields::AltRateBox("Peak50", 6),   fields::FlowEdit("A131", 6),  fields::TimeEdit("A121", 6),
    fields::AltRateBox("Peak40", 7),   fields::FlowEdit("A132", 7),  fields::TimeEdit("A122", 7),
    fields::AltRateBox("Peak30", 8),   fields::FlowEdit("A133", 8),  fields::TimeEdit("A123", 8),
    fields::AltRateBox("Peak20", 9),   fields::FlowEdit("A134", 9),  fields::TimeEdit("A124", 9),
    fields::AltRateBox("Peak10", 10),  fields::FlowEdit("A135", 10), fields::TimeEdit("A125", 10),
    // clang-format on
};

// The object name of the wizard edit bound to parameter n; empty when the
// wizard has none.
constexpr std::string_view ParameterEditName(int n) {
  for (const WizardField& f : kWizardFields) {
    if (f.kind == FieldKind::ParameterEdit && f.parameter == n) return f.name;
  }
  return {};
}

// The caption of the input of that name, for the displays that mirror the
// editor's rows. Naming an input the table does not hold fails to compile.
consteval std::string_view EditorCaption(std::string_view name) {
  for (const WizardField& f : kWizardFields) {
    if (f.name == name) return f.caption;
  }
  throw "no wizard field of that name";
}

// The row of that name; where two rows share a name, the one this run's
// switches keep. Null for a name the wizard does not have.
const WizardField* FindWizardField(std::string_view name);

// The unit label beside an input as the project and preferences show it.
std::string UnitLabelText(const WizardField& field, const ResultDisplay& display, bool powerInKw);

}  // namespace korvane::model
