#include "wizard/ResultLabels.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace korvane::wizard {

namespace {

// Texts that are made of other texts, joined once at compile time.
template <const std::string_view&... Parts>
struct Joined {
  static constexpr auto kChars = [] {
    std::array<char, (Parts.size() + ...)> chars{};
    std::size_t at = 0;
    for (std::string_view part : {Parts...}) {
      for (char c : part) chars[at++] = c;
    }
    return chars;
  }();
  static constexpr std::string_view kText{kChars.data(), kChars.size()};
};

constexpr std::string_view kColon = ":";
constexpr std::string_view kAsdSystem = "ASD System";
constexpr std::string_view kPaybackEstimationSelected = "Payback Estimation Selected ";
constexpr std::string_view kAsdSystemCaption = Joined<kAsdSystem, kColon>::kText;

// Captions that several labels share.
constexpr std::string_view kPresentSystem = "Present System:";
constexpr std::string_view kDriveSystem = "Drive System:";
constexpr std::string_view kEnergySaved = "Energy Saved:";
constexpr std::string_view kCo2Savings = "CO2 Savings:";
constexpr std::string_view kYearlyEnergySavings = "Yearly Energy Savings:";
constexpr std::string_view kEstimatedPaybackTime = "Estimated Payback Time:";
constexpr std::string_view kSystemIdentification = "System Identification:";
constexpr std::string_view kType = "Type:";
constexpr std::string_view kEquipmentCost = "Equipment Cost:";
constexpr std::string_view kInstallationCost = "Installation Cost:";
constexpr std::string_view kEnergySavedPerYear = "Energy Saved/Year:";
constexpr std::string_view kYearlySavings = "Yearly Savings:";
constexpr std::string_view kTotalRow = "Total:";
constexpr std::string_view kTotal = "Total";
constexpr std::string_view kSingle = "Single";
constexpr std::array<std::string_view, 5> kYears = {"Year 1", "Year 2", "Year 3", "Year 4",
                                                    "Year 5"};
constexpr std::string_view kEstimatedSavings = "Estimated Savings:";
constexpr std::string_view kCarbonFootprint = "Carbon Footprint";
constexpr std::string_view kPaybackAnalysis = "Payback Analysis";

using G = LabelGroup;
using enum LabelPage;
using model::EditorCaption;
using model::HiddenBy;
using model::RowCondition;

constexpr ResultLabel Value(std::string_view name, int slot, LabelPage page, LabelGroup group,
                            std::string_view caption, std::string_view column = {}) {
  return {.name = name,
          .slot = slot,
          .page = page,
          .group = group,
          .caption = caption,
          .column = column};
}

constexpr ResultLabel Line(std::string_view name, int slot, LabelPage page,
                           LabelGroup group = G::None) {
  return {.name = name, .slot = slot, .page = page, .group = group, .role = LabelRole::Text};
}

constexpr ResultLabel Unplaced(std::string_view name, int slot, LabelPage page, LabelGroup group) {
  return {.name = name, .slot = slot, .page = page, .group = group, .role = LabelRole::Unplaced};
}

constexpr ResultLabel CaptionedBySlot(std::string_view name, int slot, LabelPage page,
                                      LabelGroup group, int captionSlot) {
  return {.name = name, .slot = slot, .page = page, .group = group, .captionSlot = captionSlot};
}

constexpr ResultLabel Hidden(ResultLabel label, model::SwitchRule rule,
                             RowCondition condition = RowCondition::Always) {
  label.hiddenBy = rule;
  label.condition = condition;
  return label;
}

constexpr ResultLabel When(ResultLabel label, RowCondition condition) {
  label.condition = condition;
  return label;
}

constexpr std::array kLabels{
    // Step 3 overview, "Main System Data: ": the editor's rows, as results.
    Value("lblStp3_ProjMgmt_SystName_Valu", 76, SystemTab, G::SystemData,
          EditorCaption("SystemIndentification")),
    Hidden(Value("lblStp3_ProjMgmt_SystType_Valu", 77, SystemTab, G::SystemData,
                 EditorCaption("cboStp3_EditSyst_ApplType")),
           HiddenBy(model::HideApplicationType)),
    Hidden(Value("lblStp3_ProjMgmt_FlowCtrl_Valu", 35, SystemTab, G::SystemData,
                 EditorCaption("cboStp3_EditSyst_FanFlowCtrl")),
           HiddenBy(model::NoFlowControlType), RowCondition::FanOrPump),
    Hidden(Value("lblStp3_ProjMgmt_MinmHead_Valu", 6, SystemTab, G::SystemData, "Minimum Head:"),
           HiddenBy(model::NoMinimumHead), RowCondition::PumpOnly),
    Value("lblStp3_ProjMgmt_MotrEffc_Valu", 37, SystemTab, G::MotorData, EditorCaption("A110")),
    Hidden(Value("lblStp3_ProjMgmt_DrivMotrEffc_Valu", 4, SystemTab, G::MotorData,
                 EditorCaption("A193")),
           HiddenBy(model::NoDriveMotorEfficiency)),
    Value("lblStp3_ProjMgmt_MotrPowr_Valu", 39, SystemTab, G::MotorData, EditorCaption("A108")),
    Hidden(Value("lblStp3_ProjMgmt_MotrVolt_Valu", 40, SystemTab, G::MotorData,
                 EditorCaption("cboStp3_EditSyst_MotrVolt")),
           HiddenBy(model::NoVoltage)),
    Hidden(
        Value("lblStp3_ProjMgmt_MotrFla_Valu", 38, SystemTab, G::MotorData, EditorCaption("A109")),
        HiddenBy(model::NoFla)),
    Value("lblStp3_ProjMgmt_DrivCost_Valu", 5, SystemTab, G::DriveData, EditorCaption("A112")),
    Value("lblStp3_ProjMgmt_InstCost_Valu", 36, SystemTab, G::DriveData, EditorCaption("A114")),
    Hidden(
        Value("lblStp3_ProjMgmt_UtilRebt_Valu", 79, SystemTab, G::DriveData, EditorCaption("A113")),
        HiddenBy(model::NoDemandRebate)),
    Hidden(
        Value("lblStp3_ProjMgmt_SystQnty_Valu", 41, SystemTab, G::DriveData, EditorCaption("A115")),
        HiddenBy(model::NoSystemCount)),
    Line("lblStp3_ProjMgmt_HourMode", 45, SystemTab, G::HoursOfOperation),
    CaptionedBySlot("lblStp3_ProjMgmt_HourValu_Valu", 46, SystemTab, G::HoursOfOperation, 45),
    When(Value("lblStp3_ProjMgmt_DaysWeek_Valu", 44, SystemTab, G::HoursOfOperation,
               EditorCaption("A102")),
         RowCondition::HoursPerDay),
    When(Value("lblStp3_ProjMgmt_WeekYear_Valu", 47, SystemTab, G::HoursOfOperation,
               EditorCaption("A103")),
         RowCondition::HoursPerDay),
    Value("lblStp3_ProjMgmt_UtilIncn_Valu", 78, SystemTab, G::Incentive, EditorCaption("A192")),

    // Step 3 overview, a category's tab.
    Value("lblStp3_ProjMgmt_CtgrSyst_Valu", 0, CategoryTab, G::None, "Number of Systems:"),
    Value("lblStp3_ProjMgmt_CtgrPowr_Valu", 1, CategoryTab, G::None, "Total Power:"),

    // Step 4, project overview.
    Line("lblStp4_ProjOvrv_WghtUnit", 80, ProjectOverview, G::ProjectIdentification),
    Value("lblStp4_ProjOvrv_EnrgPres_Valu", 16, ProjectOverview, G::EnergyUsage, kPresentSystem),
    Value("lblStp4_ProjOvrv_EnrgAsd_Valu", 18, ProjectOverview, G::EnergyUsage, kAsdSystemCaption),
    Value("lblStp4_ProjOvrv_EnrgSave_Valu", 31, ProjectOverview, G::EnergyUsage, kEnergySaved),
    Value("lblStp4_ProjOvrv_CrbnPres_Valu", 10, ProjectOverview, G::CarbonFootprint,
          kPresentSystem),
    Value("lblStp4_ProjOvrv_CrbnAsd_Valu", 12, ProjectOverview, G::CarbonFootprint,
          kAsdSystemCaption),
    Value("lblStp4_ProjOvrv_CrbnSave_Valu", 23, ProjectOverview, G::CarbonFootprint, kCo2Savings),
    Value("lblStp4_ProjOvrv_EquiCost_Valu", 50, ProjectOverview, G::ProjectCost,
          "Total Equipment Cost:"),
    Value("lblStp4_ProjOvrv_InstCost_Valu", 53, ProjectOverview, G::ProjectCost,
          "Total Installation Cost:"),
    Value("lblStp4_ProjOvrv_UtilRebt_Valu", 70, ProjectOverview, G::ProjectCost,
          "Total Utility Rebates:"),
    Value("lblStp4_ProjOvrv_YearSave_Valu", 26, ProjectOverview, G::EstimatedSavings,
          kYearlyEnergySavings, "All Systems"),
    Value("lblStp4_ProjOvrv_PaybEstm_Valu", 20, ProjectOverview, G::PaybackEstimation,
          kEstimatedPaybackTime),
    Line("lblStp4_ProjOvrv_CrbnBase", 3, ProjectOverview),

    // Step 4, per-system calculation: all identical units together.
    Value("lblStp4_SystCalc_SystName_Valu", 76, SystemCalculation, G::None, kSystemIdentification),
    Value("lblStp4_SystCalc_SystType_Valu", 77, SystemCalculation, G::None, kType),
    Line("lblStp4_SystCalc_FlowCtrl", 34, SystemCalculation),
    CaptionedBySlot("lblStp4_SystCalc_FlowCtrl_Valu", 35, SystemCalculation, G::None, 34),
    Value("lblStp4_SystCalc_OperHour_Valu", 43, SystemCalculation, G::OperatingInfo,
          "Operating Hours:"),
    Value("lblStp4_SystCalc_EnrgPres_Valu", 15, SystemCalculation, G::OperatingInfo,
          "Current System:"),
    Value("lblStp4_SystCalc_EnrgAsd_Valu", 17, SystemCalculation, G::OperatingInfo,
          kAsdSystemCaption),
    Value("lblStp4_SystCalc_EnrgSave_Valu", 30, SystemCalculation, G::OperatingInfo, kEnergySaved),
    Value("lblStp4_SystCalc_CrbnPres_Valu", 9, SystemCalculation, G::CarbonFootprint,
          kPresentSystem),
    Value("lblStp4_SystCalc_CrbnAsd_Valu", 11, SystemCalculation, G::CarbonFootprint,
          kAsdSystemCaption),
    Value("lblStp4_SystCalc_CrbnSave_Valu", 22, SystemCalculation, G::CarbonFootprint, kCo2Savings),
    Value("lblStp4_SystCalc_YearSave_Valu", 25, SystemCalculation, G::EstimatedSavings,
          kYearlyEnergySavings),
    Value("lblStp4_SystCalc_PaybEstm_Valu", 19, SystemCalculation, G::SelectedPayback,
          kEstimatedPaybackTime),
    // The payback analysis; the rebate cells of years 2 to 5 are the rebate panel.
    Value("lblStp4_SystCalc_PaybEqui1_Valu", 51, SystemCalculation, G::PaybackAnalysis,
          kEquipmentCost, kYears[0]),
    Value("lblStp4_SystCalc_PaybEquiT_Valu", 49, SystemCalculation, G::PaybackAnalysis,
          kEquipmentCost, kTotal),
    Value("lblStp4_SystCalc_PaybInst1_Valu", 54, SystemCalculation, G::PaybackAnalysis,
          kInstallationCost, kYears[0]),
    Value("lblStp4_SystCalc_PaybInstT_Valu", 52, SystemCalculation, G::PaybackAnalysis,
          kInstallationCost, kTotal),
    Value("lblStp4_SystCalc_PaybRebt1_Valu", 71, SystemCalculation, G::PaybackAnalysis,
          "Utility Rebates:", kYears[0]),
    When(Value("lblStp4_SystCalc_PaybRebt2_Valu", 72, SystemCalculation, G::PaybackAnalysis,
               "Utility Rebates:", kYears[1]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt3_Valu", 73, SystemCalculation, G::PaybackAnalysis,
               "Utility Rebates:", kYears[2]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt4_Valu", 74, SystemCalculation, G::PaybackAnalysis,
               "Utility Rebates:", kYears[3]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt5_Valu", 75, SystemCalculation, G::PaybackAnalysis,
               "Utility Rebates:", kYears[4]),
         RowCondition::RebatePanel),
    Value("lblStp4_SystCalc_PaybRebtT_Valu", 69, SystemCalculation, G::PaybackAnalysis,
          "Utility Rebates:", kTotal),
    Value("lblStp4_SystCalc_PaybEnrg1_Valu", 62, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kYears[0]),
    Value("lblStp4_SystCalc_PaybEnrg2_Valu", 64, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kYears[1]),
    Value("lblStp4_SystCalc_PaybEnrg3_Valu", 65, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kYears[2]),
    Value("lblStp4_SystCalc_PaybEnrg4_Valu", 66, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kYears[3]),
    Value("lblStp4_SystCalc_PaybEnrg5_Valu", 67, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kYears[4]),
    Value("lblStp4_SystCalc_PaybEnrgT_Valu", 61, SystemCalculation, G::PaybackAnalysis,
          kEnergySaved, kTotal),
    Value("lblStp4_SystCalc_PaybTotl1_Valu", 56, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kYears[0]),
    Value("lblStp4_SystCalc_PaybTotl2_Valu", 57, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kYears[1]),
    Value("lblStp4_SystCalc_PaybTotl3_Valu", 58, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kYears[2]),
    Value("lblStp4_SystCalc_PaybTotl4_Valu", 59, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kYears[3]),
    Value("lblStp4_SystCalc_PaybTotl5_Valu", 60, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kYears[4]),
    Value("lblStp4_SystCalc_PaybTotlT_Valu", 55, SystemCalculation, G::PaybackAnalysis, kTotalRow,
          kTotal),

    // Below the payback charts.
    Line("lblSystChrt_PaybNote", 48, SystemPaybackChart),
    Line("lblProjChrt_PaybNote", 48, ProjectPaybackChart),

    // Report page 1, the project summary: named objects.
    Value("Summary_Page_Present_System_Label", 16, ReportSummary, G::EnergyUsage, kPresentSystem),
    Value("Summary_Page_Drive_System_Label", 18, ReportSummary, G::EnergyUsage, kDriveSystem),
    Value("Summary_Page_Energy_Saved_Label", 31, ReportSummary, G::EnergyUsage, kEnergySaved),
    Value("Summary_Page_Energy_Saved_Per_Year_Label", 63, ReportSummary, G::ReportSavings,
          kEnergySavedPerYear, kTotal),
    Unplaced("Summary_Page_Demand_Savings_Per_Year_Label", 68, ReportSummary, G::ReportSavings),
    Value("Summary_Page_Yearly_Savings_Label", 26, ReportSummary, G::ReportSavings, kYearlySavings,
          kTotal),
    Value("Summary_Page_Present_System_Co2_Label", 10, ReportSummary, G::SummaryCarbonFootprint,
          kPresentSystem),
    Value("Summary_Page_Drive_System_Co2_Label", 12, ReportSummary, G::SummaryCarbonFootprint,
          kDriveSystem),
    Value("Summary_Page_Energy_Saved_Co2_Label", 23, ReportSummary, G::SummaryCarbonFootprint,
          "Carbon Dioxide Savings:"),
    Line("Co2Label", 3, ReportSummary),
    Line("WeightLabel", 80, ReportSummary),
    Value("Summary_Page_Simple_Payback_Label", 20, ReportSummary, G::None, kEstimatedPaybackTime),

    // Report page 2, one system: data-set fields.
    Line("Application_Name", 76, ReportSystemData),
    Line("Application_Field01", 77, ReportSystemData, G::ReportSystemData),
    Value("System_Id01", 76, ReportSystemData, G::ReportSystemData, kSystemIdentification),
    Value("System_Id02", 77, ReportSystemData, G::ReportSystemData, kType),
    Value("System_Id03", 35, ReportSystemData, G::ReportSystemData, "Flow Control:"),
    Value("Field_MotorData02", 39, ReportSystemData, G::ReportMotorData, "Power:"),
    Unplaced("Field_MotorData03", 38, ReportSystemData, G::ReportMotorData),
    Value("Field_MotorData04", 37, ReportSystemData, G::ReportMotorData, "Efficiency:"),
    Unplaced("Field_MotorData05", 4, ReportSystemData, G::ReportMotorData),
    Value("Field_DriveData01", 5, ReportSystemData, G::ReportDriveData, "Drive Cost:"),
    Value("Field_DriveData02", 36, ReportSystemData, G::ReportDriveData, "Inst. Cost:"),
    Unplaced("Field_DriveData03", 79, ReportSystemData, G::ReportDriveData),
    Value("Field_DriveData04", 41, ReportSystemData, G::ReportDriveData, "#Systems:"),
    Value("Field_Single_Cfp01", 7, ReportSystemData, G::ReportCarbonDioxide, kPresentSystem,
          "Carbon Footprint Single"),
    Value("Field_Total_Cfp01", 9, ReportSystemData, G::ReportCarbonDioxide, kPresentSystem,
          "Carbon Footprint Total"),
    Value("Field_Single_Cfp02", 8, ReportSystemData, G::ReportCarbonDioxide, kDriveSystem,
          "Carbon Footprint Single"),
    Value("Field_Total_Cfp02", 11, ReportSystemData, G::ReportCarbonDioxide, kDriveSystem,
          "Carbon Footprint Total"),
    Value("Field_Single_Cfp03", 21, ReportSystemData, G::ReportCarbonDioxide,
          "Savings:", "Carbon Footprint Single"),
    Value("Field_Total_Cfp03", 22, ReportSystemData, G::ReportCarbonDioxide,
          "Savings:", "Carbon Footprint Total"),
    Value("Field_TotalPaybackY101", 51, ReportSystemData, G::PaybackAnalysis, kEquipmentCost,
          kYears[0]),
    Value("Field_TotalPaybackYT01", 49, ReportSystemData, G::PaybackAnalysis, kEquipmentCost,
          kTotal),
    Value("Field_TotalPaybackY102", 54, ReportSystemData, G::PaybackAnalysis, kInstallationCost,
          kYears[0]),
    Value("Field_TotalPaybackYT02", 52, ReportSystemData, G::PaybackAnalysis, kInstallationCost,
          kTotal),
    Value("Field_TotalPaybackY103", 71, ReportSystemData, G::PaybackAnalysis,
          "Utility Rebate:", kYears[0]),
    When(Value("Field_TotalPaybackY203", 72, ReportSystemData, G::PaybackAnalysis,
               "Utility Rebate:", kYears[1]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY303", 73, ReportSystemData, G::PaybackAnalysis,
               "Utility Rebate:", kYears[2]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY403", 74, ReportSystemData, G::PaybackAnalysis,
               "Utility Rebate:", kYears[3]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY503", 75, ReportSystemData, G::PaybackAnalysis,
               "Utility Rebate:", kYears[4]),
         RowCondition::YearlyPowerIncentive),
    Value("Field_TotalPaybackYT03", 69, ReportSystemData, G::PaybackAnalysis,
          "Utility Rebate:", kTotal),
    Value("Field_TotalPaybackY104", 62, ReportSystemData, G::PaybackAnalysis, kEnergySaved,
          kYears[0]),
    Value("Field_TotalPaybackY204", 64, ReportSystemData, G::PaybackAnalysis, kEnergySaved,
          kYears[1]),
    Value("Field_TotalPaybackY304", 65, ReportSystemData, G::PaybackAnalysis, kEnergySaved,
          kYears[2]),
    Value("Field_TotalPaybackY404", 66, ReportSystemData, G::PaybackAnalysis, kEnergySaved,
          kYears[3]),
    Value("Field_TotalPaybackY504", 67, ReportSystemData, G::PaybackAnalysis, kEnergySaved,
          kYears[4]),
    Value("Field_TotalPaybackYT04", 61, ReportSystemData, G::PaybackAnalysis, kEnergySaved, kTotal),
    Value("Field_TotalPaybackTotal01", 56, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kYears[0]),
    Value("Field_TotalPaybackTotal02", 57, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kYears[1]),
    Value("Field_TotalPaybackTotal03", 58, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kYears[2]),
    Value("Field_TotalPaybackTotal04", 59, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kYears[3]),
    Value("Field_TotalPaybackTotal05", 60, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kYears[4]),
    Value("Field_TotalPaybackTTotal01", 55, ReportSystemData, G::PaybackAnalysis, kTotalRow,
          kTotal),
    Value("Field_Savings01", 42, ReportSystemData, G::ReportOperatingInfo,
          "Operating Hours:", kSingle),
    Value("Field_SavingsTotal01", 43, ReportSystemData, G::ReportOperatingInfo,
          "Operating Hours:", kTotal),
    Value("Field_Savings02", 13, ReportSystemData, G::ReportOperatingInfo, kPresentSystem, kSingle),
    Value("Field_SavingsTotal02", 15, ReportSystemData, G::ReportOperatingInfo, kPresentSystem,
          kTotal),
    Value("Field_Savings03", 14, ReportSystemData, G::ReportOperatingInfo, kDriveSystem, kSingle),
    Value("Field_SavingsTotal03", 17, ReportSystemData, G::ReportOperatingInfo, kDriveSystem,
          kTotal),
    Value("Field_SavingsTotal", 29, ReportSystemData, G::ReportOperatingInfo, kEnergySaved,
          kSingle),
    Value("Field_SavingsTotalTotal", 30, ReportSystemData, G::ReportOperatingInfo, kEnergySaved,
          kTotal),
    Value("Field_EstimationSingle01", 27, ReportSystemData, G::ReportSavings, kEnergySavedPerYear,
          kSingle),
    Value("Field_EstimationTotal01", 28, ReportSystemData, G::ReportSavings, kEnergySavedPerYear,
          kTotal),
    Value("Field_EstimationSingle02", 32, ReportSystemData, G::ReportSavings,
          "Demand Savings/Year:", kSingle),
    Value("Field_EstimationTotal02", 33, ReportSystemData, G::ReportSavings,
          "Demand Savings/Year:", kTotal),
    Value("Field_EstimationSingle03", 24, ReportSystemData, G::ReportSavings, kYearlySavings,
          kSingle),
    Value("Field_EstimationTotal03", 25, ReportSystemData, G::ReportSavings, kYearlySavings,
          kTotal),
    Value("Field_SimplePaybackTime", 19, ReportSystemData, G::ReportSavings, kEstimatedPaybackTime),
    Line("Co2Label", 3, ReportSystemData),
    Line("WeightLabel", 80, ReportSystemData),
    Unplaced("Application_Name2", 76, ReportSystemData, G::None),
    Unplaced("Application_Name3", 76, ReportSystemData, G::None),

    // Report pages 3 to 5: the headings over each system's charts.
    Line("Application_Name4", 76, ReportCharts1),
    Line("Application_Name5", 76, ReportCharts2),
    Line("Application_Name6", 76, ReportCharts3),
};

constexpr std::string_view kDriveDataHeading = Joined<model::kDriveDataCaption, kColon>::kText;
constexpr std::string_view kSelectedPaybackHeading =
    Joined<kPaybackEstimationSelected, kAsdSystem>::kText;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

bool captionRepeats(const ResultLabel& label) {
  return std::ranges::any_of(kLabels, [&](const ResultLabel& other) {
    return &other != &label && other.page == label.page && other.role == LabelRole::Value &&
           other.captionSlot < 0 && other.caption == label.caption;
  });
}

}  // namespace

LabelGroupText GroupText(LabelGroup group) {
  using model::FieldGroup;
  using model::FieldGroupCaption;
  switch (group) {
    case G::None:
      return {};
    case G::SystemData:
      return {"System Data:", "System Data"};
    case G::MotorData:
      return {"Motor Data:", "Motor Data"};
    case G::DriveData:
      return {kDriveDataHeading, model::kDriveDataCaption};
    case G::HoursOfOperation:
      return {"Hours of Operation:", "Hours of Operation"};
    case G::Incentive:
      return {"Incentive:", "Incentive"};
    case G::ProjectIdentification:
      return {"Project Identification:", "Project Identification"};
    case G::EnergyUsage:
      return {"Energy Usage", "Energy Usage"};
    case G::CarbonFootprint:
      return {"Estimated Carbon Footprint", kCarbonFootprint};
    case G::ProjectCost:
      return {"Project Cost/Rebates", "Project Cost/Rebates"};
    case G::EstimatedSavings:
      return {"Estimated Savings", "Estimated Savings"};
    case G::PaybackEstimation:
      return {"Payback Estimation", "Payback Estimation"};
    case G::OperatingInfo:
      return {"Operating Info", "Operating Info"};
    case G::SelectedPayback:
      return {kSelectedPaybackHeading, kSelectedPaybackHeading};
    case G::PaybackAnalysis:
      return {kPaybackAnalysis, kPaybackAnalysis};
    case G::SummaryCarbonFootprint:
      return {kCarbonFootprint, kCarbonFootprint};
    case G::ReportSystemData:
      return {FieldGroupCaption(FieldGroup::SystemData), {}};
    case G::ReportMotorData:
      return {FieldGroupCaption(FieldGroup::MotorData), {}};
    case G::ReportDriveData:
      return {"Drive Data", {}};
    case G::ReportCarbonDioxide:
      return {"Estimated Carbon Dioxide Emmisions", {}};
    case G::ReportOperatingInfo:
      return {"Operating Info:", {}};
    case G::ReportSavings:
      return {kEstimatedSavings, {}};
  }
  return {};
}

std::span<const ResultLabel> ResultLabels() {
  return kLabels;
}

const ResultLabel* FindResultLabel(LabelPage page, std::string_view name) {
  for (const ResultLabel& label : kLabels) {
    if (label.page == page && sameIgnoringCase(label.name, name)) return &label;
  }
  return nullptr;
}

std::string AccessibleName(const ResultLabel& label, std::string_view captionSlotText) {
  if (label.role != LabelRole::Value) return {};
  std::string name;
  if (label.captionSlot >= 0) {
    name = captionSlotText;
  } else {
    const std::string_view prefix = GroupText(label.group).accessiblePrefix;
    if (!prefix.empty() && captionRepeats(label)) (name = prefix) += ' ';
    name += label.caption;
  }
  if (!label.column.empty()) (name += ' ') += label.column;
  return name;
}

}  // namespace korvane::wizard
