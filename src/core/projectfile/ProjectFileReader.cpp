#include "projectfile/ProjectFileReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <istream>
#include <sstream>
#include <vector>

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/MessageSink.h"
#include "projectfile/ProjectFileWriter.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

namespace korvane::projectfile {

namespace {

using model::FeatureOff;
using model::TVexEnergySystem;

constexpr std::string_view kItemNotClosed = "ITEM NOT CLOSED ERROR !";
constexpr std::string_view kItemInformationError = "ITEM INFORMATION ERROR";
// Our own words for the failures that would otherwise go unexplained.
constexpr std::string_view kTooManySystems =
    "The project file holds more than 250 systems; a project can hold at most 250";
constexpr std::string_view kIncompleteSettings =
    "The project file is incomplete: it must hold all of the sections [CURRENCY MODE], "
    "[DIMENSION MODE] and [POWER] with valid values, or none of them.";
constexpr std::string_view kDriveEfficiencyError = "DRIVE EFFICIENCY ERROR";
constexpr std::string_view kCfpRatioError = "CFP RATIO ERROR";
constexpr std::string_view kFlowTypeError = "FLOW TYPE ERROR";
constexpr std::string_view kSystemCountError = "SYSTEM COUNT ERROR";
// A pump has no outlet damper.
constexpr int kPumpApplication = 1;
constexpr int kOutletDamperControl = 1;

constexpr int kMaxTagsPerBlock = 35;
constexpr int kInfoFieldCount = 12;

enum class Section {
  None,
  Address,
  Application,
  CarbonFootprintMode,
  CarbonFootprintTitle,
  CarbonFootprintWeight,
  Cfp01,
  Cfp02,
  Cfp03,
  Cfpc1,
  City,
  Company,
  Contact,
  Country,
  CurrencyMode,
  CustomCurrency,
  Custom1Efficiency,
  Custom1Selected,
  Custom1Title,
  Custom2Efficiency,
  Custom2Selected,
  Custom2Title,
  DataEnergySaver,
  DimensionMode,
  DriveEfficiency,
  Email,
  FaxNum,
  FileInfo,
  Incentive,
  Info,
  InletVaneEfficiency,
  OutletDamperEfficiency,
  Power,
  Project,
  ProjectType,
  State,
  SystemItemEnd,
  SystemItemStart,
  TelArea,
  TelNum,
  ThrottlingValveEfficiency,
  Title,
  Zip,
};

struct SectionName {
  std::string_view name;
  Section section;
};

constexpr std::array<SectionName, 42> kSections = {{
    {"ADDRESS", Section::Address},
    {"APPLICATION", Section::Application},
    {"CARBON FOOTPRINT MODE", Section::CarbonFootprintMode},
    {"CARBON FOOTPRINT TITLE", Section::CarbonFootprintTitle},
    {"CARBON FOOTPRINT WEIGHT", Section::CarbonFootprintWeight},
    {"CFP01", Section::Cfp01},
    {"CFP02", Section::Cfp02},
    {"CFP03", Section::Cfp03},
    {"CFPC1", Section::Cfpc1},
    {"CITY", Section::City},
    {"COMPANY", Section::Company},
    {"CONTACT", Section::Contact},
    {"COUNTRY", Section::Country},
    {"CURRENCY MODE", Section::CurrencyMode},
    {"CUSTOM CURRENCY", Section::CustomCurrency},
    {"CUSTOM1 EFFICIENCY", Section::Custom1Efficiency},
    {"CUSTOM1 EFFICIENCY SELECTED", Section::Custom1Selected},
    {"CUSTOM1 TITLE", Section::Custom1Title},
    {"CUSTOM2 EFFICIENCY", Section::Custom2Efficiency},
    {"CUSTOM2 EFFICIENCY SELECTED", Section::Custom2Selected},
    {"CUSTOM2 TITLE", Section::Custom2Title},
    {"DATA ENERGY SAVER", Section::DataEnergySaver},
    {"DIMENSION MODE", Section::DimensionMode},
    {"DRIVE EFFICIENCY", Section::DriveEfficiency},
    {"EMAIL", Section::Email},
    {"FAXNUM", Section::FaxNum},
    {"FILE INFO", Section::FileInfo},
    {"INCENTIVE", Section::Incentive},
    {"INFO", Section::Info},
    {"INLET VANE EFFICIENCY", Section::InletVaneEfficiency},
    {"OUTLET DAMPER EFFICIENCY", Section::OutletDamperEfficiency},
    {"POWER", Section::Power},
    {"PROJECT", Section::Project},
    {"PROJECT-TYPE", Section::ProjectType},
    {"STATE", Section::State},
    {"SYSTEM ITEM END", Section::SystemItemEnd},
    {"SYSTEM ITEM START", Section::SystemItemStart},
    {"TEL-AREA", Section::TelArea},
    {"TELNUM", Section::TelNum},
    {"THROTTLING VALVE EFFICIENCY", Section::ThrottlingValveEfficiency},
    {"TITLE", Section::Title},
    {"ZIP", Section::Zip},
}};

// The curve sections: staged slot, error text, curve type of the catalogue.
struct CurveSection {
  Section section;
  StagedCurve staged;
  std::string_view error;
};
constexpr std::array<CurveSection, 5> kCurveSections = {{
    {Section::OutletDamperEfficiency, kStagedOutletDamper, "OUTLET DAMPER EFFICIENCY ERROR"},
    {Section::InletVaneEfficiency, kStagedInletVane, "INLET VANE EFFICIENCY ERROR"},
    {Section::ThrottlingValveEfficiency, kStagedThrottlingValve,
     "THROTTLING VALVE EFFICIENCY ERROR"},
    {Section::Custom1Efficiency, kStagedCustom1, "CUSTOM1 EFFICIENCY ERROR"},
    {Section::Custom2Efficiency, kStagedCustom2, "CUSTOM2 EFFICIENCY ERROR"},
}};

std::string_view trimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string upperAscii(std::string_view s) {
  std::string upper(s);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Bytes of the file (Windows-1252) cut to a field's length, as UTF-8.
std::string fieldText(std::string_view bytes, size_t length) {
  return text::cp1252ToUtf8(bytes.substr(0, std::min(bytes.size(), length)));
}

// The leading digits of a value that must start with one (at most nine, so
// that the number stays small; more digits are above every limit anyway).
std::optional<long long> leadingInteger(std::string_view value) {
  if (value.empty() || !isDigit(value.front())) return std::nullopt;
  long long number = 0;
  size_t i = 0;
  for (; i < value.size() && isDigit(value[i]); ++i) {
    if (i >= 12) return 1'000'000'000'000LL;  // far above any limit
    number = number * 10 + (value[i] - '0');
  }
  return number;
}

std::uint16_t clampUnsigned16(double value) {
  if (!(value > 0)) return 0;
  return static_cast<std::uint16_t>(std::min(value, 65535.0));
}

}  // namespace

// One read of one file: the reader state of the loop.
class ProjectFileReader::Run {
 public:
  Run(const model::ParameterCatalogue& catalogue, MessageSink& messages, StagedProject& staged)
      : catalogue_(catalogue), messages_(messages), staged_(staged) {}

  bool read(std::istream& in);

 private:
  void resetScratch() { model::TVexEnergyProjectAnalysis::Set_New_System_Defaults(scratch_); }
  void error(std::string_view text) { errorAt(text, lineLabel_); }
  void errorAt(std::string_view text, const std::string& label);
  void keepScratch();
  void handleLine(std::string_view raw);
  void handleSectionLine(std::string_view raw, std::string_view trimmed, const std::string& key);
  void handleTag(std::string_view trimmed, const std::string& key);
  void handleParameterLine(const std::string& key);
  void handleInfoLine(std::string_view raw);
  void handleCurveLine(const std::string& key, const CurveSection& curve);
  void applicationValue(long long type);
  bool endBlock();
  bool finish();

  bool numberUpTo(std::string_view value, int parameter, double& out) const;
  std::optional<std::array<std::uint16_t, 10>> dutyList(std::string_view value, int limit) const;

  const model::ParameterCatalogue& catalogue_;
  MessageSink& messages_;
  StagedProject& staged_;
  TVexEnergySystem scratch_;

  Section section_ = Section::None;
  long long lineNumber_ = 0;
  std::string lineLabel_;
  bool error_ = false;
  bool stop_ = false;  // ends the read at once, without a further message
  bool blockOpen_ = false;
  int systemCount_ = 0;
  int blockTags_ = 0;
  int infoLines_ = 0;
  int blocksStarted_ = 0;
  std::string secondBlockLabel_;  // where a second system block starts
  std::string flowLineLabel_;     // the FLW line of the open block
  std::array<double, 10> dataSaverTime_{};
  std::array<std::array<double, 10>, kStagedCurveCount> dataSaverCurves_{};
};

void ProjectFileReader::Run::errorAt(std::string_view text, const std::string& label) {
  if (error_) return;
  error_ = true;
  const std::string message = std::string(text) + ": " + label + ".";
  messages_.show(MessageKind::Error, message, MessageButtons::Ok);
}

void ProjectFileReader::Run::keepScratch() {
  auto system = std::make_shared<TVexEnergySystem>();
  system->Copy_System(scratch_);
  staged_.systems.push_back(std::move(system));
}

bool ProjectFileReader::Run::read(std::istream& in) {
  resetScratch();
  std::string line;
  while (true) {
    if (error_ || stop_) return false;
    // Lines end with CR LF, LF or a lone CR.
    line.clear();
    int c = 0;
    bool any = false;
    while ((c = in.get()) != std::char_traits<char>::eof()) {
      any = true;
      if (c == '\n') break;
      if (c == '\r') {
        if (in.peek() == '\n') in.get();
        break;
      }
      line.push_back(static_cast<char>(c));
    }
    if (!any) break;
    ++lineNumber_;
    lineLabel_ = ("LINE " + std::to_string(lineNumber_)).substr(0, 10);
    handleLine(line);
  }
  if (in.bad()) {
    messages_.show(MessageKind::Warning, kFileError, MessageButtons::Ok);
    return false;
  }
  return finish();
}

void ProjectFileReader::Run::handleLine(std::string_view raw) {
  const std::string_view trimmed = trimSpaces(raw);
  const std::string key = upperAscii(trimmed);
  if (key.size() > 2 && key.front() == '[' && key.back() == ']') {
    const std::string_view name = std::string_view(key).substr(1, key.size() - 2);
    for (const SectionName& known : kSections) {
      if (known.name != name) continue;
      section_ = known.section;
      if (section_ == Section::SystemItemStart) {
        blockOpen_ = true;
        blockTags_ = 0;
        flowLineLabel_.clear();
        if (++blocksStarted_ == 2) secondBlockLabel_ = lineLabel_;
        resetScratch();
      } else if (section_ == Section::SystemItemEnd) {
        blockOpen_ = false;
        if (!endBlock()) stop_ = true;
      }
      return;
    }
  }
  handleSectionLine(raw, trimmed, key);
}

void ProjectFileReader::Run::handleSectionLine(std::string_view raw, std::string_view trimmed,
                                               const std::string& key) {
  if (section_ == Section::Info) {
    handleInfoLine(raw);
    return;
  }
  if (key.empty()) return;
  ProjectHeader& h = staged_.header;
  auto text = [&](std::string& target, size_t length) { target = fieldText(raw, length); };
  auto mode = [&](std::optional<int>& target) {
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '3') target = key[0] - '0';
  };
  auto flag = [&](std::optional<bool>& target) {
    if (key == "0" || key == "1") target = key == "1";
  };
  auto factor = [&](int index) {
    const auto value = text::parseNumber(key);
    if (!value || *value < 0 || *value > 3) return error(kCfpRatioError);
    staged_.co2Factors[static_cast<size_t>(index)] = *value;
  };

  switch (section_) {
    case Section::None:
    case Section::FileInfo:
    case Section::SystemItemEnd:
    case Section::Incentive:
    case Section::CarbonFootprintWeight:
      return;
    case Section::Project:
      return text(h.projectName, 45);
    case Section::Contact:
      return text(h.contact, 45);
    case Section::Company:
      return text(h.company, 45);
    case Section::Title:
      return text(h.title, 25);
    case Section::Address:
      return text(h.address, 45);
    case Section::City:
      return text(h.city, 45);
    case Section::State:
      return text(h.state, 2);
    case Section::Zip:
      return text(h.zip, 20);
    case Section::Country:
      return text(h.country, 45);
    case Section::TelArea:
      return text(h.telArea, 3);
    case Section::TelNum:
      return text(h.telNumber, 25);
    case Section::FaxNum:
      return text(h.faxNumber, 25);
    case Section::Email:
      return text(h.email, 45);
    case Section::Custom1Title:
      staged_.customTitles[0] = fieldText(raw, 30);
      return;
    case Section::Custom2Title:
      staged_.customTitles[1] = fieldText(raw, 30);
      return;
    case Section::CustomCurrency:
      staged_.customCurrency = fieldText(raw, 5);
      return;
    case Section::CarbonFootprintTitle:
      staged_.co2Title = fieldText(raw, 60);
      return;
    case Section::Power:
      if (key == "HP" || key == "KW") staged_.powerInKw = key == "KW";
      return;
    case Section::CurrencyMode:
      return mode(staged_.currencyMode);
    case Section::CarbonFootprintMode:
      return mode(staged_.co2Mode);
    case Section::DimensionMode: {
      std::optional<bool> metric;
      flag(metric);
      if (metric) staged_.metricUnits = metric;
      return;
    }
    case Section::Custom1Selected:
      return flag(staged_.customSelected[0]);
    case Section::Custom2Selected:
      return flag(staged_.customSelected[1]);
    case Section::Cfp01:
      return factor(0);
    case Section::Cfp02:
      return factor(1);
    case Section::Cfp03:
      return factor(2);
    case Section::Cfpc1:
      return factor(3);
    case Section::DriveEfficiency: {
      // A drive that draws nothing would "save" everything.
      const auto value = text::parseNumber(key);
      if (!value || *value < catalogue_.Get_Prm_Minimum(model::kPrmDriveEfficiency) ||
          *value > catalogue_.Get_Prm_Maximum(model::kPrmDriveEfficiency)) {
        return error(kDriveEfficiencyError);
      }
      staged_.driveEfficiency = *value;
      return;
    }
    case Section::ProjectType: {
      const auto value = isDigit(key.front()) ? text::parseInteger(key) : std::nullopt;
      if (!value || *value < 0 || *value > 1 ||
          (*value == 1 && FeatureOff(model::SingleSystemOnly))) {
        return error("PROJECT TYPE ERROR");
      }
      staged_.projectMode = static_cast<int>(*value);
      return;
    }
    case Section::OutletDamperEfficiency:
    case Section::InletVaneEfficiency:
    case Section::ThrottlingValveEfficiency:
    case Section::Custom1Efficiency:
    case Section::Custom2Efficiency:
      for (const CurveSection& curve : kCurveSections) {
        if (curve.section == section_) handleCurveLine(key, curve);
      }
      return;
    case Section::Application:
      if (key == "FAN") return applicationValue(0);
      if (key == "PUMP") return applicationValue(1);
      if (key == "COOLING TOWER") return applicationValue(2);
      return error("APPLICATION TYPE ERROR");
    case Section::SystemItemStart:
      return handleTag(trimmed, key);
    case Section::DataEnergySaver:
      return handleParameterLine(key);
    case Section::Info:
      return;
  }
}

void ProjectFileReader::Run::handleInfoLine(std::string_view raw) {
  if (infoLines_ >= kInfoFieldCount) return;
  ProjectHeader& h = staged_.header;
  if (infoLines_ >= kInfoFieldCount - 2) {
    // An empty line names no custom control, as in the title sections (and
    // as a saved file says it), so the title stays as it is.
    const auto index = static_cast<size_t>(infoLines_++ - (kInfoFieldCount - 2));
    if (!trimSpaces(raw).empty()) staged_.customTitles[index] = fieldText(raw, 30);
    return;
  }
  struct InfoField {
    std::string* target;
    size_t length;
  };
  const InfoField fields[kInfoFieldCount - 2] = {
      {&h.contact, 45}, {&h.title, 25},       {&h.company, 45},   {&h.address, 45},
      {&h.zip, 20},     {&h.country, 45},     {&h.telNumber, 25}, {&h.faxNumber, 25},
      {&h.email, 45},   {&h.projectName, 45},
  };
  const InfoField& f = fields[infoLines_++];
  *f.target = fieldText(raw, f.length);
}

void ProjectFileReader::Run::handleCurveLine(const std::string& key, const CurveSection& curve) {
  std::array<double, 10> values{};
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= key.size(); ++i) {
    if (i < key.size()) {
      const char c = key[i];
      if (!isDigit(c) && c != '-' && c != '.' && c != ',') return error(curve.error);
      if (c != ',') continue;
    }
    parts.push_back(std::string_view(key).substr(start, i - start));
    start = i + 1;
  }
  // Ten values, or nine and an empty tenth; no empty value before a comma.
  if (parts.size() != 10) return error(curve.error);
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (parts[i].empty()) return error(curve.error);
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    values[i] = text::parseNumber(parts[i]).value_or(0);
    // The range the preferences dialog accepts; anything else draws nonsense.
    if (!(values[i] >= 0 && values[i] <= 1)) return error(curve.error);
  }
  staged_.curves[static_cast<size_t>(curve.staged)] = values;
}

void ProjectFileReader::Run::applicationValue(long long type) {
  const bool offered =
      !((type == 0 && FeatureOff(model::NoFan)) || (type == 1 && FeatureOff(model::NoPump)) ||
        (type == 2 && FeatureOff(model::NoCoolingTower)));
  if (type > 2 || !offered) return error("APPLICATION TYPE ERROR");
  if (FeatureOff(model::HideApplicationType)) return;
  scratch_.Set_ApplicationType(static_cast<std::int32_t>(type));
  if (section_ == Section::SystemItemStart) ++blockTags_;
}

bool ProjectFileReader::Run::numberUpTo(std::string_view value, int parameter, double& out) const {
  const auto number = text::parseNumber(value);
  // No amount, rate or efficiency is negative; a negative one only gives
  // nonsense (and would not fit every field it is kept in).
  if (!number || *number < 0 || *number > catalogue_.Get_Prm_Maximum(parameter)) return false;
  out = *number;
  return true;
}

std::optional<std::array<std::uint16_t, 10>> ProjectFileReader::Run::dutyList(
    std::string_view value, int limit) const {
  std::array<std::uint16_t, 10> values{};
  int count = 0;
  std::string current;
  for (char c : value) {
    if (c != ',' && c != ';') {
      current.push_back(c);
      continue;
    }
    if (++count > 10) return std::nullopt;
    const auto number = text::parseInteger(current);
    // Negative shares or flows would wrap in the record's unsigned fields.
    if (!number || *number < 0 || *number > limit) return std::nullopt;
    values[static_cast<size_t>(count - 1)] = static_cast<std::uint16_t>(*number);
    current.clear();
  }
  if (count != 10) return std::nullopt;
  return values;
}

void ProjectFileReader::Run::handleTag(std::string_view trimmed, const std::string& key) {
  if (key.size() < 4) return;
  const std::string tag = key.substr(0, 4);
  const std::string_view value = std::string_view(key).substr(4);
  const std::string_view caseKept = trimmed.substr(4);
  if (value.empty()) return;

  // Checks the value, then applies it unless the feature is switched off.
  // A value a switch hides is kept as read (keep), for the next save.
  auto take = [&](bool valid, std::string_view errorText, bool switchedOff,
                  const std::function<void()>& effect, const std::function<void()>& keep = {}) {
    if (!valid) return error(errorText);
    if (switchedOff) {
      if (keep) keep();
      return;
    }
    effect();
    ++blockTags_;
  };
  auto number = [&](int parameter, double& out) { return numberUpTo(value, parameter, out); };
  auto leading = [&](long long limit, long long& out, bool zeroOrOne = false) {
    if (zeroOrOne && value.front() != '0' && value.front() != '1') return false;
    const auto n = leadingInteger(value);
    if (!n || *n > limit) return false;
    out = *n;
    return true;
  };
  auto whole = [&](long long low, long long high, long long& out) {
    const auto n = text::parseInteger(value);
    if (!n || *n < low || *n > high) return false;
    out = *n;
    return true;
  };
  auto asFloat = [](double x) { return static_cast<float>(x); };
  model::KeptInputs& kept = scratch_.Kept();
  double x = 0;
  long long n = 0;

  if (tag == "APP=") {
    scratch_.Set_Identification(text::cp1252ToUtf8(caseKept));
    ++blockTags_;
  } else if (tag == "ATP=") {
    if (!leading(2, n)) return error("APPLICATION TYPE ERROR");
    applicationValue(n);
  } else if (tag == "MHR=") {
    take(
        number(model::kPrmMinimumHead, x), "MIN. HEAD REQUIREMENT ERROR",
        FeatureOff(model::NoMinimumHead), [&] { scratch_.Set_MinimumHead(asFloat(x)); },
        [&] { kept.minimumHead = asFloat(x); });
  } else if (tag == "FLW=") {
    flowLineLabel_ = lineLabel_;
    take(leading(4, n), kFlowTypeError, FeatureOff(model::NoFlowControlType), [&] {
      scratch_.Set_FlowControl(static_cast<std::int32_t>(n));
      scratch_.Set_PresentAcrossTheLine(n == 4 ? 1 : 0);
    });
  } else if (tag == "MHP=") {
    take(number(model::kPrmMotorPower, x), "MOTOR POWER ERROR", false,
         [&] { scratch_.Set_MotorHp(asFloat(x)); });
  } else if (tag == "MEF=") {
    take(number(model::kPrmMotorEfficiency, x), "MOTOR EFFICIENCY ERROR", false, [&] {
      scratch_.Set_MotorEfficiency(asFloat(x));
      if (!FeatureOff(model::NoDriveMotorEfficiency) && scratch_.DriveMotorEfficiency() == 0) {
        scratch_.Set_DriveMotorEfficiency(asFloat(x));
      }
    });
  } else if (tag == "DME=") {
    take(
        number(model::kPrmDriveMotorEfficiency, x), "DRIVE MOTOR EFFICIENCY ERROR",
        FeatureOff(model::NoDriveMotorEfficiency),
        [&] { scratch_.Set_DriveMotorEfficiency(asFloat(x)); },
        [&] { kept.driveMotorEfficiency = asFloat(x); });
  } else if (tag == "MVL=") {
    take(
        leading(7, n), "MOTOR VOLTAGE ERROR", FeatureOff(model::NoVoltage),
        [&] { scratch_.Set_VoltageClass(static_cast<std::int32_t>(n)); },
        [&] { kept.voltageClass = static_cast<std::int32_t>(n); });
  } else if (tag == "MFL=") {
    take(
        number(model::kPrmMotorFla, x), "MOTOR FLA ERROR", FeatureOff(model::NoFla),
        [&] { scratch_.Set_MotorFla(asFloat(x)); }, [&] { kept.motorFla = asFloat(x); });
  } else if (tag == "CHU=") {
    take(leading(1, n, true), "REBATE/CHARGE UNIT ERROR", false, [&] {
      scratch_.Set_DemandUnit(static_cast<std::int32_t>(n));
      staged_.header.demandUnitItem = static_cast<int>(n);
    });
  } else if (tag == "UNM=") {
    const std::string name = fieldText(caseKept, 45);
    scratch_.Set_UtilityName(name);
    staged_.header.utilityName = name;
    ++blockTags_;
  } else if (tag == "URT=") {
    take(number(model::kPrmEnergyRate, x), "UTILITY RATE ERROR", false, [&] {
      scratch_.Set_EnergyRate(asFloat(x));
      staged_.energyRate = x;
    });
  } else if (tag == "ART=") {
    take(number(model::kPrmAlternateRate, x), "ALTERNATIVE RATE ERROR",
         FeatureOff(model::NoAlternateRate), [&] {
           scratch_.Set_AlternateRate(asFloat(x));
           staged_.alternateRate = x;
         });
  } else if (tag == "DCH=") {
    take(
        number(model::kPrmDemandCharge, x), "DEMAND CHARGE ERROR",
        FeatureOff(model::NoDemandCharge),
        [&] {
          scratch_.Set_DemandCharge(asFloat(x));
          staged_.demandCharge = x;
        },
        [&] { kept.demandCharge = asFloat(x); });
  } else if (tag == "DMR=") {
    take(
        number(model::kPrmDemandRebate, x), "UTILITY INCENTIVE ERROR",
        FeatureOff(model::NoDemandRebate),
        [&] {
          scratch_.Set_DemandRebate(asFloat(x));
          staged_.demandRebate = x;
        },
        [&] { kept.demandRebate = asFloat(x); });
  } else if (tag == "BYR=") {
    take(
        leading(1, n, true), "BYPASS REQUEST ERROR", FeatureOff(model::NoBypass),
        [&] { scratch_.Set_BypassRequired(static_cast<std::int16_t>(n)); },
        [&] { kept.bypassRequired = static_cast<std::int16_t>(n); });
  } else if (tag == "CAT=") {
    scratch_.Set_CatalogNumber(text::cp1252ToUtf8(value));
    ++blockTags_;
  } else if (tag == "ASD=") {
    if (!leading(1, n, true)) error("AUTO SEARCH DRIVE ERROR");
  } else if (tag == "ASC=") {
    if (!leading(1, n, true)) error("AUTO SEARCH CHANGED SELECTION ERROR");
  } else if (tag == "SPR=") {
    take(number(model::kPrmDriveCost, x), "DRIVE SELL PRICE ERROR", false,
         [&] { scratch_.Set_DriveCost(asFloat(x)); });
  } else if (tag == "NSY=") {
    take(whole(0, 250, n), "NUMBER OF SYSTEMS ERROR", false,
         [&] { scratch_.Set_Quantity(static_cast<std::uint16_t>(n)); });
  } else if (tag == "INC=") {
    take(number(model::kPrmInstallCost, x), "INSTALLATION COST ERROR", false,
         [&] { scratch_.Set_InstallCost(asFloat(x)); });
  } else if (tag == "URB=") {
    take(
        number(model::kPrmUtilityIncentive, x), "UTILITY REBATE ERROR",
        FeatureOff(model::NoUtilityIncentive),
        [&] {
          scratch_.Set_UtilityIncentive(asFloat(x));
          staged_.utilityIncentive = x;
        },
        [&] { kept.utilityIncentive = asFloat(x); });
  } else if (tag == "UMR=") {
    take(number(model::kPrmPowerIncentive, x), "UTILITY MOTOR POWER REBATE ERROR",
         FeatureOff(model::NoSystemIncentive), [&] {
           scratch_.Set_PowerIncentive(asFloat(x));
           staged_.powerIncentive = x;
         });
  } else if (tag == "DTC=") {
    auto list = dutyList(value, 100);
    int sum = 0;
    if (list) {
      for (auto v : *list) sum += v;
    }
    take(list && sum <= 100, "DUTY CYCLE ERROR", false, [&] {
      for (int p = 1; p <= 10; ++p)
        scratch_.Set_TimePercent(p, (*list)[static_cast<size_t>(p - 1)]);
    });
  } else if (tag == "FTC=") {
    auto list = dutyList(value, 100);
    take(list.has_value(), "FLOW RATE ERROR", FeatureOff(model::FixedFlowPoints), [&] {
      for (int p = 1; p <= 10; ++p)
        scratch_.Set_FlowPercent(p, (*list)[static_cast<size_t>(p - 1)]);
    });
  } else if (tag == "PRS=") {
    auto list = dutyList(value, 1);
    take(list.has_value(), "PEAK SELECTION ERROR", FeatureOff(model::NoAlternateRate), [&] {
      for (int p = 1; p <= 10; ++p) {
        scratch_.Set_AltRateAtPoint(p, (*list)[static_cast<size_t>(p - 1)] > 0 ? 1 : 0);
      }
    });
  } else if (tag == "HSL=") {
    take(whole(0, 1, n), "HOURS SELECTION ERROR", false,
         [&] { scratch_.Set_HoursPerYearMode(static_cast<std::int16_t>(n)); });
  } else if (tag == "URI=") {
    take(
        whole(0, 1, n), "UTILITY REBATE INTERVAL ERROR",
        FeatureOff(model::NoUtilityIncentive) || FeatureOff(model::NoYearlyIncentive),
        [&] {
          scratch_.Set_IncentiveOneTime(static_cast<std::int16_t>(n));
          staged_.header.utilityIncentiveOneTime = n == 1;
        },
        [&] { kept.incentiveOneTime = static_cast<std::int16_t>(n); });
  } else if (tag == "UMI=") {
    take(whole(0, 1, n), "UTILITY MOTOR POWER REBATE INTERVAL ERROR",
         FeatureOff(model::NoSystemIncentive), [&] {
           scratch_.Set_PowerIncentiveOneTime(static_cast<std::int16_t>(n));
           staged_.powerIncentiveOneTime = n == 1;
         });
  } else if (tag == "URP=") {
    take(
        whole(0, 1, n), "UTILITY MOTOR POWER REBATE PER ERROR",
        FeatureOff(model::NoSystemIncentive) || FeatureOff(model::NoPerSystemRebateUnit),
        [&] {
          scratch_.Set_IncentiveUnit(static_cast<std::int32_t>(n));
          staged_.incentiveUnit = static_cast<int>(n);
        },
        [&] { kept.incentiveUnit = static_cast<std::int32_t>(n); });
  } else if (tag == "HPY=") {
    take(whole(0, 8760, n), "HOURS PER YEAR ERROR", false,
         [&] { scratch_.Set_HoursPerYear(static_cast<std::uint16_t>(n)); });
  } else if (tag == "HPD=") {
    take(whole(1, 24, n), "HOURS PER DAY ERROR", false,
         [&] { scratch_.Set_HoursPerDay(static_cast<std::uint16_t>(n)); });
  } else if (tag == "DPW=") {
    take(whole(1, 7, n), "DAYS PER WEEK ERROR", false,
         [&] { scratch_.Set_DaysPerWeek(static_cast<std::uint16_t>(n)); });
  } else if (tag == "WPY=") {
    take(whole(1, 52, n), "WEEKS PER YEAR ERROR", false,
         [&] { scratch_.Set_WeeksPerYear(static_cast<std::uint16_t>(n)); });
  }
}

void ProjectFileReader::Run::handleParameterLine(const std::string& key) {
  constexpr std::string_view kError = "DATA ENERGY SAVER ERROR";
  const bool shape = key.size() > 12 && key[0] == 'P' && isDigit(key[1]) && isDigit(key[2]) &&
                     isDigit(key[3]) && key[4] == '=' && key[5] == 'A' && key[6] == '1' &&
                     key[7] == '-' && isDigit(key[8]) && isDigit(key[9]) && key[10] == '=';
  if (!shape) return error(kError);
  const int p = (key[1] - '0') * 100 + (key[2] - '0') * 10 + (key[3] - '0');
  std::string_view value = std::string_view(key).substr(11);
  value = value.substr(0, value.find(';'));
  if (value.empty()) return error(kError);
  for (char c : value) {
    if (!isDigit(c) && c != '-' && c != '.') return error(kError);
  }
  const double x = text::parseNumber(value).value_or(0);
  // Negative values and values beyond what the fields hold only give nonsense.
  if (!(x >= 0 && x <= 1e30)) return error(kError);
  const auto f = static_cast<float>(x);
  // A value stands for a tag and keeps within that tag's limits, so that the
  // project saved from it reads back (0 hours, days or weeks: not given).
  auto upTo = [&](double limit) { return x <= limit ? true : (error(kError), false); };
  auto upToParameter = [&](int n) { return upTo(catalogue_.Get_Prm_Maximum(n)); };

  if (p >= 1 && p <= 3) {
    if (!upTo(p == 1 ? 24 : p == 2 ? 7 : 52)) return;
    const std::uint16_t whole = clampUnsigned16(std::nearbyint(x));
    if (p == 1) scratch_.Set_HoursPerDay(whole);
    if (p == 2) scratch_.Set_DaysPerWeek(whole);
    if (p == 3) scratch_.Set_WeeksPerYear(whole);
  } else if (p == 4) {
    if (!upToParameter(model::kPrmEnergyRate)) return;
    scratch_.Set_EnergyRate(f);
    staged_.energyRate = x;
  } else if (p == 5) {
    if (!upToParameter(model::kPrmMotorPower)) return;
    scratch_.Set_MotorHp(f);
  } else if (p == 6) {
    if (!upToParameter(model::kPrmMotorEfficiency)) return;
    scratch_.Set_MotorEfficiency(f);
    if (!FeatureOff(model::NoDriveMotorEfficiency) && scratch_.DriveMotorEfficiency() == 0) {
      scratch_.Set_DriveMotorEfficiency(f);
    }
  } else if (p == 7 || p == 20) {
    if (x < catalogue_.Get_Prm_Minimum(model::kPrmDriveEfficiency) ||
        x > catalogue_.Get_Prm_Maximum(model::kPrmDriveEfficiency)) {
      return error(kError);
    }
    staged_.driveEfficiency = x;
  } else if (p == 8) {
    if (!upToParameter(model::kPrmPowerIncentive)) return;
    if (!FeatureOff(model::NoSystemIncentive)) {
      scratch_.Set_PowerIncentive(f);
      staged_.powerIncentive = x;
    }
  } else if (p == 9) {
    if (!upToParameter(model::kPrmDriveCost)) return;
    scratch_.Set_DriveCost(f);
  } else if (p >= 10 && p <= 19) {
    if (!upTo(100)) return;
    dataSaverTime_[static_cast<size_t>(p - 10)] = x;
    if (p == 19) {
      double sum = 0;
      for (double share : dataSaverTime_) sum += std::nearbyint(share);
      if (sum > 100) return error(kError);
      for (int i = 1; i <= 10; ++i) {
        scratch_.Set_TimePercent(
            i, clampUnsigned16(std::nearbyint(dataSaverTime_[static_cast<size_t>(i - 1)])));
      }
    }
  } else if (p >= 21 && p <= 70) {
    const int curve = (p - 21) / 10;  // damper, inlet vane, valve, custom 1, custom 2
    const int point = (p - 21) % 10;
    if (x > 1) return error(kError);
    dataSaverCurves_[static_cast<size_t>(curve)][static_cast<size_t>(point)] = x;
    if (point == 9)
      staged_.curves[static_cast<size_t>(curve)] = dataSaverCurves_[static_cast<size_t>(curve)];
  } else if (p == 71 || p == 72) {
    if (value != "0" && value != "1") return error(kError);
    staged_.customSelected[static_cast<size_t>(p - 71)] = value == "1";
  } else if (p == 73) {
    if (!FeatureOff(model::NoSystemIncentive)) {
      scratch_.Set_PowerIncentiveOneTime(static_cast<std::int16_t>(std::nearbyint(x) == 1 ? 1 : 0));
      staged_.powerIncentiveOneTime = std::nearbyint(x) == 1;
    }
  } else {
    error(kError);
  }
}

bool ProjectFileReader::Run::endBlock() {
  ++systemCount_;
  if (systemCount_ > model::kMaxSystems) {
    error(kTooManySystems);
    return false;
  }
  if (blockTags_ > kMaxTagsPerBlock) {
    error(kItemInformationError);
    return true;
  }
  if (scratch_.ApplicationType() == kPumpApplication &&
      scratch_.FlowControl() == kOutletDamperControl) {
    errorAt(kFlowTypeError, flowLineLabel_);
    return true;
  }
  keepScratch();
  return true;
}

bool ProjectFileReader::Run::finish() {
  if (error_) return false;
  if (blockOpen_) {
    messages_.show(MessageKind::Confirmation, kItemNotClosed, MessageButtons::Ok);
    return false;
  }
  const bool currency = staged_.currencyMode.has_value();
  const bool dimension = staged_.metricUnits.has_value();
  const bool power = staged_.powerInKw.has_value();
  if (currency && dimension && power) {
    // The current layout.
  } else if (currency && power && !dimension) {
    // One system written without blocks; a second block would be lost.
    if (blocksStarted_ > 1) {
      errorAt(kSystemCountError, secondBlockLabel_);
      return false;
    }
    systemCount_ = 1;
    staged_.projectMode = 0;
    staged_.metricUnits = false;
    staged_.systems.clear();
    keepScratch();
  } else if (!currency && !dimension && !power) {
    staged_.currencyMode = 1;
    staged_.metricUnits = false;
    staged_.powerInKw = false;
  } else {
    messages_.show(MessageKind::Error, kIncompleteSettings, MessageButtons::Ok);
    return false;
  }
  staged_.systemCount = systemCount_;
  return true;
}

ProjectFileReader::ProjectFileReader(const model::ParameterCatalogue& catalogue,
                                     MessageSink& messages)
    : catalogue_(catalogue), messages_(messages) {}

bool ProjectFileReader::Read_Project_Stream(std::istream& in) {
  staged_ = StagedProject{};
  Run run(catalogue_, messages_, staged_);
  return run.read(in);
}

bool ProjectFileReader::Read_Project_Text(std::string_view bytes) {
  std::istringstream in{std::string(bytes)};
  return Read_Project_Stream(in);
}

bool ProjectFileReader::ReadProjectFile(const std::filesystem::path& path,
                                        std::string* fileReason) {
  // Read once, whole: the caller may hand us a pipe that cannot be read twice.
  std::string bytes;
  int failure = 0;
  errno = 0;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    if (std::ferror(file)) failure = errno != 0 ? errno : EIO;
    std::fclose(file);
  } else {
    failure = errno != 0 ? errno : ENOENT;
  }
  if (failure != 0) {
    staged_ = StagedProject{};
    if (fileReason) *fileReason = std::strerror(failure);
    messages_.show(MessageKind::Warning, kFileError, MessageButtons::Ok);
    return false;
  }
  return Read_Project_Text(bytes);
}

}  // namespace korvane::projectfile
