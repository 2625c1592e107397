#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/TVexEnergyProjectAnalysis.h"

namespace korvane::model {

inline constexpr int kResultSlotCount = 81;

enum class SlotColour { WindowText, Red, Blue };

// Where result texts go: the wizard's labels, the report, the batch tool.
class ResultSlotSink {
 public:
  virtual ~ResultSlotSink() = default;
  virtual void Write_Result_Slot(int slot, std::string_view text, SlotColour colour) = 0;
};

// The slots held in memory, for readers that need every text at once.
class ResultSlotTable : public ResultSlotSink {
 public:
  ResultSlotTable();
  void Write_Result_Slot(int slot, std::string_view text, SlotColour colour) override;
  const std::string& Text(int slot) const;
  SlotColour Colour(int slot) const;

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
void Write_Payback_Slot(ResultSlotSink& sink, int slot, double years);

// Texts the wizard and the report show for a system.
std::string GetPowerUnits(const ResultDisplay& display, bool powerInKw);
std::string GetPressureUnits(const ResultDisplay& display);
std::string GetApplicationName(int applicationType);
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

// Slots 0 and 1: how many systems of one application type, and their motor
// power added up.
void UpdateSystemsAggregates(const TVexEnergyProjectAnalysis& project, int applicationType,
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
