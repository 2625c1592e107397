#include <gtest/gtest.h>

#include <functional>

#include "SessionFixture.h"
#include "preferences/DisplaySettings.h"

namespace korvane::preferences {
namespace {

using korvane::testing::SessionFixture;

class PreferencesTest : public SessionFixture {
 protected:
  std::string stored(std::string_view section, std::string_view name) {
    return store.readText(section, name, "<missing>");
  }
};

TEST_F(PreferencesTest, FirstRunFillsTheStoreWithFactoryValues) {
  start();
  const std::tuple<const char*, const char*, const char*> expected[] = {
      {"PROGRAM", "PS", "0"},
      {"PROGRAM", "DS", "0"},
      {"PROGRAM", "CS", "1"},
      {"PROGRAM", "CC", "-"},
      {"PROGRAM", "L1", "1"},
      {"PROGRAM", "L2", "1"},
      {"PROGRAM", "L3", "1"},
      {"PROGRAM", "L4", "0"},
      {"PROGRAM", "L50", "0"},
      {"CARBONFP", "CFP", "0"},
      {"CARBONFP", "CFPDES", ""},
      {"CARBONFP", "CBFPCONV", "1.000"},
      {"CARBONFP", "CBFPCONV1", "0.705"},
      {"CARBONFP", "CBFPCONV2", "0.419"},
      {"CARBONFP", "CBFPCONV3", "0.550"},
      {"EFF", "CUSTOM1TITLE", "Custom 1"},
      {"EFF", "CUSTOM2TITLE", "Custom 2"},
      {"EFF", "DE50", "0.1767"},
      {"EFF", "IVE10", "0.0100"},
      {"EFF", "VFDE10", "97.0"},
      {"EFF", "C2E100", "1.0000"},
      {"EFF", "CUSTOM1", "0"},
  };
  for (auto [section, name, text] : expected) {
    EXPECT_EQ(stored(section, name), text) << section << "\\" << name;
  }
  EXPECT_EQ(values.currencySymbol, "$");
  EXPECT_EQ(project.Co2Coal(), 0.705);
  EXPECT_EQ(project.Get_Curve(2, 1, 3), 97);
  EXPECT_EQ(project.Get_Curve(1, 4, 6), 0.1767);
  EXPECT_EQ(session.catalogue.Get_Prm_Value(model::kPrmCo2Oil), 0.55f);
}

TEST_F(PreferencesTest, DamagedValuesAreRepairedAtTheNextLoad) {
  store.writeText("CARBONFP", "CBFPCONV1", "abc");
  store.writeText("PROGRAM", "CS", "9");
  store.writeText("PROGRAM", "CC", "ABCDEFG");
  start();
  EXPECT_EQ(stored("CARBONFP", "CBFPCONV1"), "0.705");
  EXPECT_EQ(project.Co2Coal(), 0.705);
  EXPECT_EQ(stored("PROGRAM", "CS"), "1");
  EXPECT_EQ(values.currencySymbol, "$");
  EXPECT_EQ(values.customCurrency, "ABCDE");
  EXPECT_EQ(controls.customCurrency, "ABCDEFG");
}

TEST_F(PreferencesTest, ALongUserCurrencyIsKept) {
  store.writeText("PROGRAM", "CS", "3");
  store.writeText("PROGRAM", "CC", "ABCDEFG");
  start();
  EXPECT_EQ(controls.customCurrency, "ABCDEFG");
  EXPECT_EQ(values.customCurrency, "ABCDE");
  EXPECT_EQ(values.currencySymbol, "ABCDEFG");
  EXPECT_EQ(stored("PROGRAM", "CC"), "ABCDEFG");
}

TEST_F(PreferencesTest, ConfirmedChoicesSurviveARestart) {
  start();
  controls.metricUnits = true;
  controls.powerKw = true;
  controls.currencyButton = 2;
  controls.fuelButton = 3;
  controls.fuelDescription = "Biogas";
  controls.field("CfpLbs").setText("0.250");
  controls.customTitles[0] = "Bypass damper";
  controls.field("VfdE100").setText("95.0");
  EXPECT_TRUE(session.procedures.Save_Opt());

  korvane::testing::FakeMessageSink messages2;
  EstimatorSession restarted(messages2, alert, exit, store);
  ASSERT_TRUE(restarted.Start());
  EXPECT_TRUE(restarted.values.metricUnits);
  EXPECT_EQ(restarted.values.weightLabel, "Kg");
  EXPECT_EQ(restarted.model.project.PowerInKw(), 1);
  EXPECT_EQ(restarted.values.currencySymbol, "£");
  EXPECT_EQ(restarted.model.project.Co2Source(), 3);
  EXPECT_EQ(restarted.model.project.Co2User(), 0.25);
  EXPECT_EQ(restarted.values.co2Description, "Biogas");
  EXPECT_EQ(restarted.values.customTitles[0], "Bypass damper");
  EXPECT_EQ(restarted.model.project.Get_Curve(3, 1, 1), 95);
}

TEST_F(PreferencesTest, OnlyResultSettingsMarkTheProjectModified) {
  start();
  controls.preparedBy = "A. Engineer\r\nKORVANE";
  EXPECT_FALSE(session.procedures.Save_Opt());
  EXPECT_EQ(stored("USER", "PREP"), "A. Engineer\r\nKORVANE");
  controls.currencyButton = 0;
  EXPECT_TRUE(session.procedures.Save_Opt());
  EXPECT_EQ(values.currencySymbol, "€");
  EXPECT_FALSE(session.procedures.Save_Opt());
  controls.field("CfpLbs1").setText("0.800");
  EXPECT_TRUE(session.procedures.Save_Opt());
  EXPECT_EQ(project.Co2Coal(), 0.8);
}

TEST_F(PreferencesTest, CustomCurrencyBecomesTheSymbol) {
  start();
  controls.currencyButton = 3;
  controls.customCurrency = "CHF";
  session.procedures.Save_Opt();
  EXPECT_EQ(values.currencySymbol, "CHF");
  EXPECT_EQ(IncentiveUnitItemText(values, model::IncentiveUnit::PerPowerUnit, false), "CHF/HP");
  EXPECT_EQ(IncentiveUnitItemText(values, model::IncentiveUnit::PerSystem, false), "CHF/system");
  controls.currencyButton = -1;
  session.procedures.Save_Opt();
  EXPECT_EQ(stored("PROGRAM", "CS"), "0");
  EXPECT_EQ(values.currencySymbol, "€");
}

TEST_F(PreferencesTest, ReloadUsesItsOwnFallbacks) {
  start();
  store.values.erase({"PROGRAM", "PS"});
  store.values.erase({"PROGRAM", "DS"});
  store.writeText("PROGRAM", "CS", "7");
  session.procedures.Load_OPT();
  EXPECT_EQ(project.PowerInKw(), 1);
  EXPECT_TRUE(values.metricUnits);
  EXPECT_EQ(stored("PROGRAM", "CS"), "0");
  EXPECT_EQ(values.currencyMode, 0);
  EXPECT_EQ(values.currencySymbol, "$");
}

TEST_F(PreferencesTest, FactorFieldsFollowTheUsersNumberFormat) {
  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore settings;
  EstimatorSession german(quiet, alert, exit, settings, NumberFormat{",", "."});
  ASSERT_TRUE(german.Start());
  EXPECT_EQ(german.controls.field("CfpLbs1").text(), "0,705");
  german.controls.field("CfpLbs1").setText("0,72");
  german.procedures.Save_Opt();
  EXPECT_EQ(german.model.project.Co2Coal(), 0.72);
  EXPECT_EQ(settings.readText("CARBONFP", "CBFPCONV1", ""), "0.720") << "stored in '.' form";
}

TEST_F(PreferencesTest, DisplaySettingsFollowTheConfirmedPreferences) {
  start();
  controls.currencyButton = 0;
  controls.metricUnits = true;
  controls.powerKw = true;
  controls.cumulativePayback = false;
  controls.automaticPowerUnit = true;
  controls.fuelDescription = "Biogas";
  controls.customTitles[1] = "Bypass";
  session.procedures.Save_Opt();
  const DisplaySettings d = BuildDisplaySettings(values, project, NumberFormat{});
  EXPECT_EQ(d.results.currencySymbol, "€");
  EXPECT_TRUE(d.results.metricUnits);
  EXPECT_EQ(d.results.weightLabel, "Kg");
  EXPECT_EQ(d.results.tonsLabel, "Ton(s)");
  EXPECT_TRUE(d.results.automaticPowerUnit);
  EXPECT_EQ(d.results.co2UserDescription, "Biogas");
  EXPECT_EQ(d.results.customTitles[1], "Bypass");
  EXPECT_EQ(d.powerUnit(), "kW");
  EXPECT_FALSE(d.cumulativePayback);
}

TEST_F(PreferencesTest, DisplaySettingsNeverGroupWithTheResultsDecimalPoint) {
  start();
  const std::pair<NumberFormat, const char*> cases[] = {
      {NumberFormat{".", ","}, ","},
      {NumberFormat{",", "."}, ","},
      {NumberFormat{",", " "}, " "},
      {NumberFormat{".", "'"}, "'"},
  };
  for (const auto& [format, separator] : cases) {
    EXPECT_EQ(BuildDisplaySettings(values, project, format).results.thousandsSeparator, separator)
        << format.thousandsSeparator;
  }
}

TEST_F(PreferencesTest, DialogConvertsChecksAndResetsTheFactorFields) {
  start();
  session.procedures.Show_Dialog();
  auto& coal = controls.field("CfpLbs1");
  EXPECT_EQ(coal.text(), "0.705");
  session.procedures.Convert_Factor_Fields(true);
  EXPECT_EQ(coal.text(), "0.320");
  EXPECT_EQ(session.procedures.Factor_Fields_Weight_Label(), "Kg");
  EXPECT_EQ(values.weightLabel, "Lbs") << "the unit waits for Ok";
  session.procedures.Convert_Factor_Fields(true);
  EXPECT_EQ(coal.text(), "0.320") << "converted once only";
  session.procedures.Convert_Factor_Fields(false);
  EXPECT_EQ(coal.text(), "0.705");

  bool clamped = false;
  controls.field("CfpLbs2").setText("2.5");
  EXPECT_TRUE(session.procedures.Check_Factor_Field("CfpLbs2", clamped));
  EXPECT_TRUE(clamped);
  EXPECT_EQ(controls.field("CfpLbs2").text(), "2.000");
  controls.field("CfpLbs2").setText("");
  EXPECT_FALSE(session.procedures.Check_Factor_Field("CfpLbs2", clamped));
}

TEST_F(PreferencesTest, UnitsThereAndBackGiveTheOriginalFactors) {
  start();
  session.procedures.Show_Dialog();
  const std::pair<const char*, const char*> factors[] = {
      {"CfpLbs", "1.000"}, {"CfpLbs1", "0.705"}, {"CfpLbs2", "0.419"}, {"CfpLbs3", "0.550"}};
  for (int round = 0; round < 3; ++round) {
    session.procedures.Convert_Factor_Fields(true);
    // Leaving a field unchanged must not round what it stands for.
    bool clamped = false;
    session.procedures.Check_Factor_Field("CfpLbs3", clamped);
    session.procedures.Convert_Factor_Fields(false);
  }
  for (auto [field, text] : factors) EXPECT_EQ(controls.field(field).text(), text) << field;
  // A typed factor converts from what was typed.
  controls.field("CfpLbs3").setText("0.6");
  session.procedures.Convert_Factor_Fields(true);
  EXPECT_EQ(controls.field("CfpLbs3").text(), "0.272");
}

TEST_F(PreferencesTest, CarbonResetGivesTheFactoryFactorsInTheUnitShown) {
  start();
  session.procedures.Show_Dialog();
  controls.field("CfpLbs1").setText("1.500");
  session.procedures.Convert_Factor_Fields(true);
  session.procedures.Reset_Carbon_Footprint();
  EXPECT_EQ(controls.field("CfpLbs1").text(), "0.320");
  EXPECT_EQ(controls.field("CfpLbs").text(), "0.454");
  controls.metricUnits = true;
  session.procedures.Save_Opt();
  EXPECT_EQ(project.Co2Coal(), 0.32);
  EXPECT_EQ(stored("CARBONFP", "CBFPCONV1"), "0.320");
  session.procedures.Show_Dialog();
  session.procedures.Reset_Carbon_Footprint();
  EXPECT_EQ(controls.field("CfpLbs1").text(), "0.320") << "metric is now the unit shown";
}

// Whatever the user did in the dialog, Cancel (no Save_Opt) leaves memory as
// it was, and the next showing and an Ok on it write back what was there.
TEST_F(PreferencesTest, CancelUndoesEveryDialogAction) {
  start();
  controls.customTitles = {"Bypass", "Vortex"};
  controls.customSelected = {true, false};
  controls.field("C1E50").setText("0.4");
  session.procedures.Save_Opt();
  const auto storeBefore = store.values;
  const auto valuesBefore = values;
  // Curves compared as the catalogue keeps them (single floats).
  const auto someCurvePoints = [&] {
    return std::vector<float>{static_cast<float>(project.Get_Curve(1, 1, 5)),
                              static_cast<float>(project.Get_Curve(1, 4, 6)),
                              static_cast<float>(project.Get_Curve(1, 5, 6)),
                              static_cast<float>(project.Get_Curve(2, 6, 3))};
  };
  const std::vector<float> curvesBefore = someCurvePoints();
  auto& procedures = session.procedures;
  const std::pair<const char*, std::function<void()>> actions[] = {
      {"typed factors",
       [&] {
         controls.field("CfpLbs1").setText("1.500");
         bool clamped = false;
         procedures.Check_Factor_Field("CfpLbs1", clamped);
       }},
      {"efficiency reset", [&] { procedures.Reset_Efficiency(); }},
      {"custom reset", [&] { procedures.Reset_Custom_Efficiency(); }},
      {"carbon reset", [&] { procedures.Reset_Carbon_Footprint(); }},
      {"typed curves", [&] { controls.field("DE50").setText("0.9"); }},
      {"typed titles", [&] { controls.customTitles[1] = "Other"; }},
      {"fuel",
       [&] {
         controls.fuelButton = 3;
         controls.fuelDescription = "Peat";
       }},
      {"units", [&] { procedures.Convert_Factor_Fields(true); }},
      {"currency", [&] { controls.currencyButton = 2; }},
  };
  // "Program Setup" reloads the store before every showing.
  const auto showDialog = [&] {
    procedures.Load_OPT();
    procedures.Show_Dialog();
  };
  for (const auto& [name, action] : actions) {
    showDialog();
    action();
    EXPECT_EQ(session.catalogue.Get_Prm_Value(model::kPrmCo2Coal), 0.705f) << name;
    EXPECT_EQ(values.customTitles, valuesBefore.customTitles) << name;
    EXPECT_EQ(values.customSelected, valuesBefore.customSelected) << name;
    EXPECT_EQ(someCurvePoints(), curvesBefore) << name;

    showDialog();
    EXPECT_FALSE(procedures.Save_Opt()) << name;
    EXPECT_EQ(store.values, storeBefore) << name;
    EXPECT_EQ(project.Co2Source(), 0) << name;
    EXPECT_EQ(values.co2Description, "") << name;
    EXPECT_EQ(values.currencySymbol, "$") << name;
  }
}

TEST_F(PreferencesTest, CurvesAndTitlesMarkTheProjectModified) {
  start();
  session.procedures.Show_Dialog();
  EXPECT_FALSE(session.procedures.Save_Opt());
  controls.field("IvE50").setText("0.33");
  EXPECT_TRUE(session.procedures.Save_Opt());
  EXPECT_EQ(project.Get_Curve(1, 3, 6), 0.33);
  // Reloaded through the catalogue (single floats) and confirmed unchanged.
  session.procedures.Load_OPT();
  session.procedures.Show_Dialog();
  EXPECT_FALSE(session.procedures.Save_Opt());
  controls.customTitles[0] = "Bypass";
  EXPECT_TRUE(session.procedures.Save_Opt());
  // An empty or unreadable curve field keeps the point and its stored value.
  controls.field("IvE50").setText("");
  controls.field("DE50").setText("1..2");
  EXPECT_FALSE(session.procedures.Save_Opt());
  EXPECT_EQ(project.Get_Curve(1, 3, 6), 0.33);
  EXPECT_EQ(stored("EFF", "IVE50"), "0.3300");
  EXPECT_EQ(stored("EFF", "DE50"), "0.1767");
}

TEST_F(PreferencesTest, GermanStartsLeaveTheCurvesAsTheyAre) {
  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore settings;
  for (int run = 0; run < 3; ++run) {
    EstimatorSession german(quiet, alert, exit, settings, NumberFormat{",", "."});
    ASSERT_TRUE(german.Start());
    EXPECT_EQ(german.controls.field("DE50").text(), "0,1767");
    EXPECT_EQ(german.model.project.Get_Curve(1, 4, 6), 0.1767) << run;
    EXPECT_EQ(german.model.project.Get_Curve(1, 1, 1), 97) << run;
    german.procedures.Show_Dialog();
    german.procedures.Save_Opt();
    EXPECT_EQ(german.model.project.Get_Curve(1, 4, 6), 0.1767) << run;
    EXPECT_EQ(settings.readText("EFF", "DE50", ""), "0.1767");
    EXPECT_EQ(settings.readText("EFF", "VFDE10", ""), "97.0");
  }
}

TEST_F(PreferencesTest, DialogCurveButtons) {
  start();
  controls.field("VfdE100").setText("95");
  session.procedures.Copy_Drive_Field();
  EXPECT_EQ(controls.field("VfdE10").text(), "95");
  session.procedures.Save_Opt();
  EXPECT_EQ(project.Get_Curve(2, 1, 10), 95);

  session.procedures.Reset_Efficiency();
  EXPECT_EQ(controls.field("VfdE10").text(), "97.0");
  EXPECT_EQ(project.Get_Curve(2, 1, 10), 95) << "a reset waits for Ok";
  EXPECT_TRUE(session.procedures.Save_Opt());
  EXPECT_EQ(project.Get_Curve(2, 1, 10), 97);
  EXPECT_EQ(stored("EFF", "VFDE10"), "97.0");

  controls.customTitles = {"Mine", "Yours"};
  controls.customSelected = {true, true};
  session.procedures.Save_Opt();
  session.procedures.Reset_Custom_Efficiency();
  EXPECT_EQ(controls.customTitles[0], "Custom 1");
  EXPECT_FALSE(controls.customSelected[1]);
  EXPECT_EQ(values.customTitles[0], "Mine");
  session.procedures.Save_Opt();
  EXPECT_EQ(values.customTitles[0], "Custom 1");
  EXPECT_FALSE(values.customSelected[0]);
}

TEST_F(PreferencesTest, CommaLocaleRangeCheck) {
  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore settings;
  EstimatorSession german(quiet, alert, exit, settings, NumberFormat{",", "."});
  ASSERT_TRUE(german.Start());
  german.controls.field("CfpLbs2").setText("2,5");
  bool clamped = false;
  german.procedures.Check_Factor_Field("CfpLbs2", clamped);
  EXPECT_TRUE(clamped);
  EXPECT_EQ(german.controls.field("CfpLbs2").text(), "2,000");
}

}  // namespace
}  // namespace korvane::preferences
