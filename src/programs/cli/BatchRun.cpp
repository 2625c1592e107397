#include "BatchRun.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <iostream>

#include "JsonWriter.h"
#include "gui/platform/QSettingsStore.h"
#include "model/ResultSlots.h"
#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"
#include "shell/RunState.h"
#include "text/NumberText.h"

namespace korvane::cli {

namespace {

using model::Case;
using model::CashColumn;
using model::PointQuantity;

constexpr const char* kHelpText =
    "Usage: korvane-ese-cli COMMAND [OPTIONS]\n"
    "\n"
    "Checks, calculates and converts KORVANE Energy Savings Estimator projects (*.ESEProj)\n"
    "without opening a window.\n"
    "\n"
    "Commands:\n"
    "  check FILE            check a project file as the desktop program does before opening it\n"
    "  calc FILE [--json]    open the project and print every system's figures and the\n"
    "                        project totals (a table, or one JSON document with --json)\n"
    "  resave IN OUT         open IN and save it as OUT in the current file layout\n"
    "\n"
    "Options:\n"
    "  --settings PATH       take the preferences from this settings file (never changed)\n"
    "                        instead of the factory defaults\n"
    "  --locale NAME         thousands separator of this locale in result texts (e.g. de_DE)\n"
    "  --help                show this help\n"
    "  --version             show the version\n"
    "\n"
    "Exit codes: 0 ok, 1 input rejected, 2 usage error.\n";

// Messages go to standard error; the last one explains a failure.
class BatchMessages : public MessageSink {
 public:
  MessageAnswer show(MessageKind, std::string_view text, MessageButtons buttons) override {
    last = std::string(text);
    shown.push_back(last);
    switch (buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel:
      case MessageButtons::YesNoAbort:
        return MessageAnswer::No;
      case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
      default:
        return MessageAnswer::Ok;
    }
  }
  std::string last;
  std::vector<std::string> shown;
};

class NoSound : public AlertSound {
 public:
  void play() override {}
};

class ExitAtOnce : public ProgramExit {
 public:
  void endProgram(std::string_view reason) override {
    std::cerr << "error: " << reason << '\n';
    std::exit(kRejected);
  }
};

int reject(const std::string& message) {
  std::cerr << "error: " << message << '\n';
  return kRejected;
}

// The locale's thousands separator for result texts (which never group with
// their own decimal point).
std::string thousandsSeparator(const std::optional<std::string>& locale) {
  if (!locale) return ",";
  return text::resultThousandsSeparator(
      QLocale(QString::fromStdString(*locale)).groupSeparator().toStdString());
}

// QLocale falls back to "C" for a name it does not know.
bool knownLocale(const std::string& name) {
  return name == "C" || QLocale(QString::fromStdString(name)).language() != QLocale::C;
}

// A session opened on one project file, as the desktop program opens it.
class OpenedProject {
 public:
  explicit OpenedProject(const BatchOptions& options)
      : session_(messages_, sound_, exit_, store_,
                 preferences::NumberFormat{".", thousandsSeparator(options.locale)}),
        reader_(session_) {}

  // Empty on success, else the message the desktop program would show.
  std::optional<std::string> open(const BatchOptions& options, bool apply) {
    if (options.settingsPath) {
      if (!QFileInfo::exists(QString::fromStdString(*options.settingsPath))) {
        return "settings file not found: " + *options.settingsPath;
      }
      gui::QSettingsStore file(QString::fromStdString(*options.settingsPath));
      file.copyInto(store_);
    }
    if (!session_.Start()) return messages_.last;
    const std::filesystem::path path = options.input;
    if (!reader_.ReadProjectFile(path, projectfile::ReadPass::Validate)) return failure();
    if (reader_.Staged().projectMode != 0 && reader_.Staged().projectMode != 1) {
      return std::string(projectfile::kNoValidInformation);
    }
    if (!apply) return std::nullopt;
    if (!reader_.ReadProjectFile(path, projectfile::ReadPass::Apply)) return failure();
    if (!session_.Adopt_Opened_Project(reader_.Staged()))
      return std::string(projectfile::kNoValidInformation);
    return std::nullopt;
  }

  EstimatorSession& session() { return session_; }
  const projectfile::StagedProject& staged() const { return reader_.Staged(); }
  BatchMessages& messages() { return messages_; }

 private:
  std::string failure() const {
    return messages_.last.empty() ? std::string("the file could not be read") : messages_.last;
  }

  BatchMessages messages_;
  NoSound sound_;
  ExitAtOnce exit_;
  MemorySettingsStore store_;
  EstimatorSession session_;
  projectfile::ProjectFileReader reader_;
};

model::ResultDisplay displayOf(EstimatorSession& s, const std::optional<std::string>& locale) {
  model::ResultDisplay d;
  d.currencySymbol = s.values.currencySymbol;
  d.metricUnits = s.values.metricUnits;
  d.automaticPowerUnit = s.values.automaticPowerUnit;
  d.weightLabel = s.values.weightLabel;
  d.tonsLabel = s.values.tonsLabel;
  d.co2UserDescription = s.values.co2Description;
  d.customTitles = s.values.customTitles;
  d.thousandsSeparator = thousandsSeparator(locale);
  return d;
}

double paybackOrNull(JsonWriter& json, std::string_view key, double years) {
  if (std::isinf(years)) {
    json.null(key);
  } else {
    json.value(key, years);
  }
  return years;
}

void writeJson(EstimatorSession& s, const model::ResultDisplay& display) {
  auto& project = s.model.project;
  JsonWriter json;
  json.beginObject();
  json.beginObject("project");
  json.value("name", s.header.projectName);
  json.value("type", s.header.projectType);
  json.value("system_count", project.SystemCount());
  json.value("annual_energy_present_kwh", project.Total_Annual_Energy(Case::Present));
  json.value("annual_energy_drive_kwh", project.Total_Annual_Energy(Case::Drive));
  json.value("annual_energy_savings_kwh", project.Total_Annual_Energy_Savings());
  json.value("annual_cost_savings", project.Total_Annual_Cost_Savings());
  json.value("total_annual_savings", project.Total_Annual_Savings());
  json.value("annual_co2_savings", project.Total_Annual_Co2_Savings());
  paybackOrNull(json, "payback_years", project.Project_Payback());
  json.endObject();

  json.beginArray("systems");
  for (int i = 1; i <= project.SystemCount(); ++i) {
    const auto& sys = *project.Get_System(i);
    model::ResultSlotTable texts;
    model::UpdateSystemsAggregates(project, sys.ApplicationType(), display, texts);
    model::Write_System_Slots(project, i, display, texts);

    json.beginObject();
    json.value("index", i);
    json.value("name", sys.Identification());
    json.value("annual_hours", sys.Annual_Hours());
    json.value("annual_energy_present_kwh", sys.Annual_Energy(Case::Present));
    json.value("annual_energy_drive_kwh", sys.Annual_Energy(Case::Drive));
    json.value("annual_cost_present", sys.Annual_Cost(Case::Present));
    json.value("annual_cost_drive", sys.Annual_Cost(Case::Drive));
    json.value("annual_cost_savings", sys.Annual_Cost_Savings());
    json.value("annual_energy_savings_kwh", sys.Annual_Energy_Savings());
    json.value("annual_co2_savings", sys.Annual_Co2_Savings());
    json.value("peak_demand_reduction_kw", sys.Peak_Demand_Reduction());
    json.value("annual_demand_savings", sys.Annual_Demand_Savings());
    json.value("total_annual_savings", sys.Total_Annual_Savings());
    paybackOrNull(json, "payback_years", sys.Payback(Case::Present));

    json.beginArray("points");
    for (int p = 1; p <= model::kPointCount; ++p) {
      auto point = [&](Case c, PointQuantity q) { return sys.Point_Value(c, q, p); };
      json.beginObject();
      json.value("flow", point(Case::Present, PointQuantity::Flow));
      json.value("time", point(Case::Present, PointQuantity::Time));
      json.value("present_kw", point(Case::Present, PointQuantity::Input));
      json.value("drive_kw", point(Case::Drive, PointQuantity::Input));
      json.value("present_kwh", point(Case::Present, PointQuantity::Energy));
      json.value("drive_kwh", point(Case::Drive, PointQuantity::Energy));
      json.value("present_cost", point(Case::Present, PointQuantity::Cost));
      json.value("drive_cost", point(Case::Drive, PointQuantity::Cost));
      json.endObject();
    }
    json.endArray();

    json.beginObject("cash_flow");
    const std::pair<const char*, CashColumn> columns[] = {
        {"drive_cost", CashColumn::DriveCost},
        {"total_cost", CashColumn::TotalCost},
        {"installation_cost", CashColumn::InstallCost},
        {"net", CashColumn::Net},
        {"energy_savings", CashColumn::EnergySavings},
        {"demand_savings", CashColumn::DemandSavings},
        {"incentives", CashColumn::Incentives},
    };
    for (auto [name, column] : columns) {
      json.beginArray(name);
      for (int row = 1; row <= model::kCashRowCount; ++row) {
        json.add(sys.Cash_Flow(Case::Present, column, row));
      }
      json.endArray();
    }
    json.endObject();

    json.beginArray("slots");
    for (int slot = 0; slot < model::kResultSlotCount; ++slot) json.add(texts.Text(slot));
    json.endArray();
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::cout << json.text() << '\n';
}

std::string money(double value, const model::ResultDisplay& d) {
  return model::FormatGrouped(value, 2, d.thousandsSeparator);
}

std::string paybackText(double years) {
  return std::isinf(years) ? "never" : text::formatFixed(years, 3) + " years";
}

void writeTable(EstimatorSession& s, const model::ResultDisplay& d) {
  auto& project = s.model.project;
  const auto kwh = [&](double v) { return model::FormatGrouped(v, 0, d.thousandsSeparator); };
  std::printf("Project: %s (%s, %d system%s)\n", s.header.projectName.c_str(),
              s.header.projectType == 1 ? "several systems" : "single system",
              project.SystemCount(), project.SystemCount() == 1 ? "" : "s");
  std::printf("Currency: %s   Power unit: %s   Units: %s\n\n", d.currencySymbol.c_str(),
              project.PowerInKw() ? "kW" : "HP", d.metricUnits ? "metric" : "English");
  std::printf("%4s  %-28s %4s %14s %14s %14s %14s %14s\n", "#", "System", "Qty", "Present kWh/yr",
              "Drive kWh/yr", "Saved kWh/yr", "Cost savings", "Payback");
  for (int i = 1; i <= project.SystemCount(); ++i) {
    const auto& sys = *project.Get_System(i);
    const std::string name = sys.Identification().empty() ? "<No Name>" : sys.Identification();
    std::printf(
        "%4d  %-28.28s %4d %14s %14s %14s %14s %14s\n", i, name.c_str(), sys.Quantity(),
        kwh(sys.Annual_Energy(Case::Present)).c_str(), kwh(sys.Annual_Energy(Case::Drive)).c_str(),
        kwh(sys.Annual_Energy_Savings()).c_str(), money(sys.Annual_Cost_Savings(), d).c_str(),
        paybackText(sys.Payback(Case::Present)).c_str());
  }
  std::printf("\nProject totals (each system times its quantity)\n");
  std::printf("  Annual energy, present control  %16s kWh\n",
              kwh(project.Total_Annual_Energy(Case::Present)).c_str());
  std::printf("  Annual energy, with drives      %16s kWh\n",
              kwh(project.Total_Annual_Energy(Case::Drive)).c_str());
  std::printf("  Annual energy savings           %16s kWh\n",
              kwh(project.Total_Annual_Energy_Savings()).c_str());
  std::printf("  Annual energy-cost savings      %16s %s\n",
              money(project.Total_Annual_Cost_Savings(), d).c_str(), d.currencySymbol.c_str());
  std::printf("  Total annual savings            %16s %s\n",
              money(project.Total_Annual_Savings(), d).c_str(), d.currencySymbol.c_str());
  std::printf(
      "  Annual CO2 savings              %16s %s\n",
      model::FormatGrouped(project.Total_Annual_Co2_Savings(), 2, d.thousandsSeparator).c_str(),
      d.weightLabel.c_str());
  std::printf("  Simple payback                  %16s\n",
              paybackText(project.Project_Payback()).c_str());
}

int runCheck(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options, false)) return reject(*failure);
  std::printf("OK: %s: %d system%s\n", options.input.c_str(), opened.staged().systemCount,
              opened.staged().systemCount == 1 ? "" : "s");
  return kOk;
}

int runCalc(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options, true)) return reject(*failure);
  EstimatorSession& s = opened.session();
  const model::ResultDisplay display = displayOf(s, options.locale);
  if (options.json) {
    writeJson(s, display);
  } else {
    writeTable(s, display);
  }
  return kOk;
}

int runResave(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options, true)) return reject(*failure);
  EstimatorSession& s = opened.session();
  const std::string date =
      QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  const projectfile::ProjectFileSources sources{s.model.project, s.catalogue, s.values, s.header,
                                                date};
  if (!projectfile::WriteProjectFile(options.output, sources, opened.messages())) {
    return reject(opened.messages().last);
  }
  std::printf("Saved %s (%d system%s)\n", options.output.c_str(), s.model.project.SystemCount(),
              s.model.project.SystemCount() == 1 ? "" : "s");
  return kOk;
}

}  // namespace

std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& args, bool& done) {
  done = false;
  BatchOptions options;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](std::optional<std::string>& target) {
      if (i + 1 >= args.size()) return false;
      target = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      std::cout << kHelpText;
      done = true;
      return options;
    }
    if (a == "--version") {
      std::cout << "korvane-ese-cli " << shell::kProgramVersion << '\n';
      done = true;
      return options;
    }
    if (a == "--json") {
      options.json = true;
    } else if (a == "--settings") {
      if (!next(options.settingsPath)) break;
    } else if (a == "--locale") {
      if (!next(options.locale)) break;
      if (!knownLocale(*options.locale)) {
        const std::string_view help = kHelpText;
        std::cerr << "error: unknown locale '" << *options.locale << "'\n"
                  << help.substr(0, help.find('\n') + 1);
        return std::nullopt;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      std::cerr << "error: unknown option " << a << "\n\n" << kHelpText;
      return std::nullopt;
    } else {
      positional.push_back(a);
    }
  }
  const size_t wanted = positional.empty()                                      ? 0
                        : positional[0] == "resave"                             ? 3
                        : (positional[0] == "check" || positional[0] == "calc") ? 2
                                                                                : 0;
  if (wanted == 0 || positional.size() != wanted || (options.json && positional[0] != "calc") ||
      (!args.empty() && (args.back() == "--settings" || args.back() == "--locale"))) {
    std::cerr << kHelpText;
    return std::nullopt;
  }
  options.command = positional[0];
  options.input = positional[1];
  if (wanted == 3) options.output = positional[2];
  return options;
}

int RunBatch(const BatchOptions& options) {
  if (options.command == "check") return runCheck(options);
  if (options.command == "calc") return runCalc(options);
  return runResave(options);
}

}  // namespace korvane::cli
