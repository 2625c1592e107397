#include "projectfile/ReaderTags.h"

#include <algorithm>
#include <type_traits>

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

namespace korvane::projectfile {

namespace {

using model::HiddenBy;
using model::HiddenByEither;
using Kind = TagCheck::Kind;
using S = model::TVexEnergySystem;
using K = model::KeptInputs;

constexpr std::size_t kUtilityNameLength = 45;

constexpr TagCheck number(int parameter) {
  return {Kind::Number, parameter};
}
constexpr TagCheck leading(long long high) {
  return {Kind::Leading, 0, 0, high};
}
constexpr TagCheck zeroOrOne() {
  return {Kind::ZeroOrOne, 0, 0, 1};
}
constexpr TagCheck whole(long long low, long long high) {
  return {Kind::Whole, 0, low, high};
}
constexpr TagCheck dutyList(long long high, int sumLimit = 0) {
  return {Kind::DutyList, 0, 0, high, sumLimit};
}
constexpr TagCheck kApplication{Kind::Application, 0, 0, 2};

// The setters of the system record, by the type of value they take.
template <typename Setter>
struct SetterArgument;
template <typename T>
struct SetterArgument<void (S::*)(T)> {
  using type = T;
};

template <auto Set>
void setAmount(TagTarget& t, const TagValue& v) {
  (t.system.*Set)(v.asFloat());
}
template <auto Set>
void setWhole(TagTarget& t, const TagValue& v) {
  (t.system.*Set)(static_cast<typename SetterArgument<decltype(Set)>::type>(v.whole));
}
template <auto Field>
void keepAmount(K& kept, const TagValue& v) {
  kept.*Field = v.asFloat();
}
template <auto Field>
void keepWhole(K& kept, const TagValue& v) {
  using Value = typename std::remove_reference_t<decltype(kept.*Field)>::value_type;
  kept.*Field = static_cast<Value>(v.whole);
}

void setMotorEfficiency(TagTarget& t, const TagValue& v) {
  t.system.Set_MotorEfficiency(v.asFloat());
  // Files without a drive motor efficiency mean the motor's own.
  if (!model::FeatureOff(model::NoDriveMotorEfficiency) && t.system.DriveMotorEfficiency() == 0) {
    t.system.Set_DriveMotorEfficiency(v.asFloat());
  }
}

void setFlowControl(TagTarget& t, const TagValue& v) {
  t.system.Set_FlowControl(static_cast<model::FlowControl>(v.whole));
  t.system.Set_PresentAcrossTheLine(v.whole == 4 ? 1 : 0);
}

// A duty list sets its ten points through one of the record's point setters.
template <auto Set>
void setPoints(TagTarget& t, const TagValue& v) {
  for (int p = 1; p <= 10; ++p) (t.system.*Set)(p, v.list[static_cast<std::size_t>(p - 1)]);
}

void setPeakPoints(TagTarget& t, const TagValue& v) {
  for (int p = 1; p <= 10; ++p) {
    t.system.Set_AltRateAtPoint(p, v.list[static_cast<std::size_t>(p - 1)] > 0 ? 1 : 0);
  }
}

void setIdentification(TagTarget& t, const TagValue& v) {
  t.system.Set_Identification(text::cp1252ToUtf8(v.text));
}

void setUtilityName(TagTarget& t, const TagValue& v) {
  const std::string name =
      text::cp1252ToUtf8(v.text.substr(0, std::min(v.text.size(), kUtilityNameLength)));
  t.system.Set_UtilityName(name);
  t.staged.header.utilityName = name;
}

void setCatalogNumber(TagTarget& t, const TagValue& v) {
  t.system.Set_CatalogNumber(text::cp1252ToUtf8(v.text));
}

// In file order, which is the order the writer puts them in.
constexpr TagRule kTagRules[] = {
    {.tag = "APP=", .apply = setIdentification, .caseKept = true},
    {.tag = kApplicationTag,
     .check = kApplication,
     .message = "APPLICATION TYPE ERROR",
     .switches = HiddenBy(model::HideApplicationType),
     .apply = setWhole<&S::Set_ApplicationType>},
    {.tag = "MHR=",
     .check = number(model::kPrmMinimumHead),
     .message = "MIN. HEAD REQUIREMENT ERROR",
     .switches = HiddenBy(model::NoMinimumHead),
     .apply = setAmount<&S::Set_MinimumHead>,
     .keep = keepAmount<&K::minimumHead>},
    {.tag = kFlowTag,
     .check = leading(4),
     .message = "FLOW TYPE ERROR",
     .switches = HiddenBy(model::NoFlowControlType),
     .apply = setFlowControl},
    {.tag = "MHP=",
     .check = number(model::kPrmMotorPower),
     .message = "MOTOR POWER ERROR",
     .apply = setAmount<&S::Set_MotorHp>,
     .parameterLine = 5},
    {.tag = "MEF=",
     .check = number(model::kPrmMotorEfficiency),
     .message = "MOTOR EFFICIENCY ERROR",
     .apply = setMotorEfficiency,
     .parameterLine = 6},
    {.tag = "MVL=",
     .check = leading(7),
     .message = "MOTOR VOLTAGE ERROR",
     .switches = HiddenBy(model::NoVoltage),
     .apply = setWhole<&S::Set_VoltageClass>,
     .keep = keepWhole<&K::voltageClass>},
    {.tag = "MFL=",
     .check = number(model::kPrmMotorFla),
     .message = "MOTOR FLA ERROR",
     .switches = HiddenBy(model::NoFla),
     .apply = setAmount<&S::Set_MotorFla>,
     .keep = keepAmount<&K::motorFla>},
    {.tag = "UNM=", .apply = setUtilityName, .caseKept = true},
    {.tag = "URT=",
     .check = number(model::kPrmEnergyRate),
     .message = "UTILITY RATE ERROR",
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_EnergyRate(v.asFloat());
           t.staged.energyRate = v.number;
         },
     .parameterLine = 4},
    {.tag = "ART=",
     .check = number(model::kPrmAlternateRate),
     .message = "ALTERNATIVE RATE ERROR",
     .switches = HiddenBy(model::NoAlternateRate),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_AlternateRate(v.asFloat());
           t.staged.alternateRate = v.number;
         }},
    {.tag = "DCH=",
     .check = number(model::kPrmDemandCharge),
     .message = "DEMAND CHARGE ERROR",
     .switches = HiddenBy(model::NoDemandCharge),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_DemandCharge(v.asFloat());
           t.staged.demandCharge = v.number;
         },
     .keep = keepAmount<&K::demandCharge>},
    {.tag = "DMR=",
     .check = number(model::kPrmDemandRebate),
     .message = "UTILITY INCENTIVE ERROR",
     .switches = HiddenBy(model::NoDemandRebate),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_DemandRebate(v.asFloat());
           t.staged.demandRebate = v.number;
         },
     .keep = keepAmount<&K::demandRebate>},
    {.tag = "CHU=",
     .check = zeroOrOne(),
     .message = "REBATE/CHARGE UNIT ERROR",
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_DemandUnit(static_cast<model::DemandUnit>(v.whole));
           t.staged.header.demandUnit = static_cast<model::DemandUnit>(v.whole);
         }},
    {.tag = "BYR=",
     .check = zeroOrOne(),
     .message = "BYPASS REQUEST ERROR",
     .switches = HiddenBy(model::NoBypass),
     .apply = setWhole<&S::Set_BypassRequired>,
     .keep = keepWhole<&K::bypassRequired>},
    // Taken from the key line, so in upper case.
    {.tag = "CAT=", .apply = setCatalogNumber},
    {.tag = "SPR=",
     .check = number(model::kPrmDriveCost),
     .message = "DRIVE SELL PRICE ERROR",
     .apply = setAmount<&S::Set_DriveCost>,
     .parameterLine = 9},
    {.tag = "NSY=",
     .check = whole(0, 250),
     .message = "NUMBER OF SYSTEMS ERROR",
     .apply = setWhole<&S::Set_Quantity>},
    {.tag = "INC=",
     .check = number(model::kPrmInstallCost),
     .message = "INSTALLATION COST ERROR",
     .apply = setAmount<&S::Set_InstallCost>},
    {.tag = "URB=",
     .check = number(model::kPrmUtilityIncentive),
     .message = "UTILITY REBATE ERROR",
     .switches = HiddenBy(model::NoUtilityIncentive),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_UtilityIncentive(v.asFloat());
           t.staged.utilityIncentive = v.number;
         },
     .keep = keepAmount<&K::utilityIncentive>},
    // The drive search of other editions: checked, never used.
    {.tag = "ASD=", .check = zeroOrOne(), .message = "AUTO SEARCH DRIVE ERROR"},
    {.tag = "ASC=", .check = zeroOrOne(), .message = "AUTO SEARCH CHANGED SELECTION ERROR"},
    {.tag = "PRS=",
     .check = dutyList(1),
     .message = "PEAK SELECTION ERROR",
     .switches = HiddenBy(model::NoAlternateRate),
     .apply = setPeakPoints},
    {.tag = "FTC=",
     .check = dutyList(100),
     .message = "FLOW RATE ERROR",
     .switches = HiddenBy(model::FixedFlowPoints),
     .apply = setPoints<&S::Set_FlowPercent>},
    {.tag = "DTC=",
     .check = dutyList(100, 100),
     .message = "DUTY CYCLE ERROR",
     .apply = setPoints<&S::Set_TimePercent>},
    {.tag = "HPD=",
     .check = whole(1, 24),
     .message = "HOURS PER DAY ERROR",
     .apply = setWhole<&S::Set_HoursPerDay>,
     .parameterLine = 1},
    {.tag = "DPW=",
     .check = whole(1, 7),
     .message = "DAYS PER WEEK ERROR",
     .apply = setWhole<&S::Set_DaysPerWeek>,
     .parameterLine = 2},
    {.tag = "WPY=",
     .check = whole(1, 52),
     .message = "WEEKS PER YEAR ERROR",
     .apply = setWhole<&S::Set_WeeksPerYear>,
     .parameterLine = 3},
    {.tag = "HSL=",
     .check = whole(0, 1),
     .message = "HOURS SELECTION ERROR",
     .apply = setWhole<&S::Set_HoursPerYearMode>},
    {.tag = "HPY=",
     .check = whole(0, 8760),
     .message = "HOURS PER YEAR ERROR",
     .apply = setWhole<&S::Set_HoursPerYear>},
    {.tag = "URI=",
     .check = whole(0, 1),
     .message = "UTILITY REBATE INTERVAL ERROR",
     .switches = HiddenByEither(model::NoUtilityIncentive, model::NoYearlyIncentive),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_IncentiveOneTime(static_cast<std::int16_t>(v.whole));
           t.staged.header.utilityIncentiveOneTime = v.whole == 1;
         },
     .keep = keepWhole<&K::incentiveOneTime>},
    {.tag = "UMR=",
     .check = number(model::kPrmPowerIncentive),
     .message = "UTILITY MOTOR POWER REBATE ERROR",
     .switches = HiddenBy(model::NoSystemIncentive),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_PowerIncentive(v.asFloat());
           t.staged.powerIncentive = v.number;
         },
     .parameterLine = 8},
    {.tag = "DME=",
     .check = number(model::kPrmDriveMotorEfficiency),
     .message = "DRIVE MOTOR EFFICIENCY ERROR",
     .switches = HiddenBy(model::NoDriveMotorEfficiency),
     .apply = setAmount<&S::Set_DriveMotorEfficiency>,
     .keep = keepAmount<&K::driveMotorEfficiency>},
    {.tag = "UMI=",
     .check = whole(0, 1),
     .message = "UTILITY MOTOR POWER REBATE INTERVAL ERROR",
     .switches = HiddenBy(model::NoSystemIncentive),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_PowerIncentiveOneTime(static_cast<std::int16_t>(v.whole));
           t.staged.powerIncentiveOneTime = v.whole == 1;
         },
     .parameterLine = 73},
    {.tag = "URP=",
     .check = whole(0, 1),
     .message = "UTILITY MOTOR POWER REBATE PER ERROR",
     .switches = HiddenByEither(model::NoSystemIncentive, model::NoPerSystemRebateUnit),
     .apply =
         [](TagTarget& t, const TagValue& v) {
           t.system.Set_IncentiveUnit(static_cast<model::IncentiveUnit>(v.whole));
           t.staged.incentiveUnit = static_cast<model::IncentiveUnit>(v.whole);
         },
     .keep = keepWhole<&K::incentiveUnit>},
};

// The four characters of a tag as one number, so that finding a tag is a
// handful of integer compares per line.
constexpr std::uint32_t tagCode(std::string_view tag) {
  std::uint32_t code = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    code = (code << 8) | static_cast<unsigned char>(i < tag.size() ? tag[i] : 0);
  }
  return code;
}

constexpr auto kTagCodes = [] {
  std::array<std::uint32_t, std::size(kTagRules)> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = tagCode(kTagRules[i].tag);
  return codes;
}();

// The leading digits of a value that must start with one. Twelve digits are
// above every limit, so the number stays small.
std::optional<long long> leadingInteger(std::string_view value) {
  if (value.empty() || !text::isDigit(value.front())) return std::nullopt;
  long long number = 0;
  for (std::size_t i = 0; i < value.size() && text::isDigit(value[i]); ++i) {
    if (i >= 12) return 1'000'000'000'000LL;
    number = number * 10 + (value[i] - '0');
  }
  return number;
}

bool leadingUpTo(std::string_view value, long long high, TagValue& out) {
  const auto n = leadingInteger(value);
  if (!n || *n > high) return false;
  out.whole = *n;
  return true;
}

// "," and ";" close a value; whatever follows the tenth one is not read.
bool readDutyList(std::string_view value, long long high, TagValue& out) {
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != ',' && value[i] != ';') continue;
    if (++count > out.list.size()) return false;
    const auto n = text::parseInteger(value.substr(start, i - start));
    // Negative shares or flows would wrap in the record's unsigned fields.
    if (!n || *n < 0 || *n > high) return false;
    out.list[count - 1] = static_cast<std::uint16_t>(*n);
    start = i + 1;
  }
  return count == out.list.size();
}

}  // namespace

const TagRule* FindTag(std::string_view tag, std::size_t* next) {
  if (tag.size() != 4) return nullptr;
  const std::uint32_t code = tagCode(tag);
  const std::size_t count = kTagCodes.size();
  std::size_t i = next != nullptr && *next < count ? *next : 0;
  for (std::size_t n = 0; n < count; ++n, i = i + 1 == count ? 0 : i + 1) {
    if (kTagCodes[i] != code) continue;
    if (next != nullptr) *next = i + 1;
    return &kTagRules[i];
  }
  return nullptr;
}

const TagRule* FindParameterTag(int parameterLine) {
  if (parameterLine <= 0) return nullptr;
  for (const TagRule& rule : kTagRules) {
    if (rule.parameterLine == parameterLine) return &rule;
  }
  return nullptr;
}

bool ApplicationOffered(long long type) {
  switch (type) {
    case 0:
      return !model::FeatureOff(model::NoFan);
    case 1:
      return !model::FeatureOff(model::NoPump);
    case 2:
      return !model::FeatureOff(model::NoCoolingTower);
    default:
      return false;
  }
}

bool CheckTagValue(const TagRule& rule, std::string_view value,
                   const model::ParameterCatalogue& catalogue, TagValue& out) {
  const TagCheck& check = rule.check;
  out.text = value;
  switch (check.kind) {
    case Kind::Text:
      return true;
    case Kind::Number: {
      const auto n = text::parseNumber(value);
      // No amount, rate or efficiency is negative; a negative one only gives
      // nonsense (and would not fit every field it is kept in).
      if (!n || *n < 0 || *n > catalogue.Get_Prm_Maximum(check.parameter)) return false;
      out.number = *n;
      return true;
    }
    case Kind::ZeroOrOne:
      if (value.empty() || (value.front() != '0' && value.front() != '1')) return false;
      return leadingUpTo(value, check.high, out);
    case Kind::Leading:
      return leadingUpTo(value, check.high, out);
    case Kind::Application:
      return leadingUpTo(value, check.high, out) && ApplicationOffered(out.whole);
    case Kind::Whole: {
      const auto n = text::parseInteger(value);
      if (!n || *n < check.low || *n > check.high) return false;
      out.whole = *n;
      return true;
    }
    case Kind::DutyList: {
      if (!readDutyList(value, check.high, out)) return false;
      int sum = 0;
      for (const std::uint16_t share : out.list) sum += share;
      return check.sumLimit == 0 || sum <= check.sumLimit;
    }
  }
  return false;
}

}  // namespace korvane::projectfile
