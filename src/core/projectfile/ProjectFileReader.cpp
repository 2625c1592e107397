#include "projectfile/ProjectFileReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <istream>

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/MessageSink.h"
#include "projectfile/ProjectFileWriter.h"
#include "projectfile/ReaderTags.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

namespace korvane::projectfile {

namespace {

using model::TVexEnergySystem;

constexpr std::string_view kItemNotClosed = "ITEM NOT CLOSED ERROR !";
constexpr std::string_view kItemInformationError = "ITEM INFORMATION ERROR";
// Our own words for the failures that would otherwise go unexplained.
constexpr std::string_view kTooManySystems =
    "The project file holds more than 250 systems; a project can hold at most 250";
constexpr std::string_view kIncompleteSettings =
    "The project file is incomplete: it must hold all of the sections [CURRENCY MODE], "
    "[DIMENSION MODE] and [POWER] with valid values, or none of them.";
constexpr std::string_view kSystemCountError = "SYSTEM COUNT ERROR";
constexpr std::string_view kDataEnergySaverError = "DATA ENERGY SAVER ERROR";

constexpr int kMaxTagsPerBlock = 35;
constexpr int kInfoFieldCount = 12;
// The parameter line of the motor-power incentive's interval: 1 one-time,
// any other value yearly.
constexpr int kIntervalParameter = 73;

// A value line of a section, read by the section's rule.
struct SectionValue {
  std::string text;
  long long whole = 0;
  double number = 0;
  std::array<double, 10> curve{};
};

enum class SectionKind {
  Ignored,
  BlockStart,  // its lines are the tag lines of a system block
  BlockEnd,
  Text,             // the raw line, cut to the field's length
  Power,            // "HP" or "KW"; any other text is ignored
  Mode,             // "0" to "3"; any other text is ignored
  Flag,             // "0" or "1"; any other text is ignored
  Co2Factor,        // a number from 0 to 3
  DriveEfficiency,  // within the catalogue's limits
  ProjectType,      // 0 or 1
  Curve,            // ten values between 0 and 1
  Application,      // "FAN", "PUMP" or "COOLING TOWER", then as a valid ATP value
  Parameters,       // the earliest layout's parameter lines
  Info,             // twelve customer lines in a fixed order
};

struct SectionRule {
  std::string_view name;
  SectionKind kind;
  void (*set)(StagedProject&, const SectionValue&) = nullptr;
  std::size_t length = 0;  // Text: the characters kept
  std::string_view error = {};
};

using SV = const SectionValue&;

// By name, for the search.
constexpr SectionRule kSectionRules[] = {
    {"ADDRESS", SectionKind::Text, [](StagedProject& s, SV v) { s.header.address = v.text; }, 45},
    {"APPLICATION", SectionKind::Application},
    {"CARBON FOOTPRINT MODE", SectionKind::Mode,
     [](StagedProject& s, SV v) { s.co2Mode = static_cast<int>(v.whole); }},
    {"CARBON FOOTPRINT TITLE", SectionKind::Text,
     [](StagedProject& s, SV v) { s.co2Title = v.text; }, 60},
    {"CARBON FOOTPRINT WEIGHT", SectionKind::Ignored},
    {"CFP01", SectionKind::Co2Factor, [](StagedProject& s, SV v) { s.co2Factors[0] = v.number; }, 0,
     "CFP RATIO ERROR"},
    {"CFP02", SectionKind::Co2Factor, [](StagedProject& s, SV v) { s.co2Factors[1] = v.number; }, 0,
     "CFP RATIO ERROR"},
    {"CFP03", SectionKind::Co2Factor, [](StagedProject& s, SV v) { s.co2Factors[2] = v.number; }, 0,
     "CFP RATIO ERROR"},
    {"CFPC1", SectionKind::Co2Factor, [](StagedProject& s, SV v) { s.co2Factors[3] = v.number; }, 0,
     "CFP RATIO ERROR"},
    {"CITY", SectionKind::Text, [](StagedProject& s, SV v) { s.header.city = v.text; }, 45},
    {"COMPANY", SectionKind::Text, [](StagedProject& s, SV v) { s.header.company = v.text; }, 45},
    {"CONTACT", SectionKind::Text, [](StagedProject& s, SV v) { s.header.contact = v.text; }, 45},
    {"COUNTRY", SectionKind::Text, [](StagedProject& s, SV v) { s.header.country = v.text; }, 45},
    {"CURRENCY MODE", SectionKind::Mode,
     [](StagedProject& s, SV v) { s.currencyMode = static_cast<int>(v.whole); }},
    {"CUSTOM CURRENCY", SectionKind::Text,
     [](StagedProject& s, SV v) { s.customCurrency = v.text; }, 5},
    {"CUSTOM1 EFFICIENCY", SectionKind::Curve,
     [](StagedProject& s, SV v) { s.curves[kStagedCustom1] = v.curve; }, 0,
     "CUSTOM1 EFFICIENCY ERROR"},
    {"CUSTOM1 EFFICIENCY SELECTED", SectionKind::Flag,
     [](StagedProject& s, SV v) { s.customSelected[0] = v.whole == 1; }},
    {"CUSTOM1 TITLE", SectionKind::Text, [](StagedProject& s, SV v) { s.customTitles[0] = v.text; },
     30},
    {"CUSTOM2 EFFICIENCY", SectionKind::Curve,
     [](StagedProject& s, SV v) { s.curves[kStagedCustom2] = v.curve; }, 0,
     "CUSTOM2 EFFICIENCY ERROR"},
    {"CUSTOM2 EFFICIENCY SELECTED", SectionKind::Flag,
     [](StagedProject& s, SV v) { s.customSelected[1] = v.whole == 1; }},
    {"CUSTOM2 TITLE", SectionKind::Text, [](StagedProject& s, SV v) { s.customTitles[1] = v.text; },
     30},
    {"DATA ENERGY SAVER", SectionKind::Parameters},
    {"DIMENSION MODE", SectionKind::Flag,
     [](StagedProject& s, SV v) { s.metricUnits = v.whole == 1; }},
    {"DRIVE EFFICIENCY", SectionKind::DriveEfficiency,
     [](StagedProject& s, SV v) { s.driveEfficiency = v.number; }, 0, "DRIVE EFFICIENCY ERROR"},
    {"EMAIL", SectionKind::Text, [](StagedProject& s, SV v) { s.header.email = v.text; }, 45},
    {"FAXNUM", SectionKind::Text, [](StagedProject& s, SV v) { s.header.faxNumber = v.text; }, 25},
    {"FILE INFO", SectionKind::Ignored},
    {"INCENTIVE", SectionKind::Ignored},
    {"INFO", SectionKind::Info},
    {"INLET VANE EFFICIENCY", SectionKind::Curve,
     [](StagedProject& s, SV v) { s.curves[kStagedInletVane] = v.curve; }, 0,
     "INLET VANE EFFICIENCY ERROR"},
    {"OUTLET DAMPER EFFICIENCY", SectionKind::Curve,
     [](StagedProject& s, SV v) { s.curves[kStagedOutletDamper] = v.curve; }, 0,
     "OUTLET DAMPER EFFICIENCY ERROR"},
    {"POWER", SectionKind::Power, [](StagedProject& s, SV v) { s.powerInKw = v.whole == 1; }},
    {"PROJECT", SectionKind::Text, [](StagedProject& s, SV v) { s.header.projectName = v.text; },
     45},
    {"PROJECT-TYPE", SectionKind::ProjectType,
     [](StagedProject& s, SV v) { s.projectType = static_cast<model::ProjectType>(v.whole); }, 0,
     "PROJECT TYPE ERROR"},
    {"STATE", SectionKind::Text, [](StagedProject& s, SV v) { s.header.state = v.text; }, 2},
    {"SYSTEM ITEM END", SectionKind::BlockEnd},
    {"SYSTEM ITEM START", SectionKind::BlockStart},
    {"TEL-AREA", SectionKind::Text, [](StagedProject& s, SV v) { s.header.telArea = v.text; }, 3},
    {"TELNUM", SectionKind::Text, [](StagedProject& s, SV v) { s.header.telNumber = v.text; }, 25},
    {"THROTTLING VALVE EFFICIENCY", SectionKind::Curve,
     [](StagedProject& s, SV v) { s.curves[kStagedThrottlingValve] = v.curve; }, 0,
     "THROTTLING VALVE EFFICIENCY ERROR"},
    {"TITLE", SectionKind::Text, [](StagedProject& s, SV v) { s.header.title = v.text; }, 25},
    {"ZIP", SectionKind::Text, [](StagedProject& s, SV v) { s.header.zip = v.text; }, 20},
};

constexpr bool byName(const SectionRule& a, const SectionRule& b) {
  return a.name < b.name;
}
static_assert(std::is_sorted(std::begin(kSectionRules), std::end(kSectionRules), byName));

const SectionRule* findSection(std::string_view name) {
  const auto* found = std::lower_bound(
      std::begin(kSectionRules), std::end(kSectionRules), name,
      [](const SectionRule& rule, std::string_view wanted) { return rule.name < wanted; });
  return found != std::end(kSectionRules) && found->name == name ? found : nullptr;
}

// The customer lines of an INFO section, in their order; the two lines after
// them are the custom control titles.
struct InfoField {
  std::string ProjectHeader::*field;
  std::size_t length;
};
constexpr InfoField kInfoFields[kInfoFieldCount - 2] = {
    {&ProjectHeader::contact, 45},   {&ProjectHeader::title, 25},
    {&ProjectHeader::company, 45},   {&ProjectHeader::address, 45},
    {&ProjectHeader::zip, 20},       {&ProjectHeader::country, 45},
    {&ProjectHeader::telNumber, 25}, {&ProjectHeader::faxNumber, 25},
    {&ProjectHeader::email, 45},     {&ProjectHeader::projectName, 45},
};
constexpr std::size_t kControlTitleLength = 30;

std::string_view trimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Branch-free, so that the compiler works on many bytes at once.
void toUpperAscii(std::string& s) {
  for (char& c : s) {
    const bool lower = static_cast<unsigned char>(c - 'a') < 26;
    c = static_cast<char>(c - (lower ? 'a' - 'A' : 0));
  }
}

// Bytes of the file (Windows-1252) cut to a field's length, as UTF-8.
std::string fieldText(std::string_view bytes, size_t length) {
  return text::cp1252ToUtf8(bytes.substr(0, std::min(bytes.size(), length)));
}

std::uint16_t clampUnsigned16(double value) {
  if (!(value > 0)) return 0;
  return static_cast<std::uint16_t>(std::min(value, 65535.0));
}

// Ten values between 0 and 1 separated by single commas; the tenth may be
// empty and reads as 0.
bool readCurve(std::string_view key, std::array<double, 10>& values) {
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= key.size(); ++i) {
    if (i < key.size()) {
      const char c = key[i];
      if (!text::isDigit(c) && c != '-' && c != '.' && c != ',') return false;
      if (c != ',') continue;
    }
    if (count == values.size()) return false;
    const std::string_view part = key.substr(start, i - start);
    if (part.empty() && count + 1 < values.size()) return false;
    values[count++] = text::parseNumber(part).value_or(0);
    // The range the preferences dialog accepts; anything else draws nonsense.
    if (!(values[count - 1] >= 0 && values[count - 1] <= 1)) return false;
    start = i + 1;
  }
  return count == values.size();
}

// The line label of an error, cut to ten characters.
std::string lineLabel(long long line) {
  return ("LINE " + std::to_string(line)).substr(0, 10);
}

}  // namespace

// One read of one file: the reader state of the loop.
class ProjectFileReader::Run {
 public:
  Run(const model::ParameterCatalogue& catalogue, MessageSink& messages, StagedProject& staged)
      : catalogue_(catalogue), messages_(messages), staged_(staged) {}

  bool read(std::string_view bytes, bool streamFailed);

 private:
  void resetScratch() { model::TVexEnergyProjectAnalysis::Set_New_System_Defaults(scratch_); }
  void error(std::string_view text) { errorAt(text, lineNumber_); }
  void errorAt(std::string_view text, long long line);
  void keepScratch();
  void handleLine(std::string_view raw);
  void enterSection(const SectionRule& rule);
  void handleSectionLine(std::string_view raw, std::string_view trimmed);
  void setSectionValue(const SectionRule& rule, std::string_view raw);
  void handleTag(std::string_view trimmed);
  void applyTag(const TagRule& rule, const TagValue& value);
  void handleParameterLine();
  bool applyParameter(int p, std::string_view value, double x);
  bool applyParameterAsTag(int p, double x);
  void handleInfoLine(std::string_view raw);
  void applicationName();
  bool driveEfficiencyAccepted(double value) const;
  bool endBlock();
  bool finish();

  const model::ParameterCatalogue& catalogue_;
  MessageSink& messages_;
  StagedProject& staged_;
  TVexEnergySystem scratch_;

  const SectionRule* section_ = nullptr;  // none before the first heading
  std::string key_;  // the key line: trimmed, in upper case (one buffer for the whole read)
  long long lineNumber_ = 0;
  bool error_ = false;
  bool stop_ = false;  // ends the read at once, without a further message
  bool blockOpen_ = false;
  int systemCount_ = 0;
  int blockTags_ = 0;
  int infoLines_ = 0;
  int blocksStarted_ = 0;
  long long secondBlockLine_ = 0;  // where a second system block starts
  long long flowLine_ = 0;         // the FLW line of the open block
  std::size_t nextTag_ = 0;        // where the search for the next tag starts
  std::array<double, 10> dataSaverTime_{};
  std::array<std::array<double, 10>, kStagedCurveCount> dataSaverCurves_{};
};

void ProjectFileReader::Run::errorAt(std::string_view text, long long line) {
  if (error_) return;
  error_ = true;
  const std::string message = std::string(text) + ": " + lineLabel(line) + ".";
  messages_.show(MessageKind::Error, message, MessageButtons::Ok);
}

void ProjectFileReader::Run::keepScratch() {
  auto system = std::make_shared<TVexEnergySystem>();
  system->Copy_System(scratch_);
  staged_.systems.push_back(std::move(system));
}

bool ProjectFileReader::Run::read(std::string_view bytes, bool streamFailed) {
  resetScratch();
  // Lines end with CR LF, LF or a lone CR. The next LF is looked for once
  // and kept, so that a file of lone CRs is not searched to its end per line.
  const std::size_t size = bytes.size();
  std::size_t pos = 0;
  std::size_t newline = std::min(bytes.find('\n'), size);
  while (pos < size) {
    if (error_ || stop_) return false;
    if (newline < pos) newline = std::min(bytes.find('\n', pos), size);
    std::string_view line = bytes.substr(pos, newline - pos);
    const std::size_t cr = line.find('\r');
    if (cr == std::string_view::npos) {
      pos = newline + 1;
    } else {
      line = line.substr(0, cr);
      pos += cr + 1;
      if (pos < size && bytes[pos] == '\n') ++pos;
    }
    ++lineNumber_;
    handleLine(line);
  }
  if (error_ || stop_) return false;
  if (streamFailed) {
    messages_.show(MessageKind::Warning, kFileError, MessageButtons::Ok);
    return false;
  }
  return finish();
}

void ProjectFileReader::Run::handleLine(std::string_view raw) {
  const std::string_view trimmed = trimSpaces(raw);
  key_.assign(trimmed);
  toUpperAscii(key_);
  if (key_.size() > 2 && key_.front() == '[' && key_.back() == ']') {
    const SectionRule* heading = findSection(std::string_view(key_).substr(1, key_.size() - 2));
    if (heading) return enterSection(*heading);
  }
  handleSectionLine(raw, trimmed);
}

void ProjectFileReader::Run::enterSection(const SectionRule& rule) {
  section_ = &rule;
  if (rule.kind == SectionKind::BlockStart) {
    blockOpen_ = true;
    blockTags_ = 0;
    flowLine_ = 0;
    if (++blocksStarted_ == 2) secondBlockLine_ = lineNumber_;
    resetScratch();
  } else if (rule.kind == SectionKind::BlockEnd) {
    blockOpen_ = false;
    if (!endBlock()) stop_ = true;
  }
}

void ProjectFileReader::Run::handleSectionLine(std::string_view raw, std::string_view trimmed) {
  if (section_ == nullptr) return;
  const SectionRule& rule = *section_;
  if (rule.kind == SectionKind::Info) return handleInfoLine(raw);
  if (key_.empty()) return;
  switch (rule.kind) {
    case SectionKind::BlockStart:
      return handleTag(trimmed);
    case SectionKind::Parameters:
      return handleParameterLine();
    case SectionKind::Application:
      return applicationName();
    default:
      return setSectionValue(rule, raw);
  }
}

void ProjectFileReader::Run::setSectionValue(const SectionRule& rule, std::string_view raw) {
  const std::string_view key = key_;
  SectionValue value;
  switch (rule.kind) {
    case SectionKind::Text:
      value.text = fieldText(raw, rule.length);
      break;
    case SectionKind::Power:
      if (key != "HP" && key != "KW") return;
      value.whole = key == "KW" ? 1 : 0;
      break;
    case SectionKind::Mode:
      if (key.size() != 1 || key[0] < '0' || key[0] > '3') return;
      value.whole = key[0] - '0';
      break;
    case SectionKind::Flag:
      if (key != "0" && key != "1") return;
      value.whole = key == "1" ? 1 : 0;
      break;
    case SectionKind::Co2Factor: {
      const auto n = text::parseNumber(key);
      if (!n || *n < 0 || *n > 3) return error(rule.error);
      value.number = *n;
      break;
    }
    case SectionKind::DriveEfficiency: {
      // A drive that draws nothing would "save" everything.
      const auto n = text::parseNumber(key);
      if (!n || !driveEfficiencyAccepted(*n)) return error(rule.error);
      value.number = *n;
      break;
    }
    case SectionKind::ProjectType: {
      const auto n = text::isDigit(key.front()) ? text::parseInteger(key) : std::nullopt;
      if (!n || *n < 0 || *n > 1 || (*n == 1 && model::FeatureOff(model::SingleSystemOnly))) {
        return error(rule.error);
      }
      value.whole = *n;
      break;
    }
    case SectionKind::Curve:
      if (!readCurve(key, value.curve)) return error(rule.error);
      break;
    default:
      return;
  }
  rule.set(staged_, value);
}

bool ProjectFileReader::Run::driveEfficiencyAccepted(double value) const {
  return value >= catalogue_.Get_Prm_Minimum(model::kPrmDriveEfficiency) &&
         value <= catalogue_.Get_Prm_Maximum(model::kPrmDriveEfficiency);
}

void ProjectFileReader::Run::handleInfoLine(std::string_view raw) {
  if (infoLines_ >= kInfoFieldCount) return;
  const auto index = static_cast<std::size_t>(infoLines_++);
  if (index < std::size(kInfoFields)) {
    staged_.header.*kInfoFields[index].field = fieldText(raw, kInfoFields[index].length);
    return;
  }
  // An empty line names no custom control, as in the title sections (and as
  // a saved file says it), so the title stays as it is.
  if (!trimSpaces(raw).empty()) {
    staged_.customTitles[index - std::size(kInfoFields)] = fieldText(raw, kControlTitleLength);
  }
}

void ProjectFileReader::Run::applicationName() {
  const long long type = key_ == "FAN" ? 0 : key_ == "PUMP" ? 1 : key_ == "COOLING TOWER" ? 2 : -1;
  // Then treated as a valid ATP value, switches included; it is no tag
  // line, so it does not count towards the block's tags.
  const TagRule& rule = *FindTag(kApplicationTag);
  if (!ApplicationOffered(type)) return error(rule.message);
  if (model::SwitchedOff(rule.switches)) return;
  TagValue value;
  value.whole = type;
  TagTarget target{scratch_, staged_};
  rule.apply(target, value);
}

void ProjectFileReader::Run::handleTag(std::string_view trimmed) {
  // The value follows the four characters of the tag; an empty one, and a
  // line of no known tag, is not read.
  if (key_.size() <= 4) return;
  const std::string_view key = key_;
  const TagRule* rule = FindTag(key.substr(0, 4), &nextTag_);
  if (rule == nullptr) return;
  if (rule->tag == kFlowTag) flowLine_ = lineNumber_;
  TagValue value;
  if (!CheckTagValue(*rule, (rule->caseKept ? trimmed : key).substr(4), catalogue_, value)) {
    return error(rule->message);
  }
  applyTag(*rule, value);
}

void ProjectFileReader::Run::applyTag(const TagRule& rule, const TagValue& value) {
  if (rule.apply == nullptr) return;
  if (model::SwitchedOff(rule.switches)) {
    // A value the switch hides is kept as read, for the next save.
    if (rule.keep != nullptr) rule.keep(scratch_.Kept(), value);
    return;
  }
  TagTarget target{scratch_, staged_};
  rule.apply(target, value);
  ++blockTags_;
}

void ProjectFileReader::Run::handleParameterLine() {
  const std::string_view key = key_;
  const bool shape = key.size() > 12 && key[0] == 'P' && text::isDigit(key[1]) &&
                     text::isDigit(key[2]) && text::isDigit(key[3]) && key[4] == '=' &&
                     key[5] == 'A' && key[6] == '1' && key[7] == '-' && text::isDigit(key[8]) &&
                     text::isDigit(key[9]) && key[10] == '=';
  if (!shape) return error(kDataEnergySaverError);
  const int p = (key[1] - '0') * 100 + (key[2] - '0') * 10 + (key[3] - '0');
  std::string_view value = key.substr(11);
  value = value.substr(0, value.find(';'));
  if (value.empty()) return error(kDataEnergySaverError);
  for (char c : value) {
    if (!text::isDigit(c) && c != '-' && c != '.') return error(kDataEnergySaverError);
  }
  const double x = text::parseNumber(value).value_or(0);
  // Negative values and values beyond what the fields hold only give nonsense.
  if (!(x >= 0 && x <= 1e30) || !applyParameter(p, value, x)) error(kDataEnergySaverError);
}

bool ProjectFileReader::Run::applyParameter(int p, std::string_view value, double x) {
  if (p == 7 || p == 20) {
    if (!driveEfficiencyAccepted(x)) return false;
    staged_.driveEfficiency = x;
    return true;
  }
  if (p >= 10 && p <= 19) {
    if (x > 100) return false;
    dataSaverTime_[static_cast<size_t>(p - 10)] = x;
    if (p < 19) return true;
    double sum = 0;
    for (double share : dataSaverTime_) sum += std::nearbyint(share);
    if (sum > 100) return false;
    for (int i = 1; i <= 10; ++i) {
      scratch_.Set_TimePercent(
          i, clampUnsigned16(std::nearbyint(dataSaverTime_[static_cast<size_t>(i - 1)])));
    }
    return true;
  }
  if (p >= 21 && p <= 70) {
    // Damper, inlet vane, valve, custom 1, custom 2; staged at the last point.
    const auto curve = static_cast<size_t>((p - 21) / 10);
    const auto point = static_cast<size_t>((p - 21) % 10);
    if (x > 1) return false;
    dataSaverCurves_[curve][point] = x;
    if (point == 9) staged_.curves[curve] = dataSaverCurves_[curve];
    return true;
  }
  if (p == 71 || p == 72) {
    if (value != "0" && value != "1") return false;
    staged_.customSelected[static_cast<size_t>(p - 71)] = value == "1";
    return true;
  }
  return applyParameterAsTag(p, x);
}

// The other parameters stand for tags. A value keeps within its tag's limits,
// so that the project saved from it reads back (0 hours, days or weeks: not
// given).
bool ProjectFileReader::Run::applyParameterAsTag(int p, double x) {
  const TagRule* rule = FindParameterTag(p);
  if (rule == nullptr) return false;
  TagValue value;
  value.number = x;
  if (p == kIntervalParameter) {
    value.whole = std::nearbyint(x) == 1 ? 1 : 0;
  } else {
    const double limit = rule->check.kind == TagCheck::Kind::Number
                             ? catalogue_.Get_Prm_Maximum(rule->check.parameter)
                             : static_cast<double>(rule->check.high);
    if (x > limit) return false;
    value.whole = clampUnsigned16(std::nearbyint(x));
  }
  if (!model::SwitchedOff(rule->switches)) {
    TagTarget target{scratch_, staged_};
    rule->apply(target, value);
  }
  return true;
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
  // A pump has no outlet damper.
  if (scratch_.ApplicationType() == model::ApplicationType::Pump &&
      scratch_.FlowControl() == model::FlowControl::OutletDamper) {
    errorAt(FindTag(kFlowTag)->message, flowLine_);
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
      errorAt(kSystemCountError, secondBlockLine_);
      return false;
    }
    systemCount_ = 1;
    staged_.projectType = model::ProjectType::SingleSystem;
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
  // By character, so that a stream failing part way keeps what came before
  // and its lines are checked first, as they would be read one by one.
  std::string bytes;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    bytes.push_back(static_cast<char>(c));
  }
  staged_ = StagedProject{};
  Run run(catalogue_, messages_, staged_);
  return run.read(bytes, in.bad());
}

bool ProjectFileReader::Read_Project_Text(std::string_view bytes) {
  staged_ = StagedProject{};
  Run run(catalogue_, messages_, staged_);
  return run.read(bytes, false);
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
