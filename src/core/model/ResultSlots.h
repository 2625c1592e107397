#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/TVexEnergyProjectAnalysis.h"

namespace korvane::model {

// The result slots: every figure the wizard's pages and the report show, as
// text. The number beside each name is the slot's number, the place of its
// text in the batch tool's list. "Qty" marks a figure multiplied by the
// system's Quantity, "Project" the project total; the others are for one unit
// of the system on screen.
enum class ResultSlot : int {
  SystemsOfType = 0,  // how many systems of one application type
  PowerOfType = 1,    // their motor power added up
  CatalogNumber = 2,
  Co2Basis = 3,  // what the CO2 figures rest on
  DriveMotorEfficiency = 4,
  DriveCost = 5,
  MinimumHead = 6,
  Co2Present = 7,
  Co2Drive = 8,
  Co2PresentQty = 9,
  ProjectCo2Present = 10,
  Co2DriveQty = 11,
  ProjectCo2Drive = 12,
  EnergyPresent = 13,
  EnergyDrive = 14,
  EnergyPresentQty = 15,
  ProjectEnergyPresent = 16,
  EnergyDriveQty = 17,
  ProjectEnergyDrive = 18,
  Payback = 19,
  ProjectPayback = 20,
  Co2Savings = 21,
  Co2SavingsQty = 22,
  ProjectCo2Savings = 23,
  TotalSavings = 24,
  TotalSavingsQty = 25,
  ProjectTotalSavings = 26,
  CostSavings = 27,
  CostSavingsQty = 28,
  EnergySavings = 29,
  EnergySavingsQty = 30,
  ProjectEnergySavings = 31,
  DemandSavings = 32,
  DemandSavingsQty = 33,
  FlowControlCaption = 34,
  FlowControl = 35,
  InstallCost = 36,
  MotorEfficiency = 37,
  MotorFla = 38,
  MotorPower = 39,
  Voltage = 40,
  Quantity = 41,
  AnnualHours = 42,
  AnnualHoursQty = 43,
  DaysPerWeek = 44,
  HoursCaption = 45,  // "Hours per Year:" or "Hours per Day:"
  Hours = 46,         // hours per year or per day, as slot 45 says
  WeeksPerYear = 47,
  PaybackDisplay = 48,  // how the payback chart shows the cash flow
  DriveCostTotalQty = 49,
  ProjectDriveCostTotal = 50,
  DriveCostYear1Qty = 51,
  InstallCostTotalQty = 52,
  ProjectInstallCostTotal = 53,
  InstallCostYear1Qty = 54,
  NetCashTotalQty = 55,
  NetCashYear1Qty = 56,
  NetCashYear2Qty = 57,
  NetCashYear3Qty = 58,
  NetCashYear4Qty = 59,
  NetCashYear5Qty = 60,
  EnergyCostTotalQty = 61,
  EnergyCostYear1Qty = 62,
  ProjectEnergyCostYear1 = 63,
  EnergyCostYear2Qty = 64,
  EnergyCostYear3Qty = 65,
  EnergyCostYear4Qty = 66,
  EnergyCostYear5Qty = 67,
  ProjectDemandSavingsYear1 = 68,
  IncentivesTotalQty = 69,
  ProjectIncentivesTotal = 70,
  IncentivesYear1Qty = 71,
  IncentivesYear2Qty = 72,
  IncentivesYear3Qty = 73,
  IncentivesYear4Qty = 74,
  IncentivesYear5Qty = 75,
  Identification = 76,
  SystemType = 77,
  PowerIncentive = 78,
  UtilityIncentive = 79,
  WeightUnits = 80,
};
inline constexpr int kResultSlotCount = 81;

// True for a number a slot has.
constexpr bool IsKnown(ResultSlot slot) {
  return ToNumber(slot) >= 0 && ToNumber(slot) < kResultSlotCount;
}

// Every slot, in the order of their numbers.
inline constexpr auto kAllResultSlots = [] {
  std::array<ResultSlot, kResultSlotCount> all{};
  for (int n = 0; n < kResultSlotCount; ++n) all[static_cast<size_t>(n)] = ResultSlot{n};
  return all;
}();

// The five years of the payback table, year 1 first.
inline constexpr std::array<ResultSlot, 5> kNetCashYearSlots = {
    ResultSlot::NetCashYear1Qty, ResultSlot::NetCashYear2Qty, ResultSlot::NetCashYear3Qty,
    ResultSlot::NetCashYear4Qty, ResultSlot::NetCashYear5Qty};
inline constexpr std::array<ResultSlot, 5> kEnergyCostYearSlots = {
    ResultSlot::EnergyCostYear1Qty, ResultSlot::EnergyCostYear2Qty, ResultSlot::EnergyCostYear3Qty,
    ResultSlot::EnergyCostYear4Qty, ResultSlot::EnergyCostYear5Qty};
inline constexpr std::array<ResultSlot, 5> kIncentivesYearSlots = {
    ResultSlot::IncentivesYear1Qty, ResultSlot::IncentivesYear2Qty, ResultSlot::IncentivesYear3Qty,
    ResultSlot::IncentivesYear4Qty, ResultSlot::IncentivesYear5Qty};

enum class SlotColour { WindowText, Red, Blue };

// Where result texts go: the wizard's labels, the report, the batch tool.
class ResultSlotSink {
 public:
  virtual ~ResultSlotSink() = default;
  virtual void Write_Result_Slot(ResultSlot slot, std::string_view text, SlotColour colour) = 0;
};

// The slots held in memory, for readers that need every text at once.
class ResultSlotTable : public ResultSlotSink {
 public:
  ResultSlotTable();
  void Write_Result_Slot(ResultSlot slot, std::string_view text, SlotColour colour) override;
  const std::string& Text(ResultSlot slot) const;
  SlotColour Colour(ResultSlot slot) const;

 private:
  std::array<std::string, kResultSlotCount> texts_;
  std::array<SlotColour, kResultSlotCount> colours_{};
};

// How results are shown: the preferences that shape the texts and the
// thousands separator of the system's locale.
struct ResultDisplay {
  std::string currencySymbol = "$";
  bool metricUnits = false;
  bool automaticPowerUnit = false;
  std::string weightLabel = "Lbs";
  std::string tonsLabel = "Ton(s)";
  std::string hpCaption = "HP";
  std::string kwCaption = "kW";
  std::string co2UserDescription;
  std::array<std::string, 2> customTitles;
  std::string thousandsSeparator = ",";
};

// Number formats of the result texts ("." as decimal point, halves away from
// zero, groups up to the billions).
std::string FormatPlain(double value);
std::string FormatGrouped(double value, int decimals, std::string_view separator);

// Every slot "N/A" in the window-text colour.
void Reset_Result_Slots(ResultSlotSink& sink);
void Write_Payback_Slot(ResultSlotSink& sink, ResultSlot slot, double years);

// Texts the wizard and the report show for a system.
std::string GetPowerUnits(const ResultDisplay& display, bool powerInKw);
std::string GetPressureUnits(const ResultDisplay& display);
std::string GetApplicationName(ApplicationType application);
std::string GetSystemType(const TVexEnergyProjectAnalysis& project, int i);
std::string GetSystemFlowControl(const TVexEnergyProjectAnalysis& project, int i,
                                 const ResultDisplay& display);
std::string GetSystemCatalogNumber(const TVexEnergyProjectAnalysis& project, int i);
std::string GetSystemVoltage(const TVexEnergyProjectAnalysis& project, int i);
double GetSystemVoltageValue(const TVexEnergyProjectAnalysis& project, int i);

// Writes every slot of system i (1..SystemCount): the present case against
// the drive. The system is prepared first; false, and nothing written, when
// it cannot be.
bool Write_System_Slots(TVexEnergyProjectAnalysis& project, int i, const ResultDisplay& display,
                        ResultSlotSink& sink);

// How many systems of one application type, and their motor power added up.
void UpdateSystemsAggregates(const TVexEnergyProjectAnalysis& project, ApplicationType application,
                             const ResultDisplay& display, ResultSlotSink& sink);

struct DutyRow {
  std::string rate;  // "Normal" or "Off-Peak/Alternate"
  std::string flow;
  std::string time;
};
std::array<DutyRow, kPointCount> System_Duty_Rows(const TVexEnergyProjectAnalysis& project, int i);

// The result page's utility-rebate panel shows only for incentives paid yearly.
bool Rebate_Panel_Visible(const TVexEnergySystem& system);

}  // namespace korvane::model
