#include "wizard/ResultLabels.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "text/Ascii.h"

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
using S = model::ResultSlot;
using model::ResultSlot;
using enum LabelPage;
using model::EditorCaption;
using model::HiddenBy;
using model::RowCondition;

constexpr ResultLabel Value(std::string_view name, ResultSlot slot, LabelPage page,
                            LabelGroup group, std::string_view caption,
                            std::string_view column = {}) {
  return {.name = name,
          .slot = slot,
          .page = page,
          .group = group,
          .caption = caption,
          .column = column};
}

constexpr ResultLabel Line(std::string_view name, ResultSlot slot, LabelPage page,
                           LabelGroup group = G::None) {
  return {.name = name, .slot = slot, .page = page, .group = group, .role = LabelRole::Text};
}

constexpr ResultLabel Unplaced(std::string_view name, ResultSlot slot, LabelPage page,
                               LabelGroup group) {
  return {.name = name, .slot = slot, .page = page, .group = group, .role = LabelRole::Unplaced};
}

constexpr ResultLabel CaptionedBySlot(std::string_view name, ResultSlot slot, LabelPage page,
                                      LabelGroup group, ResultSlot captionSlot) {
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
    Value("lblStp3_ProjMgmt_SystName_Valu", S::Identification, SystemTab, G::SystemData,
          EditorCaption("SystemIndentification")),
    Hidden(Value("lblStp3_ProjMgmt_SystType_Valu", S::SystemType, SystemTab, G::SystemData,
                 EditorCaption("cboStp3_EditSyst_ApplType")),
           HiddenBy(model::HideApplicationType)),
    Hidden(Value("lblStp3_ProjMgmt_FlowCtrl_Valu", S::FlowControl, SystemTab, G::SystemData,
                 EditorCaption("cboStp3_EditSyst_FanFlowCtrl")),
           HiddenBy(model::NoFlowControlType), RowCondition::FanOrPump),
    Hidden(Value("lblStp3_ProjMgmt_MinmHead_Valu", S::MinimumHead, SystemTab, G::SystemData,
                 "Minimum Head:"),
           HiddenBy(model::NoMinimumHead), RowCondition::PumpOnly),
    Value("lblStp3_ProjMgmt_MotrEffc_Valu", S::MotorEfficiency, SystemTab, G::MotorData,
          EditorCaption("A110")),
    Hidden(Value("lblStp3_ProjMgmt_DrivMotrEffc_Valu", S::DriveMotorEfficiency, SystemTab,
                 G::MotorData, EditorCaption("A193")),
           HiddenBy(model::NoDriveMotorEfficiency)),
    Value("lblStp3_ProjMgmt_MotrPowr_Valu", S::MotorPower, SystemTab, G::MotorData,
          EditorCaption("A108")),
    Hidden(Value("lblStp3_ProjMgmt_MotrVolt_Valu", S::Voltage, SystemTab, G::MotorData,
                 EditorCaption("cboStp3_EditSyst_MotrVolt")),
           HiddenBy(model::NoVoltage)),
    Hidden(Value("lblStp3_ProjMgmt_MotrFla_Valu", S::MotorFla, SystemTab, G::MotorData,
                 EditorCaption("A109")),
           HiddenBy(model::NoFla)),
    Value("lblStp3_ProjMgmt_DrivCost_Valu", S::DriveCost, SystemTab, G::DriveData,
          EditorCaption("A112")),
    Value("lblStp3_ProjMgmt_InstCost_Valu", S::InstallCost, SystemTab, G::DriveData,
          EditorCaption("A114")),
    Hidden(Value("lblStp3_ProjMgmt_UtilRebt_Valu", S::UtilityIncentive, SystemTab, G::DriveData,
                 EditorCaption("A113")),
           HiddenBy(model::NoDemandRebate)),
    Hidden(Value("lblStp3_ProjMgmt_SystQnty_Valu", S::Quantity, SystemTab, G::DriveData,
                 EditorCaption("A115")),
           HiddenBy(model::NoSystemCount)),
    Line("lblStp3_ProjMgmt_HourMode", S::HoursCaption, SystemTab, G::HoursOfOperation),
    CaptionedBySlot("lblStp3_ProjMgmt_HourValu_Valu", S::Hours, SystemTab, G::HoursOfOperation,
                    S::HoursCaption),
    When(Value("lblStp3_ProjMgmt_DaysWeek_Valu", S::DaysPerWeek, SystemTab, G::HoursOfOperation,
               EditorCaption("A102")),
         RowCondition::HoursPerDay),
    When(Value("lblStp3_ProjMgmt_WeekYear_Valu", S::WeeksPerYear, SystemTab, G::HoursOfOperation,
               EditorCaption("A103")),
         RowCondition::HoursPerDay),
    Value("lblStp3_ProjMgmt_UtilIncn_Valu", S::PowerIncentive, SystemTab, G::Incentive,
          EditorCaption("A192")),

    // Step 3 overview, a category's tab.
    Value("lblStp3_ProjMgmt_CtgrSyst_Valu", S::SystemsOfType, CategoryTab, G::None,
          "Number of Systems:"),
    Value("lblStp3_ProjMgmt_CtgrPowr_Valu", S::PowerOfType, CategoryTab, G::None, "Total Power:"),

    // Step 4, project overview.
    Line("lblStp4_ProjOvrv_WghtUnit", S::WeightUnits, ProjectOverview, G::ProjectIdentification),
    Value("lblStp4_ProjOvrv_EnrgPres_Valu", S::ProjectEnergyPresent, ProjectOverview,
          G::EnergyUsage, kPresentSystem),
    Value("lblStp4_ProjOvrv_EnrgAsd_Valu", S::ProjectEnergyDrive, ProjectOverview, G::EnergyUsage,
          kAsdSystemCaption),
    Value("lblStp4_ProjOvrv_EnrgSave_Valu", S::ProjectEnergySavings, ProjectOverview,
          G::EnergyUsage, kEnergySaved),
    Value("lblStp4_ProjOvrv_CrbnPres_Valu", S::ProjectCo2Present, ProjectOverview,
          G::CarbonFootprint, kPresentSystem),
    Value("lblStp4_ProjOvrv_CrbnAsd_Valu", S::ProjectCo2Drive, ProjectOverview, G::CarbonFootprint,
          kAsdSystemCaption),
    Value("lblStp4_ProjOvrv_CrbnSave_Valu", S::ProjectCo2Savings, ProjectOverview,
          G::CarbonFootprint, kCo2Savings),
    Value("lblStp4_ProjOvrv_EquiCost_Valu", S::ProjectDriveCostTotal, ProjectOverview,
          G::ProjectCost, "Total Equipment Cost:"),
    Value("lblStp4_ProjOvrv_InstCost_Valu", S::ProjectInstallCostTotal, ProjectOverview,
          G::ProjectCost, "Total Installation Cost:"),
    Value("lblStp4_ProjOvrv_UtilRebt_Valu", S::ProjectIncentivesTotal, ProjectOverview,
          G::ProjectCost, "Total Utility Rebates:"),
    Value("lblStp4_ProjOvrv_YearSave_Valu", S::ProjectTotalSavings, ProjectOverview,
          G::EstimatedSavings, kYearlyEnergySavings, "All Systems"),
    Value("lblStp4_ProjOvrv_PaybEstm_Valu", S::ProjectPayback, ProjectOverview,
          G::PaybackEstimation, kEstimatedPaybackTime),
    Line("lblStp4_ProjOvrv_CrbnBase", S::Co2Basis, ProjectOverview),

    // Step 4, per-system calculation: all identical units together.
    Value("lblStp4_SystCalc_SystName_Valu", S::Identification, SystemCalculation, G::None,
          kSystemIdentification),
    Value("lblStp4_SystCalc_SystType_Valu", S::SystemType, SystemCalculation, G::None, kType),
    Line("lblStp4_SystCalc_FlowCtrl", S::FlowControlCaption, SystemCalculation),
    CaptionedBySlot("lblStp4_SystCalc_FlowCtrl_Valu", S::FlowControl, SystemCalculation, G::None,
                    S::FlowControlCaption),
    Value("lblStp4_SystCalc_OperHour_Valu", S::AnnualHoursQty, SystemCalculation, G::OperatingInfo,
          "Operating Hours:"),
    Value("lblStp4_SystCalc_EnrgPres_Valu", S::EnergyPresentQty, SystemCalculation,
          G::OperatingInfo, "Current System:"),
    Value("lblStp4_SystCalc_EnrgAsd_Valu", S::EnergyDriveQty, SystemCalculation, G::OperatingInfo,
          kAsdSystemCaption),
    Value("lblStp4_SystCalc_EnrgSave_Valu", S::EnergySavingsQty, SystemCalculation,
          G::OperatingInfo, kEnergySaved),
    Value("lblStp4_SystCalc_CrbnPres_Valu", S::Co2PresentQty, SystemCalculation, G::CarbonFootprint,
          kPresentSystem),
    Value("lblStp4_SystCalc_CrbnAsd_Valu", S::Co2DriveQty, SystemCalculation, G::CarbonFootprint,
          kAsdSystemCaption),
    Value("lblStp4_SystCalc_CrbnSave_Valu", S::Co2SavingsQty, SystemCalculation, G::CarbonFootprint,
          kCo2Savings),
    Value("lblStp4_SystCalc_YearSave_Valu", S::TotalSavingsQty, SystemCalculation,
          G::EstimatedSavings, kYearlyEnergySavings),
    Value("lblStp4_SystCalc_PaybEstm_Valu", S::Payback, SystemCalculation, G::SelectedPayback,
          kEstimatedPaybackTime),
    // The payback analysis; the rebate cells of years 2 to 5 are the rebate panel.
    Value("lblStp4_SystCalc_PaybEqui1_Valu", S::DriveCostYear1Qty, SystemCalculation,
          G::PaybackAnalysis, kEquipmentCost, kYears[0]),
    Value("lblStp4_SystCalc_PaybEquiT_Valu", S::DriveCostTotalQty, SystemCalculation,
          G::PaybackAnalysis, kEquipmentCost, kTotal),
    Value("lblStp4_SystCalc_PaybInst1_Valu", S::InstallCostYear1Qty, SystemCalculation,
          G::PaybackAnalysis, kInstallationCost, kYears[0]),
    Value("lblStp4_SystCalc_PaybInstT_Valu", S::InstallCostTotalQty, SystemCalculation,
          G::PaybackAnalysis, kInstallationCost, kTotal),
    Value("lblStp4_SystCalc_PaybRebt1_Valu", S::IncentivesYear1Qty, SystemCalculation,
          G::PaybackAnalysis, "Utility Rebates:", kYears[0]),
    When(Value("lblStp4_SystCalc_PaybRebt2_Valu", S::IncentivesYear2Qty, SystemCalculation,
               G::PaybackAnalysis, "Utility Rebates:", kYears[1]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt3_Valu", S::IncentivesYear3Qty, SystemCalculation,
               G::PaybackAnalysis, "Utility Rebates:", kYears[2]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt4_Valu", S::IncentivesYear4Qty, SystemCalculation,
               G::PaybackAnalysis, "Utility Rebates:", kYears[3]),
         RowCondition::RebatePanel),
    When(Value("lblStp4_SystCalc_PaybRebt5_Valu", S::IncentivesYear5Qty, SystemCalculation,
               G::PaybackAnalysis, "Utility Rebates:", kYears[4]),
         RowCondition::RebatePanel),
    Value("lblStp4_SystCalc_PaybRebtT_Valu", S::IncentivesTotalQty, SystemCalculation,
          G::PaybackAnalysis, "Utility Rebates:", kTotal),
    Value("lblStp4_SystCalc_PaybEnrg1_Valu", S::EnergyCostYear1Qty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kYears[0]),
    Value("lblStp4_SystCalc_PaybEnrg2_Valu", S::EnergyCostYear2Qty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kYears[1]),
    Value("lblStp4_SystCalc_PaybEnrg3_Valu", S::EnergyCostYear3Qty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kYears[2]),
    Value("lblStp4_SystCalc_PaybEnrg4_Valu", S::EnergyCostYear4Qty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kYears[3]),
    Value("lblStp4_SystCalc_PaybEnrg5_Valu", S::EnergyCostYear5Qty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kYears[4]),
    Value("lblStp4_SystCalc_PaybEnrgT_Valu", S::EnergyCostTotalQty, SystemCalculation,
          G::PaybackAnalysis, kEnergySaved, kTotal),
    Value("lblStp4_SystCalc_PaybTotl1_Valu", S::NetCashYear1Qty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kYears[0]),
    Value("lblStp4_SystCalc_PaybTotl2_Valu", S::NetCashYear2Qty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kYears[1]),
    Value("lblStp4_SystCalc_PaybTotl3_Valu", S::NetCashYear3Qty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kYears[2]),
    Value("lblStp4_SystCalc_PaybTotl4_Valu", S::NetCashYear4Qty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kYears[3]),
    Value("lblStp4_SystCalc_PaybTotl5_Valu", S::NetCashYear5Qty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kYears[4]),
    Value("lblStp4_SystCalc_PaybTotlT_Valu", S::NetCashTotalQty, SystemCalculation,
          G::PaybackAnalysis, kTotalRow, kTotal),

    // Below the payback charts.
    Line("lblSystChrt_PaybNote", S::PaybackDisplay, SystemPaybackChart),
    Line("lblProjChrt_PaybNote", S::PaybackDisplay, ProjectPaybackChart),

    // Report page 1, the project summary: named objects.
    Value("Summary_Page_Present_System_Label", S::ProjectEnergyPresent, ReportSummary,
          G::EnergyUsage, kPresentSystem),
    Value("Summary_Page_Drive_System_Label", S::ProjectEnergyDrive, ReportSummary, G::EnergyUsage,
          kDriveSystem),
    Value("Summary_Page_Energy_Saved_Label", S::ProjectEnergySavings, ReportSummary, G::EnergyUsage,
          kEnergySaved),
    Value("Summary_Page_Energy_Saved_Per_Year_Label", S::ProjectEnergyCostYear1, ReportSummary,
          G::ReportSavings, kEnergySavedPerYear, kTotal),
    Unplaced("Summary_Page_Demand_Savings_Per_Year_Label", S::ProjectDemandSavingsYear1,
             ReportSummary, G::ReportSavings),
    Value("Summary_Page_Yearly_Savings_Label", S::ProjectTotalSavings, ReportSummary,
          G::ReportSavings, kYearlySavings, kTotal),
    Value("Summary_Page_Present_System_Co2_Label", S::ProjectCo2Present, ReportSummary,
          G::SummaryCarbonFootprint, kPresentSystem),
    Value("Summary_Page_Drive_System_Co2_Label", S::ProjectCo2Drive, ReportSummary,
          G::SummaryCarbonFootprint, kDriveSystem),
    Value("Summary_Page_Energy_Saved_Co2_Label", S::ProjectCo2Savings, ReportSummary,
          G::SummaryCarbonFootprint, "Carbon Dioxide Savings:"),
    Line("Co2Label", S::Co2Basis, ReportSummary),
    Line("WeightLabel", S::WeightUnits, ReportSummary),
    Value("Summary_Page_Simple_Payback_Label", S::ProjectPayback, ReportSummary, G::None,
          kEstimatedPaybackTime),

    // Report page 2, one system: data-set fields.
    Line("Application_Name", S::Identification, ReportSystemData),
    Line("Application_Field01", S::SystemType, ReportSystemData, G::ReportSystemData),
    Value("System_Id01", S::Identification, ReportSystemData, G::ReportSystemData,
          kSystemIdentification),
    Value("System_Id02", S::SystemType, ReportSystemData, G::ReportSystemData, kType),
    Value("System_Id03", S::FlowControl, ReportSystemData, G::ReportSystemData, "Flow Control:"),
    Value("Field_MotorData02", S::MotorPower, ReportSystemData, G::ReportMotorData, "Power:"),
    Unplaced("Field_MotorData03", S::MotorFla, ReportSystemData, G::ReportMotorData),
    Value("Field_MotorData04", S::MotorEfficiency, ReportSystemData, G::ReportMotorData,
          "Efficiency:"),
    Unplaced("Field_MotorData05", S::DriveMotorEfficiency, ReportSystemData, G::ReportMotorData),
    Value("Field_DriveData01", S::DriveCost, ReportSystemData, G::ReportDriveData, "Drive Cost:"),
    Value("Field_DriveData02", S::InstallCost, ReportSystemData, G::ReportDriveData, "Inst. Cost:"),
    Unplaced("Field_DriveData03", S::UtilityIncentive, ReportSystemData, G::ReportDriveData),
    Value("Field_DriveData04", S::Quantity, ReportSystemData, G::ReportDriveData, "#Systems:"),
    Value("Field_Single_Cfp01", S::Co2Present, ReportSystemData, G::ReportCarbonDioxide,
          kPresentSystem, "Carbon Footprint Single"),
    Value("Field_Total_Cfp01", S::Co2PresentQty, ReportSystemData, G::ReportCarbonDioxide,
          kPresentSystem, "Carbon Footprint Total"),
    Value("Field_Single_Cfp02", S::Co2Drive, ReportSystemData, G::ReportCarbonDioxide, kDriveSystem,
          "Carbon Footprint Single"),
    Value("Field_Total_Cfp02", S::Co2DriveQty, ReportSystemData, G::ReportCarbonDioxide,
          kDriveSystem, "Carbon Footprint Total"),
    Value("Field_Single_Cfp03", S::Co2Savings, ReportSystemData, G::ReportCarbonDioxide,
          "Savings:", "Carbon Footprint Single"),
    Value("Field_Total_Cfp03", S::Co2SavingsQty, ReportSystemData, G::ReportCarbonDioxide,
          "Savings:", "Carbon Footprint Total"),
    Value("Field_TotalPaybackY101", S::DriveCostYear1Qty, ReportSystemData, G::PaybackAnalysis,
          kEquipmentCost, kYears[0]),
    Value("Field_TotalPaybackYT01", S::DriveCostTotalQty, ReportSystemData, G::PaybackAnalysis,
          kEquipmentCost, kTotal),
    Value("Field_TotalPaybackY102", S::InstallCostYear1Qty, ReportSystemData, G::PaybackAnalysis,
          kInstallationCost, kYears[0]),
    Value("Field_TotalPaybackYT02", S::InstallCostTotalQty, ReportSystemData, G::PaybackAnalysis,
          kInstallationCost, kTotal),
    Value("Field_TotalPaybackY103", S::IncentivesYear1Qty, ReportSystemData, G::PaybackAnalysis,
          "Utility Rebate:", kYears[0]),
    When(Value("Field_TotalPaybackY203", S::IncentivesYear2Qty, ReportSystemData,
               G::PaybackAnalysis, "Utility Rebate:", kYears[1]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY303", S::IncentivesYear3Qty, ReportSystemData,
               G::PaybackAnalysis, "Utility Rebate:", kYears[2]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY403", S::IncentivesYear4Qty, ReportSystemData,
               G::PaybackAnalysis, "Utility Rebate:", kYears[3]),
         RowCondition::YearlyPowerIncentive),
    When(Value("Field_TotalPaybackY503", S::IncentivesYear5Qty, ReportSystemData,
               G::PaybackAnalysis, "Utility Rebate:", kYears[4]),
         RowCondition::YearlyPowerIncentive),
    Value("Field_TotalPaybackYT03", S::IncentivesTotalQty, ReportSystemData, G::PaybackAnalysis,
          "Utility Rebate:", kTotal),
    Value("Field_TotalPaybackY104", S::EnergyCostYear1Qty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kYears[0]),
    Value("Field_TotalPaybackY204", S::EnergyCostYear2Qty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kYears[1]),
    Value("Field_TotalPaybackY304", S::EnergyCostYear3Qty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kYears[2]),
    Value("Field_TotalPaybackY404", S::EnergyCostYear4Qty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kYears[3]),
    Value("Field_TotalPaybackY504", S::EnergyCostYear5Qty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kYears[4]),
    Value("Field_TotalPaybackYT04", S::EnergyCostTotalQty, ReportSystemData, G::PaybackAnalysis,
          kEnergySaved, kTotal),
    Value("Field_TotalPaybackTotal01", S::NetCashYear1Qty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kYears[0]),
    Value("Field_TotalPaybackTotal02", S::NetCashYear2Qty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kYears[1]),
    Value("Field_TotalPaybackTotal03", S::NetCashYear3Qty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kYears[2]),
    Value("Field_TotalPaybackTotal04", S::NetCashYear4Qty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kYears[3]),
    Value("Field_TotalPaybackTotal05", S::NetCashYear5Qty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kYears[4]),
    Value("Field_TotalPaybackTTotal01", S::NetCashTotalQty, ReportSystemData, G::PaybackAnalysis,
          kTotalRow, kTotal),
    Value("Field_Savings01", S::AnnualHours, ReportSystemData, G::ReportOperatingInfo,
          "Operating Hours:", kSingle),
    Value("Field_SavingsTotal01", S::AnnualHoursQty, ReportSystemData, G::ReportOperatingInfo,
          "Operating Hours:", kTotal),
    Value("Field_Savings02", S::EnergyPresent, ReportSystemData, G::ReportOperatingInfo,
          kPresentSystem, kSingle),
    Value("Field_SavingsTotal02", S::EnergyPresentQty, ReportSystemData, G::ReportOperatingInfo,
          kPresentSystem, kTotal),
    Value("Field_Savings03", S::EnergyDrive, ReportSystemData, G::ReportOperatingInfo, kDriveSystem,
          kSingle),
    Value("Field_SavingsTotal03", S::EnergyDriveQty, ReportSystemData, G::ReportOperatingInfo,
          kDriveSystem, kTotal),
    Value("Field_SavingsTotal", S::EnergySavings, ReportSystemData, G::ReportOperatingInfo,
          kEnergySaved, kSingle),
    Value("Field_SavingsTotalTotal", S::EnergySavingsQty, ReportSystemData, G::ReportOperatingInfo,
          kEnergySaved, kTotal),
    Value("Field_EstimationSingle01", S::CostSavings, ReportSystemData, G::ReportSavings,
          kEnergySavedPerYear, kSingle),
    Value("Field_EstimationTotal01", S::CostSavingsQty, ReportSystemData, G::ReportSavings,
          kEnergySavedPerYear, kTotal),
    Value("Field_EstimationSingle02", S::DemandSavings, ReportSystemData, G::ReportSavings,
          "Demand Savings/Year:", kSingle),
    Value("Field_EstimationTotal02", S::DemandSavingsQty, ReportSystemData, G::ReportSavings,
          "Demand Savings/Year:", kTotal),
    Value("Field_EstimationSingle03", S::TotalSavings, ReportSystemData, G::ReportSavings,
          kYearlySavings, kSingle),
    Value("Field_EstimationTotal03", S::TotalSavingsQty, ReportSystemData, G::ReportSavings,
          kYearlySavings, kTotal),
    Value("Field_SimplePaybackTime", S::Payback, ReportSystemData, G::ReportSavings,
          kEstimatedPaybackTime),
    Line("Co2Label", S::Co2Basis, ReportSystemData),
    Line("WeightLabel", S::WeightUnits, ReportSystemData),
    Unplaced("Application_Name2", S::Identification, ReportSystemData, G::None),
    Unplaced("Application_Name3", S::Identification, ReportSystemData, G::None),

    // Report pages 3 to 5: the headings over each system's charts.
    Line("Application_Name4", S::Identification, ReportCharts1),
    Line("Application_Name5", S::Identification, ReportCharts2),
    Line("Application_Name6", S::Identification, ReportCharts3),
};

constexpr std::string_view kDriveDataHeading = Joined<model::kDriveDataCaption, kColon>::kText;
constexpr std::string_view kSelectedPaybackHeading =
    Joined<kPaybackEstimationSelected, kAsdSystem>::kText;

bool captionRepeats(const ResultLabel& label) {
  return std::ranges::any_of(kLabels, [&](const ResultLabel& other) {
    return &other != &label && other.page == label.page && other.role == LabelRole::Value &&
           !other.captionSlot && other.caption == label.caption;
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
    if (label.page == page && text::equalIgnoringAsciiCase(label.name, name)) return &label;
  }
  return nullptr;
}

std::string AccessibleName(const ResultLabel& label, std::string_view captionSlotText) {
  if (label.role != LabelRole::Value) return {};
  std::string name;
  if (label.captionSlot) {
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
