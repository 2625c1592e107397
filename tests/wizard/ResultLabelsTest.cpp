#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/FeatureSwitchesForTests.h"
#include "model/ResultSlots.h"
#include "text/Ascii.h"
#include "wizard/ResultLabels.h"

namespace korvane::wizard {
namespace {

using Slot = model::ResultSlot;

TEST(ResultLabels, RowsAreConsistent) {
  std::set<std::pair<LabelPage, std::string>> names;
  std::map<model::ResultSlot, int> wizardLabelsPerSlot;
  std::set<model::ResultSlot> labelled;
  for (const ResultLabel& label : ResultLabels()) {
    SCOPED_TRACE(std::string(label.name));
    EXPECT_FALSE(label.name.empty());
    // The report matches its names ignoring case.
    EXPECT_TRUE(names.insert({label.page, text::lowerAscii(label.name)}).second)
        << "name twice on a page";
    EXPECT_GE(model::ToNumber(label.slot), 0);
    EXPECT_LT(model::ToNumber(label.slot), model::kResultSlotCount);
    if (label.role == LabelRole::Value) {
      // A value has its caption, or takes it from another slot on its page.
      EXPECT_NE(label.caption.empty(), !label.captionSlot.has_value());
      if (label.captionSlot) {
        EXPECT_NE(label.captionSlot, label.slot);
        const bool captionShown = std::ranges::any_of(ResultLabels(), [&](const ResultLabel& l) {
          return l.page == label.page && l.slot == label.captionSlot && l.role == LabelRole::Text;
        });
        EXPECT_TRUE(captionShown);
      }
    } else {
      EXPECT_TRUE(label.caption.empty());
      EXPECT_FALSE(label.captionSlot.has_value());
    }
    EXPECT_TRUE(label.role != LabelRole::Unplaced || IsReportPage(label.page));
    for (model::FeatureBit bit : {label.hiddenBy.first, label.hiddenBy.second}) {
      if (bit == model::kNoFeature) continue;
      EXPECT_TRUE(bit >= 0 && bit <= 29 && bit != 18 && bit != 21) << bit;
    }
    if (!IsReportPage(label.page)) ++wizardLabelsPerSlot[label.slot];
    labelled.insert(label.slot);
  }
  // One slot feeds at most three labels of the wizard.
  for (auto [slot, count] : wizardLabelsPerSlot) EXPECT_LE(count, 3) << model::ToNumber(slot);
  // Every slot has its label, except the catalogue number of the drive
  // selection, which this program never shows.
  for (model::ResultSlot slot : model::kAllResultSlots) {
    EXPECT_EQ(labelled.count(slot), slot == model::ResultSlot::CatalogNumber ? 0u : 1u)
        << model::ToNumber(slot);
  }
}

TEST(ResultLabels, AccessibleNamesAreUniqueOnEveryWizardPage) {
  std::set<std::pair<LabelPage, std::string>> seen;
  for (const ResultLabel& label : ResultLabels()) {
    if (IsReportPage(label.page) || label.role != LabelRole::Value || label.captionSlot) {
      continue;
    }
    const std::string name = AccessibleName(label);
    EXPECT_FALSE(name.empty()) << label.name;
    EXPECT_TRUE(seen.insert({label.page, name}).second) << name;
  }
}

const ResultLabel& at(LabelPage page, std::string_view name) {
  const ResultLabel* label = FindResultLabel(page, name);
  EXPECT_NE(label, nullptr) << name;
  static const ResultLabel none{};
  return label ? *label : none;
}

TEST(ResultLabels, SpotChecksAgainstTheQuotedCaptions) {
  const ResultLabel& present = at(LabelPage::ProjectOverview, "lblStp4_ProjOvrv_EnrgPres_Valu");
  EXPECT_EQ(present.slot, Slot::ProjectEnergyPresent);
  EXPECT_EQ(AccessibleName(present), "Energy Usage Present System:");
  EXPECT_EQ(AccessibleName(at(LabelPage::ProjectOverview, "lblStp4_ProjOvrv_CrbnPres_Valu")),
            "Carbon Footprint Present System:");
  const ResultLabel& asd = at(LabelPage::ProjectOverview, "lblStp4_ProjOvrv_EnrgAsd_Valu");
  EXPECT_EQ(asd.caption, "ASD System:");
  EXPECT_EQ(AccessibleName(at(LabelPage::ProjectOverview, "lblStp4_ProjOvrv_EnrgSave_Valu")),
            "Energy Saved:");
  EXPECT_EQ(AccessibleName(at(LabelPage::SystemCalculation, "lblStp4_SystCalc_PaybEnrg1_Valu")),
            "Payback Analysis Energy Saved: Year 1");
  EXPECT_EQ(
      GroupText(at(LabelPage::SystemCalculation, "lblStp4_SystCalc_PaybEstm_Valu").group).caption,
      "Payback Estimation Selected ASD System");
  EXPECT_EQ(GroupText(at(LabelPage::SystemTab, "lblStp3_ProjMgmt_DrivCost_Valu").group).caption,
            "Adjustable Speed Drive Data:");

  // The overview's rows carry the editor's captions.
  EXPECT_EQ(at(LabelPage::SystemTab, "lblStp3_ProjMgmt_MotrEffc_Valu").caption, "Efficiency:");
  EXPECT_EQ(at(LabelPage::SystemTab, "lblStp3_ProjMgmt_UtilRebt_Valu").slot,
            Slot::UtilityIncentive);
  // A caption that is a slot's text names its value.
  const ResultLabel& hours = at(LabelPage::SystemTab, "lblStp3_ProjMgmt_HourValu_Valu");
  EXPECT_EQ(hours.captionSlot, Slot::HoursCaption);
  EXPECT_EQ(AccessibleName(hours, "Hours per Year:"), "Hours per Year:");
  EXPECT_EQ(at(LabelPage::SystemTab, "lblStp3_ProjMgmt_DaysWeek_Valu").condition,
            model::RowCondition::HoursPerDay);

  // The report, by its names in any case.
  const ResultLabel& saved = at(LabelPage::ReportSummary, "SUMMARY_PAGE_ENERGY_SAVED_CO2_LABEL");
  EXPECT_EQ(saved.slot, Slot::ProjectCo2Savings);
  EXPECT_EQ(saved.caption, "Carbon Dioxide Savings:");
  EXPECT_EQ(at(LabelPage::ReportSummary, "Co2Label").slot, Slot::Co2Basis);
  EXPECT_EQ(at(LabelPage::ReportSystemData, "CO2LABEL").slot, Slot::Co2Basis);
  EXPECT_EQ(at(LabelPage::ReportSystemData, "Field_TotalPaybackY203").condition,
            model::RowCondition::YearlyPowerIncentive);
  EXPECT_EQ(at(LabelPage::ReportSystemData, "Field_SavingsTotalTotal").slot,
            Slot::EnergySavingsQty);
  EXPECT_EQ(at(LabelPage::ReportCharts3, "Application_Name6").slot, Slot::Identification);
  EXPECT_EQ(FindResultLabel(LabelPage::ReportSummary, "Field_Savings01"), nullptr);
}

TEST(ResultLabels, TheSystemTabShowsTheRowsOfTheEdition) {
  model::testing::ScopedFeatureWord edition(model::kEditionFeatureWord);
  std::vector<std::string> captions;
  for (const ResultLabel& label : ResultLabels()) {
    if (label.page == LabelPage::SystemTab && label.role == LabelRole::Value &&
        !label.captionSlot && !model::SwitchedOff(label.hiddenBy)) {
      captions.emplace_back(label.caption);
    }
  }
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Name:", "Type:", "Flow Control:", "Efficiency:", "Power:",
                                      "Drive Cost:", "Install Cost:", "# Systems:",
                                      "Days per Week:", "Weeks per Year:", "Utility Incentive:"}));
}

}  // namespace
}  // namespace korvane::wizard
