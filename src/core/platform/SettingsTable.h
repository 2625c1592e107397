#pragma once

#include <array>
#include <string_view>

#include "platform/SettingValue.h"

// Every value the program keeps in the settings store. Sections, value names
// and the texts stored are shared with older copies of the program and with
// settings files moved between machines: they never change.
namespace korvane::settings {

inline constexpr std::string_view kProgramSection = "PROGRAM";
inline constexpr std::string_view kCarbonSection = "CARBONFP";
inline constexpr std::string_view kEfficiencySection = "EFF";
inline constexpr std::string_view kUserSection = "USER";
inline constexpr std::string_view kCustomReportSection = "CUSTOMREP";
inline constexpr std::string_view kRecentSection = "FHIS";
inline constexpr std::string_view kReportSection = "PRG";
inline constexpr std::string_view kProxySection = "PROXY";

using Flag = SettingValue<bool>;
using Integer = SettingValue<long long>;
using Text = SettingValue<std::string_view>;

// PROGRAM: units, currency and the start-up options.
inline constexpr Flag kPowerInKw{kProgramSection, "PS", false, true};
inline constexpr Flag kMetricUnits{kProgramSection, "DS", false, true};
inline constexpr Integer kCurrencyMode{kProgramSection, "CS", 1, 0};
inline constexpr Text kCustomCurrency{kProgramSection, "CC", "-"};
inline constexpr Flag kCustomerBlock{kProgramSection, "L1", true};
inline constexpr Flag kIntroductionScreen{kProgramSection, "L2", true};
inline constexpr Flag kCumulativePayback{kProgramSection, "L3", true};
inline constexpr Flag kAutomaticPowerUnit{kProgramSection, "L4", false, true};
inline constexpr Flag kAutoUpdateCheck{kProgramSection, "L50", false};
// Cleared once the update notice was shown.
inline constexpr Flag kFirstRun{kProgramSection, "ORVEXA_32_1", true};
// Written at every start for other programs; never read here.
inline constexpr Text kProgramPath{kProgramSection, "PROGRAMPATH", ""};
inline constexpr Text kProgramVersion{kProgramSection, "PROGRAMVERSION", ""};
// Where to look for the update information instead of the built-in address.
inline constexpr Text kUpdateAddress{kProgramSection, "UpdateUrl", ""};

// CARBONFP: the fuel of the carbon footprint and the four CO2 factors.
inline constexpr Integer kCo2Source{kCarbonSection, "CFP", 0};
inline constexpr Text kCo2Description{kCarbonSection, "CFPDES", ""};
inline constexpr NumberSetting kCo2FactorUser{kCarbonSection, "CBFPCONV"};
inline constexpr NumberSetting kCo2FactorCoal{kCarbonSection, "CBFPCONV1"};
inline constexpr NumberSetting kCo2FactorGas{kCarbonSection, "CBFPCONV2"};
inline constexpr NumberSetting kCo2FactorOil{kCarbonSection, "CBFPCONV3"};

// EFF: the two custom controls. The sixty curve points are numbers in this
// section too, named after their curve and flow (Curve_Value_Name).
inline constexpr std::array<Flag, 2> kCustomSelected = {{
    {kEfficiencySection, "CUSTOM1", false},
    {kEfficiencySection, "CUSTOM2", false},
}};
inline constexpr std::array<Text, 2> kCustomTitles = {{
    {kEfficiencySection, "CUSTOM1TITLE", "Custom 1"},
    {kEfficiencySection, "CUSTOM2TITLE", "Custom 2"},
}};

// USER and CUSTOMREP: the report's header texts and logo.
inline constexpr Text kPreparedBy{kUserSection, "PREP", ""};
inline constexpr Text kCompanyInformation{kUserSection, "CPINFO", ""};
// Where older copies kept the two texts: read before the USER values, never written.
inline constexpr Text kEarlierPreparedBy{kCustomReportSection, "PREP", ""};
inline constexpr Text kEarlierCompanyInformation{kCustomReportSection, "CPINFO", ""};
inline constexpr Text kCompanyLogoFile{kCustomReportSection, "LOGOFN", ""};

// FHIS: the recent projects, newest first; full paths, empty for none.
inline constexpr std::array<Text, 4> kRecentProjects = {{
    {kRecentSection, "H1", ""},
    {kRecentSection, "H2", ""},
    {kRecentSection, "H3", ""},
    {kRecentSection, "H4", ""},
}};

// PRG: the report options of the wizard's last step: the six charts (payback,
// duty cycle, power required, annual energy usage, CO2 emissions, annual
// energy savings), the summary page or the full report (which wins when both
// are set), and the system data and chart pages of the full report.
inline constexpr std::array<Flag, 6> kReportCharts = {{
    {kReportSection, "G1", true},
    {kReportSection, "G2", true},
    {kReportSection, "G3", true},
    {kReportSection, "G4", true},
    {kReportSection, "G5", true},
    {kReportSection, "G6", true},
}};
inline constexpr Flag kReportSummaryPage{kReportSection, "PR1", false};
inline constexpr Flag kReportFull{kReportSection, "PR2", true};
inline constexpr Flag kReportSystemData{kReportSection, "PR2B", true};
inline constexpr Flag kReportChartPages{kReportSection, "PR2C", true};

// PROXY: the proxy of the update check. The password stays empty here while
// the desktop's keyring keeps it.
inline constexpr Flag kProxyUse{kProxySection, "USE", false};
inline constexpr Text kProxyAddress{kProxySection, "ADDR", ""};
inline constexpr Integer kProxyPort{kProxySection, "PORT", 8080};
inline constexpr Text kProxyUser{kProxySection, "UN", ""};
inline constexpr Text kProxyPassword{kProxySection, "PW", ""};

}  // namespace korvane::settings
