#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/ResultSlots.h"
#include "model/WizardFields.h"

// Every label that shows a result slot, on the wizard's overview tabs, result
// pages and charts and in the report: which slot, the caption beside it and
// where it sits.

namespace korvane::wizard {

enum class LabelPage {
  SystemTab,            // step 3 overview, tab "Main System Data: "
  CategoryTab,          // step 3 overview, the tab of an application-type category
  ProjectOverview,      // step 4, project overview
  SystemCalculation,    // step 4, per-system calculation
  SystemPaybackChart,   // the payback tab of the system charts
  ProjectPaybackChart,  // the project payback chart
  ReportSummary,        // report page 1: named objects
  ReportSystemData,     // report page 2: data-set fields
  ReportCharts1,        // report pages 3 to 5: data-set fields
  ReportCharts2,
  ReportCharts3,
};

constexpr bool IsReportPage(LabelPage page) {
  return page >= LabelPage::ReportSummary;
}

enum class LabelGroup {
  None,  // on the page itself, or in a group without a caption
  // step 3 overview
  SystemData,
  MotorData,
  DriveData,
  HoursOfOperation,
  Incentive,
  // step 4 (and, where the report uses the same words, the report)
  ProjectIdentification,
  EnergyUsage,
  CarbonFootprint,
  ProjectCost,
  EstimatedSavings,
  PaybackEstimation,
  OperatingInfo,
  SelectedPayback,
  PaybackAnalysis,
  // report
  SummaryCarbonFootprint,
  ReportSystemData,
  ReportMotorData,
  ReportDriveData,
  ReportCarbonDioxide,
  ReportOperatingInfo,
  ReportSavings,
};

struct LabelGroupText {
  std::string_view caption;  // as shown
  // What names a value of the group where captions repeat on a page.
  std::string_view accessiblePrefix;
};
LabelGroupText GroupText(LabelGroup group);

enum class LabelRole {
  Value,     // a value beside its caption
  Text,      // the slot's text says itself what it is (a line, a heading, a caption)
  Unplaced,  // answered by name, though no page of the report shows it
};

struct ResultLabel {
  // Object name: the wizard's label, or the report's named object (page 1)
  // or data-set field (pages 2 to 5), which the report matches ignoring case.
  std::string_view name{};
  model::ResultSlot slot = model::ResultSlot::SystemsOfType;
  LabelPage page = LabelPage::SystemTab;
  LabelGroup group = LabelGroup::None;
  std::string_view caption{};
  std::string_view column{};  // heading of its column, in tables of several columns
  LabelRole role = LabelRole::Value;
  std::optional<model::ResultSlot> captionSlot{};  // the caption is the text of this slot
  model::SwitchRule hiddenBy{};
  model::RowCondition condition = model::RowCondition::Always;
};

std::span<const ResultLabel> ResultLabels();

// The label of that name on that page (ignoring case); null when none.
const ResultLabel* FindResultLabel(LabelPage page, std::string_view name);

// The accessible name of a value label: its caption, led by its group's prefix
// where the caption repeats on the page, followed by its column. A caption
// that is a slot's text is passed in. Empty for the other roles, whose text
// speaks for itself.
std::string AccessibleName(const ResultLabel& label, std::string_view captionSlotText = {});

}  // namespace korvane::wizard
