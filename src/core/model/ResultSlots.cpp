#include "model/ResultSlots.h"

#include <cmath>
#include <cstdio>
#include <limits>

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

  void text(int slot, std::string_view value) {
    sink_.Write_Result_Slot(slot, value, SlotColour::WindowText);
  }
  void plain(int slot, double value, std::string_view suffix = {}) {
    std::string t = FormatPlain(value);
    if (!suffix.empty()) t.append(" ").append(suffix);
    text(slot, t);
  }
  void money(int slot, double value) {
    std::string t = d_.currencySymbol;
    text(slot, t.append(" ").append(FormatGrouped(value, 0, d_.thousandsSeparator)));
  }
  void scaled(int slot, double value, double divisor, int decimals, std::string_view suffix) {
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

void ResultSlotTable::Write_Result_Slot(int slot, std::string_view text, SlotColour colour) {
  if (slot < 0 || slot >= kResultSlotCount) return;
  texts_[static_cast<size_t>(slot)] = text;
  colours_[static_cast<size_t>(slot)] = colour;
}

const std::string& ResultSlotTable::Text(int slot) const {
  static const std::string none;
  return slot >= 0 && slot < kResultSlotCount ? texts_[static_cast<size_t>(slot)] : none;
}

SlotColour ResultSlotTable::Colour(int slot) const {
  return slot >= 0 && slot < kResultSlotCount ? colours_[static_cast<size_t>(slot)]
                                              : SlotColour::WindowText;
}

std::string FormatPlain(double value) {
  return text::formatFixed(value, value != std::trunc(value) ? 1 : 0);
}

std::string FormatGrouped(double value, int decimals, std::string_view separator) {
  return text::formatResultNumber(value, decimals, separator);
}

void Reset_Result_Slots(ResultSlotSink& sink) {
  for (int slot = 0; slot < kResultSlotCount; ++slot) {
    sink.Write_Result_Slot(slot, kNotAvailable, SlotColour::WindowText);
  }
}

void Write_Payback_Slot(ResultSlotSink& sink, int slot, double years) {
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

std::string GetApplicationName(int applicationType) {
  switch (applicationType) {
    case 0:
      return "Fan";
    case 1:
      return "Pump";
    case 2:
      return "Cooling Tower";
    default:
      return std::string();
  }
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
  if (system->ApplicationType() == 2) return "Bypass";
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
  constexpr auto P = Case::Present;
  constexpr auto D = Case::Drive;

  // Slot 3: what the CO2 figures rest on.
  std::string source;
  const int co2Source = project.Co2Source();
  if (co2Source >= 0 && co2Source <= 2) {
    source = kCo2SourceNames[static_cast<size_t>(co2Source)];
  } else {
    source = d.co2UserDescription.empty() ? std::string(kUserDefinedSource) : d.co2UserDescription;
  }
  w.text(2, GetSystemCatalogNumber(project, i));
  w.text(3, std::string(kCo2Caption) + " " + source + " at " +
                FormatGrouped(s.Co2_Factor(), 3, d.thousandsSeparator) + " of CO2/" +
                d.weightLabel);
  w.plain(4, s.DriveMotorEfficiency(), "%");
  w.money(5, s.DriveCost());
  w.plain(6, s.MinimumHead(), GetPressureUnits(d));

  const Co2Unit co2 = co2Unit(d, s.Annual_Co2(P));
  const Co2Unit projectCo2 = co2Unit(d, project.Total_Annual_Co2(P));
  w.scaled(7, s.Annual_Co2(P), co2.divisor, 2, co2.suffix);
  w.scaled(8, s.Annual_Co2(D), co2.divisor, 2, co2.suffix);
  w.scaled(9, s.Annual_Co2_Qty(P), co2.divisor, 2, co2.suffix);
  w.scaled(11, s.Annual_Co2_Qty(D), co2.divisor, 2, co2.suffix);
  w.scaled(10, project.Total_Annual_Co2(P), projectCo2.divisor, 2, projectCo2.suffix);
  w.scaled(12, project.Total_Annual_Co2(D), projectCo2.divisor, 2, projectCo2.suffix);

  const EnergyUnit energy = energyUnit(d, s.Annual_Energy(P));
  const EnergyUnit projectEnergy = energyUnit(d, project.Total_Annual_Energy(P));
  w.scaled(13, s.Annual_Energy(P), energy.divisor, 0, energy.suffix);
  w.scaled(14, s.Annual_Energy(D), energy.divisor, 0, energy.suffix);
  w.scaled(15, s.Annual_Energy_Qty(P), energy.divisor, 0, energy.suffix);
  w.scaled(17, s.Annual_Energy_Qty(D), energy.divisor, 0, energy.suffix);
  w.scaled(16, project.Total_Annual_Energy(P), projectEnergy.divisor, 0, projectEnergy.suffix);
  w.scaled(18, project.Total_Annual_Energy(D), projectEnergy.divisor, 0, projectEnergy.suffix);

  Write_Payback_Slot(sink, 19, s.Payback(P));
  Write_Payback_Slot(sink, 20, project.Project_Payback());

  w.scaled(21, s.Annual_Co2_Savings(), co2.divisor, 2, co2.suffix);
  w.scaled(22, s.Annual_Co2_Savings_Qty(), co2.divisor, 2, co2.suffix);
  w.scaled(23, project.Total_Annual_Co2_Savings(), projectCo2.divisor, 2, projectCo2.suffix);
  w.money(24, s.Total_Annual_Savings());
  w.money(25, s.Total_Annual_Savings_Qty());
  w.money(26, project.Total_Annual_Savings());
  w.money(27, s.Annual_Cost_Savings());
  w.money(28, s.Annual_Cost_Savings_Qty());
  w.scaled(29, s.Annual_Energy_Savings(), energy.divisor, 0, energy.suffix);
  w.scaled(30, s.Annual_Energy_Savings_Qty(), energy.divisor, 0, energy.suffix);
  w.scaled(31, project.Total_Annual_Energy_Savings(), projectEnergy.divisor, 0,
           projectEnergy.suffix);
  w.money(32, s.Annual_Demand_Savings());
  w.money(33, s.Annual_Demand_Savings_Qty());

  const std::string flowControl = GetSystemFlowControl(project, i, d);
  w.text(34, flowControl.empty() ? "" : "Flow Control:");
  w.text(35, flowControl);
  w.money(36, s.InstallCost());
  w.plain(37, s.MotorEfficiency(), "%");
  w.plain(38, s.MotorFla(), "A.");
  w.plain(39, s.Get_Motor_Power(inKw), powerUnits);
  w.plain(40, GetSystemVoltageValue(project, i), "V");
  w.plain(41, s.Quantity());
  w.scaled(42, s.Annual_Hours(), 1, 0, "Hrs");
  w.scaled(43, static_cast<double>(s.Annual_Hours()) * s.Quantity(), 1, 0, "Hrs");
  w.plain(44, s.DaysPerWeek(), "days");
  const bool perYear = s.HoursPerYearMode() == 1;
  w.text(45, perYear ? "Hours per Year:" : "Hours per Day:");
  w.plain(46, perYear ? s.HoursPerYear() : s.HoursPerDay(), "hours");
  w.plain(47, s.WeeksPerYear(), "weeks");
  w.text(48, project.CumulativePayback() ? "Cumulative (Zero-crossing indicates breakeven point)"
                                         : "Non-Cumulative (Red Circle indicates breakeven point)");

  auto cash = [&](CashColumn c, int row) { return s.Cash_Flow_Qty(P, c, row); };
  w.money(49, cash(CashColumn::DriveCost, 7));
  w.money(51, cash(CashColumn::DriveCost, 2));
  w.money(50, project.Total_Cash_Flow(CashColumn::DriveCost, 7));
  w.money(52, cash(CashColumn::InstallCost, 7));
  w.money(54, cash(CashColumn::InstallCost, 2));
  w.money(53, project.Total_Cash_Flow(CashColumn::InstallCost, 7));
  w.money(55, cash(CashColumn::Net, 7));
  for (int year = 1; year <= 5; ++year) w.money(55 + year, cash(CashColumn::Net, year + 1));
  w.money(61, cash(CashColumn::EnergySavings, 7));
  w.money(62, cash(CashColumn::EnergySavings, 2));
  for (int year = 2; year <= 5; ++year) {
    w.money(62 + year, cash(CashColumn::EnergySavings, year + 1));
  }
  w.money(63, project.Total_Cash_Flow(CashColumn::EnergySavings, 2));
  w.money(68, project.Total_Cash_Flow(CashColumn::DemandSavings, 2));
  w.money(69, cash(CashColumn::Incentives, 7));
  w.money(70, project.Total_Cash_Flow(CashColumn::Incentives, 7));
  for (int year = 1; year <= 5; ++year) w.money(70 + year, cash(CashColumn::Incentives, year + 1));

  w.text(76, s.Identification().empty() ? "<No Name>: " + threeDigits(i) : s.Identification());
  w.text(77, GetSystemType(project, i));
  w.text(78, d.currencySymbol + " " + FormatPlain(s.PowerIncentive()) + " per " +
                 (s.IncentiveUnit() == 0 ? powerUnits : std::string("system")) + "; " +
                 (s.PowerIncentiveOneTime() == 0 ? "Yearly" : "One-time"));
  w.money(79, s.UtilityIncentive());
  w.text(80, std::string("Weight Units: ") + (d.metricUnits ? "Metric" : "English"));
  return true;
}

void UpdateSystemsAggregates(const TVexEnergyProjectAnalysis& project, int applicationType,
                             const ResultDisplay& display, ResultSlotSink& sink) {
  int count = 0;
  double power = 0;
  const bool inKw = project.PowerInKw() != 0;
  for (int i = 1; i <= project.SystemCount(); ++i) {
    const TVexEnergySystemAnalysis& s = *project.Get_System(i);
    if (s.ApplicationType() != applicationType) continue;
    ++count;
    power += s.Get_Motor_Power(inKw);
  }
  SlotWriter w(display, sink);
  w.plain(0, count);
  w.plain(1, power, GetPowerUnits(display, inKw));
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
