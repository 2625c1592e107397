#include "BatchRun.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "JsonWriter.h"
#include "gui/platform/QSettingsStore.h"
#include "gui/platform/QtText.h"
#include "model/ResultSlots.h"
#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "preferences/DisplaySettings.h"
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

constexpr std::string_view kProgramName = "korvane-ese-cli";
constexpr const char* kUsageLine =
    "Usage: korvane-ese-cli {check FILE | calc FILE [--json] | resave IN OUT} [--settings PATH] "
    "[--locale NAME] (--help for more)";

// The message the desktop program would show is always the last line; the
// file and the system's reason, when there is one, stand before it.
int reject(const std::string& message, const std::string& file = {},
           const std::string& reason = {}) {
  if (!reason.empty()) std::cerr << kProgramName << ": " << file << ": " << reason << '\n';
  std::cerr << "error: " << message << '\n';
  return kRejected;
}

struct Failure {
  std::string message;
  std::string file;
  std::string reason;
};

int reject(const Failure& failure) {
  return reject(failure.message, failure.file, failure.reason);
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
                 preferences::NumberFormat{".", thousandsSeparator(options.locale)}) {}

  // Nothing on success, else what the desktop program would show.
  std::optional<Failure> open(const BatchOptions& options) {
    if (options.settingsPath) {
      if (!QFileInfo::exists(QString::fromStdString(*options.settingsPath))) {
        return Failure{"settings file not found: " + *options.settingsPath, *options.settingsPath,
                       std::strerror(ENOENT)};
      }
      gui::QSettingsStore file(QString::fromStdString(*options.settingsPath));
      file.copyInto(store_);
    }
    if (!session_.Start()) return Failure{messages_.last, {}, {}};
    outcome_ = session_.Open_Project_File(options.input);
    if (!outcome_.opened) {
      std::string message =
          outcome_.message.empty() ? std::string("the file could not be read") : outcome_.message;
      return Failure{std::move(message), options.input, outcome_.fileReason};
    }
    return std::nullopt;
  }

  EstimatorSession& session() { return session_; }
  const OpenOutcome& outcome() const { return outcome_; }
  BatchMessages& messages() { return messages_; }

 private:
  BatchMessages messages_;
  NoSound sound_;
  ExitAtOnce exit_;
  MemorySettingsStore store_;
  EstimatorSession session_;
  OpenOutcome outcome_;
};

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
  json.value("type", model::ToNumber(s.header.projectType));
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
      // The flow as entered, also where the present case runs across the line.
      json.value("flow", static_cast<int>(sys.FlowPercent(p)));
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
    for (model::ResultSlot slot : model::kAllResultSlots) json.add(texts.Text(slot));
    json.endArray();
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::cout << json.text() << '\n';
}

// Money as the result texts write it: the symbol first.
std::string money(double value, const model::ResultDisplay& d, int decimals = 2) {
  return d.currencySymbol + " " + model::FormatGrouped(value, decimals, d.thousandsSeparator);
}

std::string paybackText(double years) {
  return std::isinf(years) ? "never" : text::formatFixed(years, 3) + " years";
}

// Characters, not bytes, of a UTF-8 text.
size_t displayLength(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Pads a cell to its column: text to the left, figures to the right.
std::string cell(const std::string& text, size_t width, bool left) {
  const size_t length = displayLength(text);
  const std::string pad(width > length ? width - length : 0, ' ');
  return left ? text + pad : pad + text;
}

void writeTable(EstimatorSession& s, const model::ResultDisplay& d) {
  auto& project = s.model.project;
  const auto kwh = [&](double v) { return model::FormatGrouped(v, 0, d.thousandsSeparator); };
  const int count = project.SystemCount();
  std::printf("Project: %s\n",
              s.header.projectName.empty() ? "<No Name>" : s.header.projectName.c_str());
  std::printf("Project type: %s   Systems: %d\n",
              s.header.projectType == model::ProjectType::MultiSystem ? "Multi System Project"
                                                                      : "Single System Project",
              count);
  std::printf("Currency: %s   Power unit: %s   Units: %s\n\n", d.currencySymbol.c_str(),
              model::GetPowerUnits(d, project.PowerInKw() != 0).c_str(),
              d.metricUnits ? "Metric" : "English");

  std::vector<std::vector<std::string>> rows = {{"#", "System", "Qty", "Present kWh/yr",
                                                 "Drive kWh/yr", "Saved kWh/yr", "Cost savings",
                                                 "Payback"}};
  for (int i = 1; i <= count; ++i) {
    const auto& sys = *project.Get_System(i);
    rows.push_back({std::to_string(i),
                    sys.Identification().empty() ? "<No Name>" : sys.Identification(),
                    std::to_string(sys.Quantity()), kwh(sys.Annual_Energy(Case::Present)),
                    kwh(sys.Annual_Energy(Case::Drive)), kwh(sys.Annual_Energy_Savings()),
                    money(sys.Annual_Cost_Savings(), d), paybackText(sys.Payback(Case::Present))});
  }
  std::vector<size_t> widths(rows.front().size(), 0);
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], displayLength(row[c]));
    }
  }
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      line += cell(row[c], widths[c], c == 1);
    }
    std::printf("%s\n", line.c_str());
  }

  const std::vector<std::pair<std::string, std::string>> totals = {
      {"Annual energy, present control", kwh(project.Total_Annual_Energy(Case::Present)) + " kWh"},
      {"Annual energy, with drives", kwh(project.Total_Annual_Energy(Case::Drive)) + " kWh"},
      {"Annual energy savings", kwh(project.Total_Annual_Energy_Savings()) + " kWh"},
      {"Annual energy-cost savings", money(project.Total_Annual_Cost_Savings(), d)},
      // A whole amount, as the results page shows it.
      {"Total annual savings", money(project.Total_Annual_Savings(), d, 0)},
      {"Annual CO2 savings",
       model::FormatGrouped(project.Total_Annual_Co2_Savings(), 2, d.thousandsSeparator) + " " +
           d.weightLabel},
      {"Simple payback", paybackText(project.Project_Payback())},
  };
  size_t labelWidth = 0, valueWidth = 0;
  for (const auto& [label, value] : totals) {
    labelWidth = std::max(labelWidth, label.size());
    valueWidth = std::max(valueWidth, displayLength(value));
  }
  std::printf("\nProject totals (each system times its quantity)\n");
  for (const auto& [label, value] : totals) {
    std::printf("  %s  %s\n", cell(label, labelWidth, true).c_str(),
                cell(value, valueWidth, false).c_str());
  }
}

// The systems whose blocks carried other utility values than the project's.
void warnAboutUtilityValues(EstimatorSession& s, const OpenOutcome& outcome) {
  if (outcome.otherUtilityValues.empty()) return;
  std::string names;
  for (int i : outcome.otherUtilityValues) {
    if (!names.empty()) names += ", ";
    const std::string& name = s.model.project.Get_System(i)->Identification();
    names += std::to_string(i) + (name.empty() ? std::string() : " (" + name + ")");
  }
  std::cerr << kProgramName << ": warning: the utility values (rates, demand charge, incentives) "
            << "of system" << (outcome.otherUtilityValues.size() == 1 ? " " : "s ") << names
            << " differ from the project's; every system is calculated with the project's "
               "values, those of the last system block\n";
}

int runCheck(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options)) return reject(*failure);
  const int count = opened.outcome().systemCount;
  std::printf("OK: %s: %d system%s\n", options.input.c_str(), count, count == 1 ? "" : "s");
  return kOk;
}

int runCalc(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options)) return reject(*failure);
  EstimatorSession& s = opened.session();
  warnAboutUtilityValues(s, opened.outcome());
  const model::ResultDisplay display =
      preferences::BuildDisplaySettings(s.values, s.model.project, s.procedures.numberFormat())
          .results;
  if (options.json) {
    writeJson(s, display);
  } else {
    writeTable(s, display);
  }
  return kOk;
}

int runResave(const BatchOptions& options) {
  OpenedProject opened(options);
  if (auto failure = opened.open(options)) return reject(*failure);
  EstimatorSession& s = opened.session();
  const std::string date = gui::TodayShortDate();
  const projectfile::ProjectFileSources sources{s.model.project, s.catalogue, s.values, s.header,
                                                date};
  if (!projectfile::WriteProjectFile(options.output, sources, opened.messages())) {
    return reject(opened.messages().last);
  }
  std::printf("Saved %s (%d system%s)\n", options.output.c_str(), s.model.project.SystemCount(),
              s.model.project.SystemCount() == 1 ? "" : "s");
  return kOk;
}

// A usage error: what was wrong, then the usage line.
std::nullopt_t usageError(const std::string& what) {
  std::cerr << kProgramName << ": " << what << '\n' << kUsageLine << '\n';
  return std::nullopt;
}

}  // namespace

std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& args, bool& done) {
  done = false;
  BatchOptions options;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
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
    } else if (a == "--settings" || a == "--locale") {
      if (i + 1 >= args.size()) return usageError(a + " needs a value");
      (a == "--settings" ? options.settingsPath : options.locale) = args[++i];
      if (a == "--locale" && !knownLocale(*options.locale)) {
        return usageError("unknown locale '" + *options.locale + "'");
      }
    } else if (a.size() > 1 && a[0] == '-') {
      return usageError("unknown option '" + a + "'");
    } else {
      positional.push_back(a);
    }
  }
  if (positional.empty() || positional[0].empty()) return usageError("no command given");
  const std::string& command = positional[0];
  const size_t wanted = command == "resave" ? 3 : (command == "check" || command == "calc") ? 2 : 0;
  if (wanted == 0) return usageError("unknown command '" + command + "'");
  if (positional.size() < wanted) {
    return usageError(wanted == 3 ? "resave needs IN and OUT" : command + " needs a FILE");
  }
  if (positional.size() > wanted) {
    return usageError("unexpected argument '" + positional[wanted] + "'");
  }
  if (options.json && command != "calc") return usageError("--json works with calc only");
  options.command = command;
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
