#include "model/ResultSlots.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "model/EfficiencyCurves.h"
#include "model/FeatureSwitches.h"
#include "text/NumberText.h"

namespace korvane::model {

namespace {

constexpr std::string_view kNotAvailable = "N/A";
constexpr std::string_view kCo2Caption =
    "Carbon Dioxide (CO2) savings estimation based on electricity produced from";
constexpr std::array<std::string_view, 3> kCo2SourceNames = {"Coal", "Natural Gas", "Oil"};
constexpr std::string_view kUserDefinedSource = "User defined";
constexpr std::array<std::string_view, 3> kVoltages = {"208", "240", "480"};

class SlotWriter {
 public:
  SlotWriter(const ResultDisplay& display, ResultSlotSink& sink) : d_(display), sink_(sink) {}

  void text(ResultSlot slot, std::string_view value) {
    sink_.Write_Result_Slot(slot, value, SlotColour::WindowText);
  }
  void plain(ResultSlot slot, double value, std::string_view suffix = {}) {
    std::string t = FormatPlain(value);
    if (!suffix.empty()) t.append(" ").append(suffix);
    text(slot, t);
  }
  void money(ResultSlot slot, double value) {
    std::string t = d_.currencySymbol;
    text(slot, t.append(" ").append(FormatGrouped(value, 0, d_.thousandsSeparator)));
  }
  void scaled(ResultSlot slot, double value, double divisor, int decimals,
              std::string_view suffix) {
    if (divisor == 0) return;
    std::string t = FormatGrouped(value / divisor, decimals, d_.thousandsSeparator);
    text(slot, t.append(" ").append(suffix));
  }

 private:
  const ResultDisplay& d_;
  ResultSlotSink& sink_;
};

// Energy in kWh, or in MWh when the automatic unit is on and the deciding
// present-case energy is above 1000 kWh.
struct EnergyUnit {
  double divisor;
  std::string_view suffix;
};
EnergyUnit energyUnit(const ResultDisplay& d, double presentEnergy) {
  if (d.automaticPowerUnit && presentEnergy > 1000) return {1000, "MWh"};
  return {1, "kWh"};
}

// CO2 in the weight unit, or in tons once the deciding present-case amount is
// above a ton (2000 lbs, 1000 kg).
struct Co2Unit {
  double divisor;
  std::string suffix;
};
Co2Unit co2Unit(const ResultDisplay& d, double presentCo2) {
  const double ton = d.metricUnits ? 1000 : 2000;
  if (presentCo2 > ton) return {ton, d.tonsLabel};
  return {1, d.weightLabel};
}

std::string threeDigits(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.3d", number);
  return buffer;
}

}  // namespace

ResultSlotTable::ResultSlotTable() {
  Reset_Result_Slots(*this);
}

namespace {
// The place of a slot in the table; nothing for a number no slot has.
std::optional<size_t> place(ResultSlot slot) {
  if (!IsKnown(slot)) return std::nullopt;
  return static_cast<size_t>(ToNumber(slot));
}
}  // namespace

void ResultSlotTable::Write_Result_Slot(ResultSlot slot, std::string_view text, SlotColour colour) {
  const auto at = place(slot);
  if (!at) return;
  texts_[*at] = text;
  colours_[*at] = colour;
}

const std::string& ResultSlotTable::Text(ResultSlot slot) const {
  static const std::string none;
  const auto at = place(slot);
  return at ? texts_[*at] : none;
}

SlotColour ResultSlotTable::Colour(ResultSlot slot) const {
  const auto at = place(slot);
  return at ? colours_[*at] : SlotColour::WindowText;
}

std::string FormatPlain(double value) {
  return text::formatFixed(value, value != std::trunc(value) ? 1 : 0);
}

std::string FormatGrouped(double value, int decimals, std::string_view separator) {
  return text::formatResultNumber(value, decimals, separator);
}

void Reset_Result_Slots(ResultSlotSink& sink) {
  for (ResultSlot slot : kAllResultSlots) {
    sink.Write_Result_Slot(slot, kNotAvailable, SlotColour::WindowText);
  }
}

void Write_Payback_Slot(ResultSlotSink& sink, ResultSlot slot, double years) {
  if (std::isinf(years) && years > 0) {
    sink.Write_Result_Slot(slot, "Never", SlotColour::Red);
  } else if (years > 5) {
    sink.Write_Result_Slot(slot, "> 5 Years", SlotColour::Blue);
  } else if (years != 0) {
    sink.Write_Result_Slot(slot, text::formatFixed(years, 3) + " Years", SlotColour::Blue);
  } else {
    sink.Write_Result_Slot(slot, "Immediately", SlotColour::Blue);
  }
}

std::string GetPowerUnits(const ResultDisplay& display, bool powerInKw) {
  return powerInKw ? display.kwCaption : display.hpCaption;
}

std::string GetPressureUnits(const ResultDisplay& display) {
  return display.metricUnits ? "kPa" : "ft.wg.";
}

std::string GetApplicationName(ApplicationType application) {
  switch (application) {
    case ApplicationType::Fan:
      return "Fan";
    case ApplicationType::Pump:
      return "Pump";
    case ApplicationType::CoolingTower:
      return "Cooling Tower";
  }
  return std::string();
}

std::string GetSystemType(const TVexEnergyProjectAnalysis& project, int i) {
  const TVexEnergySystemAnalysis* system = project.Get_System(i);
  const std::string name = system ? GetApplicationName(system->ApplicationType()) : std::string();
  return name.empty() ? std::string(kNotAvailable) : name + " System";
}

std::string GetSystemFlowControl(const TVexEnergyProjectAnalysis& project, int i,
                                 const ResultDisplay& display) {
  const TVexEnergySystemAnalysis* system = project.Get_System(i);
  if (!system) return std::string();
  if (system->ApplicationType() == ApplicationType::CoolingTower) return "Bypass";
  for (const FlowControlItem& item :
       FlowControlItems(system->ApplicationType(), display.customTitles)) {
    if (item.value == system->FlowControl()) return item.name;
  }
  return std::string();
}

std::string GetSystemCatalogNumber(const TVexEnergyProjectAnalysis& project, int i) {
  const TVexEnergySystemAnalysis* system = project.Get_System(i);
  if (!system || system->CatalogNumber().empty()) return std::string(kNotAvailable);
  return system->CatalogNumber();
}

std::string GetSystemVoltage(const TVexEnergyProjectAnalysis& project, int i) {
  const TVexEnergySystemAnalysis* system = project.Get_System(i);
  if (!system || system->VoltageClass() < 0 ||
      system->VoltageClass() >= static_cast<int>(kVoltages.size())) {
    return std::string();
  }
  return std::string(kVoltages[static_cast<size_t>(system->VoltageClass())]);
}

double GetSystemVoltageValue(const TVexEnergyProjectAnalysis& project, int i) {
  return text::parseNumber(GetSystemVoltage(project, i)).value_or(0);
}

bool Write_System_Slots(TVexEnergyProjectAnalysis& project, int i, const ResultDisplay& d,
                        ResultSlotSink& sink) {
  if (i < 1 || i > project.SystemCount() || !project.Prepare_System(i)) return false;
  const TVexEnergySystemAnalysis& s = *project.Get_System(i);
  const bool inKw = project.PowerInKw() != 0;
  const std::string powerUnits = GetPowerUnits(d, inKw);
  SlotWriter w(d, sink);
  using enum ResultSlot;
  constexpr auto P = Case::Present;
  constexpr auto D = Case::Drive;

  std::string source;
  const int co2Source = project.Co2Source();
  if (co2Source >= 0 && co2Source <= 2) {
    source = kCo2SourceNames[static_cast<size_t>(co2Source)];
  } else {
    source = d.co2UserDescription.empty() ? std::string(kUserDefinedSource) : d.co2UserDescription;
  }
  w.text(CatalogNumber, GetSystemCatalogNumber(project, i));
  w.text(Co2Basis, std::string(kCo2Caption) + " " + source + " at " +
                       FormatGrouped(s.Co2_Factor(), 3, d.thousandsSeparator) + " of CO2/" +
                       d.weightLabel);
  w.plain(DriveMotorEfficiency, s.DriveMotorEfficiency(), "%");
  w.money(DriveCost, s.DriveCost());
  w.plain(MinimumHead, s.MinimumHead(), GetPressureUnits(d));

  const Co2Unit co2 = co2Unit(d, s.Annual_Co2(P));
  const Co2Unit projectCo2 = co2Unit(d, project.Total_Annual_Co2(P));
  w.scaled(Co2Present, s.Annual_Co2(P), co2.divisor, 2, co2.suffix);
  w.scaled(Co2Drive, s.Annual_Co2(D), co2.divisor, 2, co2.suffix);
  w.scaled(Co2PresentQty, s.Annual_Co2_Qty(P), co2.divisor, 2, co2.suffix);
  w.scaled(Co2DriveQty, s.Annual_Co2_Qty(D), co2.divisor, 2, co2.suffix);
  w.scaled(ProjectCo2Present, project.Total_Annual_Co2(P), projectCo2.divisor, 2,
           projectCo2.suffix);
  w.scaled(ProjectCo2Drive, project.Total_Annual_Co2(D), projectCo2.divisor, 2, projectCo2.suffix);

  const EnergyUnit energy = energyUnit(d, s.Annual_Energy(P));
  const EnergyUnit projectEnergy = energyUnit(d, project.Total_Annual_Energy(P));
  w.scaled(EnergyPresent, s.Annual_Energy(P), energy.divisor, 0, energy.suffix);
  w.scaled(EnergyDrive, s.Annual_Energy(D), energy.divisor, 0, energy.suffix);
  w.scaled(EnergyPresentQty, s.Annual_Energy_Qty(P), energy.divisor, 0, energy.suffix);
  w.scaled(EnergyDriveQty, s.Annual_Energy_Qty(D), energy.divisor, 0, energy.suffix);
  w.scaled(ProjectEnergyPresent, project.Total_Annual_Energy(P), projectEnergy.divisor, 0,
           projectEnergy.suffix);
  w.scaled(ProjectEnergyDrive, project.Total_Annual_Energy(D), projectEnergy.divisor, 0,
           projectEnergy.suffix);

  Write_Payback_Slot(sink, Payback, s.Payback(P));
  Write_Payback_Slot(sink, ProjectPayback, project.Project_Payback());

  w.scaled(Co2Savings, s.Annual_Co2_Savings(), co2.divisor, 2, co2.suffix);
  w.scaled(Co2SavingsQty, s.Annual_Co2_Savings_Qty(), co2.divisor, 2, co2.suffix);
  w.scaled(ProjectCo2Savings, project.Total_Annual_Co2_Savings(), projectCo2.divisor, 2,
           projectCo2.suffix);
  w.money(TotalSavings, s.Total_Annual_Savings());
  w.money(TotalSavingsQty, s.Total_Annual_Savings_Qty());
  w.money(ProjectTotalSavings, project.Total_Annual_Savings());
  w.money(CostSavings, s.Annual_Cost_Savings());
  w.money(CostSavingsQty, s.Annual_Cost_Savings_Qty());
  w.scaled(EnergySavings, s.Annual_Energy_Savings(), energy.divisor, 0, energy.suffix);
  w.scaled(EnergySavingsQty, s.Annual_Energy_Savings_Qty(), energy.divisor, 0, energy.suffix);
  w.scaled(ProjectEnergySavings, project.Total_Annual_Energy_Savings(), projectEnergy.divisor, 0,
           projectEnergy.suffix);
  w.money(DemandSavings, s.Annual_Demand_Savings());
  w.money(DemandSavingsQty, s.Annual_Demand_Savings_Qty());

  const std::string flowControl = GetSystemFlowControl(project, i, d);
  w.text(FlowControlCaption, flowControl.empty() ? "" : "Flow Control:");
  w.text(FlowControl, flowControl);
  w.money(InstallCost, s.InstallCost());
  w.plain(MotorEfficiency, s.MotorEfficiency(), "%");
  w.plain(MotorFla, s.MotorFla(), "A.");
  w.plain(MotorPower, s.Get_Motor_Power(inKw), powerUnits);
  w.plain(Voltage, GetSystemVoltageValue(project, i), "V");
  w.plain(Quantity, s.Quantity());
  w.scaled(AnnualHours, s.Annual_Hours(), 1, 0, "Hrs");
  w.scaled(AnnualHoursQty, static_cast<double>(s.Annual_Hours()) * s.Quantity(), 1, 0, "Hrs");
  w.plain(DaysPerWeek, s.DaysPerWeek(), "days");
  const bool perYear = s.HoursPerYearMode() == 1;
  w.text(HoursCaption, perYear ? "Hours per Year:" : "Hours per Day:");
  w.plain(Hours, perYear ? s.HoursPerYear() : s.HoursPerDay(), "hours");
  w.plain(WeeksPerYear, s.WeeksPerYear(), "weeks");
  w.text(PaybackDisplay, project.CumulativePayback()
                             ? "Cumulative (Zero-crossing indicates breakeven point)"
                             : "Non-Cumulative (Red Circle indicates breakeven point)");

  // Cash-flow rows: 2..6 are years 1..5, 7 their total.
  constexpr int kYear1Row = 2;
  constexpr int kTotalRow = 7;
  auto cash = [&](CashColumn c, int row) { return s.Cash_Flow_Qty(P, c, row); };
  w.money(DriveCostTotalQty, cash(CashColumn::DriveCost, kTotalRow));
  w.money(DriveCostYear1Qty, cash(CashColumn::DriveCost, kYear1Row));
  w.money(ProjectDriveCostTotal, project.Total_Cash_Flow(CashColumn::DriveCost, kTotalRow));
  w.money(InstallCostTotalQty, cash(CashColumn::InstallCost, kTotalRow));
  w.money(InstallCostYear1Qty, cash(CashColumn::InstallCost, kYear1Row));
  w.money(ProjectInstallCostTotal, project.Total_Cash_Flow(CashColumn::InstallCost, kTotalRow));
  w.money(NetCashTotalQty, cash(CashColumn::Net, kTotalRow));
  w.money(EnergyCostTotalQty, cash(CashColumn::EnergySavings, kTotalRow));
  w.money(IncentivesTotalQty, cash(CashColumn::Incentives, kTotalRow));
  for (int year = 0; year < 5; ++year) {
    const auto k = static_cast<size_t>(year);
    w.money(kNetCashYearSlots[k], cash(CashColumn::Net, kYear1Row + year));
    w.money(kEnergyCostYearSlots[k], cash(CashColumn::EnergySavings, kYear1Row + year));
    w.money(kIncentivesYearSlots[k], cash(CashColumn::Incentives, kYear1Row + year));
  }
  w.money(ProjectEnergyCostYear1, project.Total_Cash_Flow(CashColumn::EnergySavings, kYear1Row));
  w.money(ProjectDemandSavingsYear1, project.Total_Cash_Flow(CashColumn::DemandSavings, kYear1Row));
  w.money(ProjectIncentivesTotal, project.Total_Cash_Flow(CashColumn::Incentives, kTotalRow));

  w.text(Identification,
         s.Identification().empty() ? "<No Name>: " + threeDigits(i) : s.Identification());
  w.text(SystemType, GetSystemType(project, i));
  w.text(
      PowerIncentive,
      d.currencySymbol + " " + FormatPlain(s.PowerIncentive()) + " per " +
          (s.IncentiveUnit() == IncentiveUnit::PerPowerUnit ? powerUnits : std::string("system")) +
          "; " + (s.PowerIncentiveOneTime() == 0 ? "Yearly" : "One-time"));
  w.money(UtilityIncentive, s.UtilityIncentive());
  w.text(WeightUnits, std::string("Weight Units: ") + (d.metricUnits ? "Metric" : "English"));
  return true;
}

void UpdateSystemsAggregates(const TVexEnergyProjectAnalysis& project, ApplicationType application,
                             const ResultDisplay& display, ResultSlotSink& sink) {
  int count = 0;
  double power = 0;
  const bool inKw = project.PowerInKw() != 0;
  for (int i = 1; i <= project.SystemCount(); ++i) {
    const TVexEnergySystemAnalysis& s = *project.Get_System(i);
    if (s.ApplicationType() != application) continue;
    ++count;
    power += s.Get_Motor_Power(inKw);
  }
  SlotWriter w(display, sink);
  w.plain(ResultSlot::SystemsOfType, count);
  w.plain(ResultSlot::PowerOfType, power, GetPowerUnits(display, inKw));
}

std::array<DutyRow, kPointCount> System_Duty_Rows(const TVexEnergyProjectAnalysis& project, int i) {
  std::array<DutyRow, kPointCount> rows;
  const TVexEnergySystemAnalysis* s = project.Get_System(i);
  if (!s) return rows;
  for (int p = 1; p <= kPointCount; ++p) {
    DutyRow& row = rows[static_cast<size_t>(p - 1)];
    row.rate = s->AltRateAtPoint(p) ? "Off-Peak/Alternate" : "Normal";
    row.flow = std::to_string(s->FlowPercent(p));
    row.time = std::to_string(s->TimePercent(p));
  }
  return rows;
}

bool Rebate_Panel_Visible(const TVexEnergySystem& system) {
  return (!FeatureOff(NoUtilityIncentive) && system.IncentiveOneTime() == 0) ||
         (!FeatureOff(NoSystemIncentive) && system.PowerIncentiveOneTime() == 0);
}

}  // namespace korvane::model
