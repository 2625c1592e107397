#include "projectfile/ProjectFileWriter.h"

#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/MessageSink.h"
#include "projectfile/FileReplace.h"
#include "shell/RunState.h"
#include "text/Cp1252.h"

namespace korvane::projectfile {

namespace {

using model::ParameterCatalogue;
using model::TVexEnergySystem;

constexpr std::string_view kLineEnd = "\r\n";

class FileText {
 public:
  void line(std::string_view text) { out_.append(text).append(kLineEnd); }
  void heading(std::string_view name) {
    out_.append("[").append(name).append("]").append(kLineEnd);
  }
  // A single-value section: the value line only when there is a value.
  void section(std::string_view name, std::string_view value) {
    heading(name);
    if (!value.empty()) line(value);
  }
  void tag(std::string_view name, std::string_view value) {
    if (value.empty()) return;
    out_.append(name).append("=").append(value).append(kLineEnd);
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::string flag(bool value) {
  return value ? "1" : "0";
}

template <typename Get>
std::string tenValues(Get get) {
  std::string list;
  for (int p = 1; p <= model::kPointCount; ++p) {
    if (p > 1) list += ',';
    list += get(p);
  }
  return list;
}

std::string parameterValue(const ParameterCatalogue& c, int n) {
  return c.Format_Prm(n, c.Get_Prm_Value(n));
}

std::string curveList(const ParameterCatalogue& c, int first) {
  return tenValues([&](int p) { return parameterValue(c, first + p - 1); });
}

void writeSystem(FileText& f, const TVexEnergySystem& s, const ProjectFileSources& src) {
  const ParameterCatalogue& c = src.catalogue;
  const ProjectHeader& h = src.header;
  // Utility values come from the utility step, so every block carries the same.
  auto typed = [&](int n) { return c.Format_Prm(n, c.Read_Prm_Edit_Float(n, 0)); };
  // What the file this system came from said, where this edition hides the field.
  const model::KeptInputs& kept = s.Kept();
  auto keptOr = [&](const std::optional<float>& value, int n, const std::string& otherwise) {
    return value ? c.Format_Prm(n, *value) : otherwise;
  };
  auto keptWhole = [](const auto& value, const std::string& otherwise) {
    return value ? std::to_string(*value) : otherwise;
  };

  f.heading("SYSTEM ITEM START");
  f.tag("APP", s.Identification());
  f.tag("ATP", std::to_string(s.ApplicationType()));
  f.tag("MHR", keptOr(kept.minimumHead, model::kPrmMinimumHead,
                      c.Format_Prm(model::kPrmMinimumHead, s.MinimumHead())));
  f.tag("FLW", std::to_string(s.FlowControl()));
  f.tag("MHP", c.Format_Prm(model::kPrmMotorPower, s.MotorHp()));
  f.tag("MEF", c.Format_Prm(model::kPrmMotorEfficiency, s.MotorEfficiency()));
  f.tag("MVL", keptWhole(kept.voltageClass, std::to_string(s.VoltageClass())));
  f.tag("MFL", keptOr(kept.motorFla, model::kPrmMotorFla,
                      c.Format_Prm(model::kPrmMotorFla, s.MotorFla())));
  f.tag("UNM", h.utilityName);
  f.tag("URT", typed(model::kPrmEnergyRate));
  f.tag("ART", typed(model::kPrmAlternateRate));
  f.tag("DCH", keptOr(kept.demandCharge, model::kPrmDemandCharge, typed(model::kPrmDemandCharge)));
  f.tag("DMR", keptOr(kept.demandRebate, model::kPrmDemandRebate,
                      c.Format_Prm(model::kPrmDemandRebate, s.DemandRebate())));
  f.tag("CHU", std::to_string(h.demandUnitItem));
  f.tag("BYR", keptWhole(kept.bypassRequired, std::to_string(s.BypassRequired())));
  f.tag("CAT", s.CatalogNumber());
  f.tag("SPR", c.Format_Prm(model::kPrmDriveCost, s.DriveCost()));
  f.tag("NSY", std::to_string(s.Quantity()));
  f.tag("INC", c.Format_Prm(model::kPrmInstallCost, s.InstallCost()));
  f.tag("URB", keptOr(kept.utilityIncentive, model::kPrmUtilityIncentive,
                      typed(model::kPrmUtilityIncentive)));
  f.tag("ASD", flag(s.AutoCatalog() != 0));
  f.tag("ASC", flag(s.UserOverride() != 0));
  f.tag("PRS", tenValues([&](int p) { return flag(s.AltRateAtPoint(p) != 0); }) + ";");
  f.tag("FTC", tenValues([&](int p) { return std::to_string(s.FlowPercent(p)); }) + ";");
  f.tag("DTC", tenValues([&](int p) { return std::to_string(s.TimePercent(p)); }) + ";");
  // 0 is "not given" (a file of an earlier layout may leave them out), which
  // the reader would refuse as a value: such a tag is left out again.
  auto given = [](int value) { return value == 0 ? std::string() : std::to_string(value); };
  f.tag("HPD", given(s.HoursPerDay()));
  f.tag("DPW", given(s.DaysPerWeek()));
  f.tag("WPY", given(s.WeeksPerYear()));
  f.tag("HSL", std::to_string(s.HoursPerYearMode()));
  f.tag("HPY", std::to_string(s.HoursPerYear()));
  f.tag("URI", keptWhole(kept.incentiveOneTime, flag(h.utilityIncentiveOneTime)));
  f.tag("UMR", c.Format_Prm(model::kPrmPowerIncentive, s.PowerIncentive()));
  f.tag("DME", keptOr(kept.driveMotorEfficiency, model::kPrmDriveMotorEfficiency,
                      c.Format_Prm(model::kPrmDriveMotorEfficiency, s.DriveMotorEfficiency())));
  f.tag("UMI", std::to_string(s.PowerIncentiveOneTime()));
  f.tag("URP", keptWhole(kept.incentiveUnit, std::to_string(s.IncentiveUnit())));
  f.heading("SYSTEM ITEM END");
  f.line("");
}

}  // namespace

std::vector<int> ReportSystemOrder(const ProjectFileSources& sources) {
  const int count = sources.project.SystemCount();
  std::vector<int> order;
  if (sources.header.projectType != 1) {
    if (count > 0) order.push_back(1);
    return order;
  }
  if (sources.header.systemOrder.empty()) {
    for (int i = 1; i <= count; ++i) order.push_back(i);
    return order;
  }
  for (int i : sources.header.systemOrder) {
    if (static_cast<int>(order.size()) == count) break;
    if (i >= 1 && i <= count) order.push_back(i);
  }
  return order;
}

std::string Project_File_Text(const ProjectFileSources& src) {
  const ParameterCatalogue& c = src.catalogue;
  const auto& p = src.preferences;
  const ProjectHeader& h = src.header;
  FileText f;
  f.heading("FILE INFO");
  f.line("FILE TYPE  : ENERGY SAVINGS ESTIMATOR FILE " + std::string(shell::kProgramVersion));
  f.line("DATE       : " + src.date);
  f.section("PROJECT", h.projectName);
  f.section("POWER", src.project.PowerInKw() ? "KW" : "HP");
  f.section("CURRENCY MODE", std::to_string(p.currencyMode));
  f.section("CUSTOM CURRENCY", p.customCurrency);
  f.section("DIMENSION MODE", flag(p.metricUnits));
  f.section("CARBON FOOTPRINT MODE", std::to_string(src.project.Co2Source()));
  f.section("CARBON FOOTPRINT TITLE", p.co2Description);
  f.section("CFP01", parameterValue(c, model::kPrmCo2Coal));
  f.section("CFP02", parameterValue(c, model::kPrmCo2Gas));
  f.section("CFP03", parameterValue(c, model::kPrmCo2Oil));
  f.section("CFPC1", parameterValue(c, model::kPrmCo2User));
  f.section("DRIVE EFFICIENCY", parameterValue(c, model::kPrmDriveEfficiency));
  f.section("PROJECT-TYPE", flag(h.projectType == 1));
  f.section("CONTACT", h.contact);
  f.section("COMPANY", h.company);
  f.section("TITLE", h.title);
  f.section("ADDRESS", h.address);
  f.section("CITY", h.city);
  f.section("STATE", h.state);
  f.section("ZIP", h.zip);
  f.section("COUNTRY", h.country);
  f.section("TEL-AREA", h.telArea);
  f.section("TELNUM", h.telNumber);
  f.section("FAXNUM", h.faxNumber);
  f.section("EMAIL", h.email);
  f.section("CUSTOM1 EFFICIENCY SELECTED", flag(p.customSelected[0]));
  f.section("CUSTOM2 EFFICIENCY SELECTED", flag(p.customSelected[1]));
  f.section("CUSTOM1 TITLE", p.customTitles[0]);
  f.section("CUSTOM2 TITLE", p.customTitles[1]);
  f.section("OUTLET DAMPER EFFICIENCY", curveList(c, model::kPrmFirstOutletDamper));
  f.section("INLET VANE EFFICIENCY", curveList(c, model::kPrmFirstInletVane));
  f.section("THROTTLING VALVE EFFICIENCY", curveList(c, model::kPrmFirstThrottlingValve));
  f.section("CUSTOM1 EFFICIENCY", curveList(c, model::kPrmFirstCustom1));
  f.section("CUSTOM2 EFFICIENCY", curveList(c, model::kPrmFirstCustom2));
  for (int i : ReportSystemOrder(src)) {
    if (const TVexEnergySystem* system = src.project.Get_System(i)) writeSystem(f, *system, src);
  }
  return f.take();
}

bool WriteProjectFile(const std::filesystem::path& path, const ProjectFileSources& sources,
                      MessageSink& messages) {
  if (ReplaceFile(path, text::utf8ToCp1252(Project_File_Text(sources)))) {
    messages.show(MessageKind::Warning, kFileError, MessageButtons::Ok);
    return false;
  }
  return true;
}

std::string ProjectFileFilter(std::string_view description,
                              std::initializer_list<std::string_view> extensions) {
  std::string patterns;
  for (std::string_view extension : extensions) {
    if (extension.empty()) continue;
    if (!patterns.empty()) patterns += ';';
    patterns.append("*.").append(extension);
  }
  if (patterns.empty()) return std::string();
  std::string filter(description);
  if (!description.empty()) filter += ' ';
  return filter + "(" + patterns + ")|" + patterns + "|";
}

}  // namespace korvane::projectfile
