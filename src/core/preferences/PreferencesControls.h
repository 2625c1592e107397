#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>

#include "platform/TextField.h"

namespace korvane::preferences {

using korvane::TextField;

// The controls of the "Program Setup" dialog. Button groups hold the index of
// the selected button, -1 when none is.
struct PreferencesControls : public InputForm {
  PreferencesControls();
  ComponentLookup findComponent(std::string_view name) override;
  TextField& field(const std::string& name) { return *fields.at(name); }

  bool powerKw = false;         // "kW" (else "HP")
  bool metricUnits = false;     // "Metric Units" (else English)
  int currencyButton = 1;       // euro, dollar, pound, user defined
  std::string customCurrency;   // the user-defined currency field
  int fuelButton = 0;           // coal, natural gas, oil, user defined
  std::string fuelDescription;  // the user-defined fuel
  std::array<std::string, 2> customTitles;
  std::array<bool, 2> customSelected{};  // the hidden "Selected" boxes
  bool customerBlock = true;             // "Welcome message" (hidden)
  bool introductionScreen = true;        // "Project introduction screen"
  bool cumulativePayback = true;         // "Display payback values per year cumulative"
  bool automaticPowerUnit = false;       // "Automatic power unit selection kW / MW "
  bool checkForUpdates = false;          // "Check for updates"
  std::string companyLogoFile;
  std::string preparedBy;
  std::string companyInformation;
  // Whether the four CO2 factor fields show kilograms (else pounds).
  bool co2FieldsMetric = false;

  // The CO2 factor fields ("CfpLbs", "CfpLbs1".."CfpLbs3") and the sixty
  // curve fields, by name.
  std::map<std::string, std::unique_ptr<TextField>, std::less<>> fields;
};

}  // namespace korvane::preferences
