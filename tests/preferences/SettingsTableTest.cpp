#include <gtest/gtest.h>

#include <string>

#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"

namespace korvane::settings {
namespace {

// What other copies of the program and moved settings files rely on: where
// each value lives and what a missing one reads as, at start-up and on the
// reload before the preferences dialog.
template <typename T, typename V>
void expectSetting(const SettingValue<T>& setting, std::string_view section, std::string_view name,
                   V startup, V reload) {
  SCOPED_TRACE(std::string(section) + "\\" + std::string(name));
  EXPECT_EQ(setting.section, section);
  EXPECT_EQ(setting.name, name);
  MemorySettingsStore empty;
  EXPECT_EQ(setting.read(empty, Load::Startup), startup);
  EXPECT_EQ(setting.read(empty, Load::Reload), reload);
}

TEST(SettingsTableTest, ValuesLiveWhereTheyAlwaysHaveWithTheirFallbacks) {
  expectSetting(kPowerInKw, "PROGRAM", "PS", false, true);
  expectSetting(kMetricUnits, "PROGRAM", "DS", false, true);
  expectSetting(kCurrencyMode, "PROGRAM", "CS", 1LL, 0LL);
  expectSetting(kCustomCurrency, "PROGRAM", "CC", "-", "-");
  expectSetting(kCustomerBlock, "PROGRAM", "L1", true, true);
  expectSetting(kIntroductionScreen, "PROGRAM", "L2", true, true);
  expectSetting(kCumulativePayback, "PROGRAM", "L3", true, true);
  expectSetting(kAutomaticPowerUnit, "PROGRAM", "L4", false, true);
  expectSetting(kAutoUpdateCheck, "PROGRAM", "L50", false, false);
  expectSetting(kFirstRun, "PROGRAM", "ORVEXA_32_1", true, true);
  expectSetting(kCo2Source, "CARBONFP", "CFP", 0LL, 0LL);
  expectSetting(kCo2Description, "CARBONFP", "CFPDES", "", "");
  expectSetting(kCustomSelected[1], "EFF", "CUSTOM2", false, false);
  expectSetting(kCustomTitles[1], "EFF", "CUSTOM2TITLE", "Custom 2", "Custom 2");
  expectSetting(kPreparedBy, "USER", "PREP", "", "");
  expectSetting(kEarlierCompanyInformation, "CUSTOMREP", "CPINFO", "", "");
  expectSetting(kCompanyLogoFile, "CUSTOMREP", "LOGOFN", "", "");
  expectSetting(kRecentProjects[3], "FHIS", "H4", "", "");
  expectSetting(kReportCharts[5], "PRG", "G6", true, true);
  expectSetting(kReportSummaryPage, "PRG", "PR1", false, false);
  expectSetting(kReportChartPages, "PRG", "PR2C", true, true);
  expectSetting(kProxyUse, "PROXY", "USE", false, false);
  expectSetting(kProxyPort, "PROXY", "PORT", 8080LL, 8080LL);
  expectSetting(kProxyPassword, "PROXY", "PW", "", "");
  expectSetting(kUpdateAddress, "PROGRAM", "UpdateUrl", "", "");
}

TEST(SettingsTableTest, ValuesReadAndWriteTheStoresTextForms) {
  MemorySettingsStore store;
  kCustomSelected[0].write(store, true);
  kCurrencyMode.write(store, 3);
  kCustomCurrency.write(store, "CHF");
  EXPECT_EQ(store.readText("EFF", "CUSTOM1", ""), "1");
  EXPECT_EQ(store.readText("PROGRAM", "CS", ""), "3");
  EXPECT_EQ(store.readText("PROGRAM", "CC", ""), "CHF");
  EXPECT_FALSE(kCo2Description.stored(store).has_value()) << "no fallback for what is stored";

  store.writeText("PROGRAM", "L1", "0");
  store.writeText("PROGRAM", "CS", "two");
  EXPECT_FALSE(kCustomerBlock.read(store));
  EXPECT_EQ(kCurrencyMode.read(store), 1) << "an unreadable integer falls back";

  kCo2FactorCoal.write(store, "0.900");
  EXPECT_EQ(kCo2FactorCoal.read(store, "0.705"), 0.9);
  store.writeText("CARBONFP", "CBFPCONV1", "abc");
  EXPECT_EQ(kCo2FactorCoal.read(store, "0.705"), 0.705);
  EXPECT_EQ(store.readText("CARBONFP", "CBFPCONV1", ""), "0.705") << "repaired";
}

}  // namespace
}  // namespace korvane::settings
