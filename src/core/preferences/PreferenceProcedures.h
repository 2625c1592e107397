#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"
#include "platform/SettingValue.h"
#include "preferences/PreferenceValues.h"
#include "preferences/PreferencesControls.h"

namespace korvane {
class SettingsStore;
}

namespace korvane::model {
class EfficiencyCurves;
class ParameterCatalogue;
class TVexEnergyProjectAnalysis;
}  // namespace korvane::model

namespace korvane::preferences {

// The user's number format, read once at start-up.
struct NumberFormat {
  std::string decimalSeparator = ".";
  std::string thousandsSeparator = ",";
};

// Moves the preferences between the settings store, memory (the preference
// values, the project object and the parameter catalogue) and the controls of
// the preferences dialog.
class PreferenceProcedures {
 public:
  PreferenceProcedures(SettingsStore& store, PreferenceValues& values,
                       PreferencesControls& controls, model::ParameterCatalogue& catalogue,
                       model::TVexEnergyProjectAnalysis& project, model::EfficiencyCurves& curves,
                       NumberFormat format = {});

  // Start-up: loads everything, fills the controls, then saves, so that the
  // store holds a complete, repaired set of values.
  void Load_OPT2();
  // Before the dialog is shown: reloads the store into memory and controls.
  void Load_OPT();
  // The dialog confirmed: controls into the store and memory (also the CO2
  // factor parameters). True when a setting that changes results, a curve or
  // a custom title changed; the caller marks the project modified.
  bool Save_Opt();

  // Called when the names of the custom controls or the currency and power
  // unit changed, so the wizard can rename its list items.
  std::function<void()> ListsRenamed;

  // The CO2 factor fields: show the catalogue's values in the user's number
  // format, or store the fields' numbers into the catalogue.
  void Show_Factor_Fields();
  // The project's CO2 factors in the fields.
  void Show_Project_Factors();
  void Store_Factor_Fields();

  // The user's number format, as the dialog's fields show numbers.
  const NumberFormat& numberFormat() const { return format_; }

  // Sets the currency mode with its symbol and button; with fillField the
  // user-defined currency also goes into its field (as opening a file does).
  void Apply_Currency_Mode(int mode, bool fillField = false);

  // --- what the dialog does (it shows the controls, these change them)

  // Every time the dialog is shown: refills the controls from the store and
  // the preferences in memory. Until Save_Opt, the dialog's actions below
  // change the controls only, so that Cancel leaves everything as it was.
  void Show_Dialog();
  // Leaving a CO2 factor field: clamps it to 0..2 (alert sound via the
  // returned flag) and rewrites it with 3 decimals. False when the field was
  // empty and left alone.
  bool Check_Factor_Field(const std::string& name, bool& clamped);
  // Choosing metric or English units converts the CO2 factor fields once,
  // from their unrounded values, so that switching back gives the original.
  void Convert_Factor_Fields(bool metric);
  // "Kg" or "Lbs", as the CO2 factor fields show them.
  std::string_view Factor_Fields_Weight_Label() const;
  // Leaving the visible drive field copies it to the nine hidden ones.
  void Copy_Drive_Field();
  void Reset_Efficiency();
  void Reset_Custom_Efficiency();
  void Reset_Carbon_Footprint();

 private:
  void readCo2Factors();
  void readCustomSelected();
  // CUSTOMREP: the earlier place of the report texts, and the logo.
  void readReportTexts();
  // USER: the report texts, read after the earlier place.
  void readUserTexts();
  void readCustomCurrency();
  void readStartupFlags(settings::Load load);
  void tickStartupFlags();
  // PROGRAM\PS, DS and CC.
  void readUnits(settings::Load load);

  void storeCustomControls();
  void storeReportTexts();
  void storeStartupFlags();
  void storeUnits();
  void storeCurrency();
  // The fuel and the four factor fields; what each field reads as.
  std::array<std::optional<double>, 4> storeCarbonFootprint();

  // What the results depend on, to tell whether a save changed it.
  struct ResultInputs {
    std::string symbol;
    bool powerInKw = false;
    bool metricUnits = false;
    int co2Source = 0;
    std::array<double, 4> co2Factors{};
    std::vector<float> curves;
    std::array<std::string, 2> customTitles;
    bool operator==(const ResultInputs&) const = default;
  };
  ResultInputs resultInputs() const;

  // A CO2 factor field's text and the unrounded value it was shown for.
  void showFactor(size_t index, double value);
  // The unrounded value while the field shows what was written there, else
  // the typed number.
  std::optional<double> factorValue(size_t index);
  std::vector<float> curvePoints() const;

  SettingsStore& store_;
  PreferenceValues& values_;
  PreferencesControls& controls_;
  model::ParameterCatalogue& catalogue_;
  model::TVexEnergyProjectAnalysis& project_;
  model::EfficiencyCurves& curves_;
  NumberFormat format_;
  struct ShownFactor {
    std::string text;
    double value = 0;
  };
  std::array<ShownFactor, 4> shownFactors_;
};

// Display name of an item of the motor-power incentive unit list.
std::string IncentiveUnitItemText(const PreferenceValues& values, model::IncentiveUnit unit,
                                  bool powerInKw);

}  // namespace korvane::preferences
