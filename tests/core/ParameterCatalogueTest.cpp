#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <limits>
#include <string>

#include "CatalogueFixture.h"
#include "model/ParameterCatalogue.h"

namespace korvane::model {
namespace {

using korvane::testing::FakeEdit;
using korvane::testing::FakeForm;
using korvane::testing::FakeMessageSink;
using korvane::testing::FakeProgramExit;

class CatalogueTest : public korvane::testing::CatalogueFixture {
 protected:
  bool build() { return buildCatalogue(); }
  FakeEdit& edit(int n) { return static_cast<FakeEdit&>(*catalogue.Bound_Edit(n)); }
};

TEST_F(CatalogueTest, BindsEveryParameterToItsNamedField) {
  ASSERT_TRUE(build());
  EXPECT_TRUE(messages.shown.empty());

  for (int n = 1; n <= kParameterCount; ++n) {
    const bool inWizard = n <= 37 ? n != 11 : n >= 92;
    if (inWizard) {
      char name[8];
      std::snprintf(name, sizeof name, "A1%.2d", n);
      EXPECT_EQ(catalogue.Edit_Name(n), name);
      EXPECT_EQ(catalogue.Owner(n), EditOwner::Wizard) << n;
    } else {
      EXPECT_EQ(catalogue.Owner(n), EditOwner::Preferences) << n;
    }
    EXPECT_EQ(edit(n).tag(), n);
  }
  EXPECT_EQ(wizard.edits.size(), 93u - 1 - 4 - 50);
  EXPECT_EQ(catalogue.Edit_Name(11), "VfdE100");
  EXPECT_EQ(catalogue.Edit_Name(38), "CfpLbs");
  EXPECT_EQ(catalogue.Edit_Name(41), "CfpLbs3");
  EXPECT_EQ(catalogue.Edit_Name(42), "DE100");
  EXPECT_EQ(catalogue.Edit_Name(51), "DE10");
  EXPECT_EQ(catalogue.Edit_Name(52), "IvE100");
  EXPECT_EQ(catalogue.Edit_Name(62), "VaE100");
  EXPECT_EQ(catalogue.Edit_Name(81), "C1E10");
  EXPECT_EQ(catalogue.Edit_Name(82), "C2E100");

  // A second build changes nothing.
  catalogue.Set_Prm_Value(1, 5);
  EXPECT_TRUE(build());
  EXPECT_EQ(catalogue.Get_Prm_Value(1), 5);
}

TEST_F(CatalogueTest, GroupsShareTheRangeOfTheirFirstMember) {
  ASSERT_TRUE(build());
  for (int n : {17, 25, 27, 35, 43, 51, 61, 71, 81, 91}) {
    EXPECT_EQ(catalogue.Entry(n)->Maximum, catalogue.Entry(n - 1)->Maximum) << n;
    EXPECT_EQ(catalogue.Entry(n)->Scale, catalogue.Entry(n - 1)->Scale) << n;
  }
  EXPECT_EQ(catalogue.Get_Prm_Maximum(35), 100);
  EXPECT_EQ(catalogue.Get_Prm_Default_Text(35), "10");
  EXPECT_EQ(catalogue.Get_Prm_Maximum(51), 1);
  EXPECT_EQ(catalogue.Get_Prm_Default_Text(47), "0.1767");  // DE50
  EXPECT_EQ(catalogue.Get_Prm_Default_Text(69), "0.0490");

  int timeSum = 0;
  for (int n = 16; n <= 25; ++n) timeSum += catalogue.Round_Prm_Value(n);
  EXPECT_EQ(timeSum, 100);
  for (int n = 26; n <= 35; ++n) EXPECT_EQ(catalogue.Round_Prm_Value(n), 100 - 10 * (n - 26));
}

TEST_F(CatalogueTest, FormatsWithTheDecimalsOfItsScale) {
  ASSERT_TRUE(build());
  EXPECT_EQ(catalogue.Format_Prm(4, 0.1), "0.10");
  EXPECT_EQ(catalogue.Format_Prm(12, 3000), "3000");
  EXPECT_EQ(catalogue.Format_Prm(42, 0.7683), "0.7683");
  EXPECT_EQ(catalogue.Format_Prm(8, 20), "20.0");
  EXPECT_EQ(catalogue.Format_Prm(39, 0.705), "0.705");
  EXPECT_EQ(catalogue.Format_Prm(4, 10.5), "10.50");
  EXPECT_EQ(catalogue.Format_Prm(4, 0.125), "0.13");
  EXPECT_EQ(catalogue.Get_Prm_Default_Text(4), "0.10");
  EXPECT_EQ(catalogue.Get_Prm_Default_Text(93), "0.0");
  EXPECT_EQ(DecimalsForScale(100000), 4);
  EXPECT_EQ(DecimalsForScale(1), 0);
}

TEST_F(CatalogueTest, RangeCheckClampsWithTheAlertSound) {
  ASSERT_TRUE(build());
  struct Case {
    int parameter;
    const char* typed;
    RangeCheckContext context;
    double number;
    const char* shown;
    bool beeps;
  };
  constexpr auto kPerPower = IncentiveUnit::PerPowerUnit;
  constexpr auto kPerSystem = IncentiveUnit::PerSystem;
  const Case cases[] = {
      {8, "6000", {false, kPerPower}, 5000, "5000.0", true},
      {8, "6000", {true, kPerPower}, 3730, "3730.0", true},
      {8, "3000", {true, kPerPower}, 3000, "3000.0", false},
      {8, "0.1", {false, kPerPower}, 0.2f, "0.2", true},
      {1, "abc", {}, 1, "1", true},
      {1, "12", {}, 12, "12", false},
      {92, "300", {false, kPerPower}, 250, "250.0", true},
      {92, "300", {false, kPerSystem}, 300, "300.0", false},
      {92, "10000", {false, kPerSystem}, 9999, "9999.0", true},
      {93, "0", {}, 0, "0.0", false},
      {93, "99.95", {}, 99.95, "100.0", false},
      {4, "0.125", {}, 0.125, "0.13", false},
  };
  for (const Case& c : cases) {
    FakeEdit& field = edit(c.parameter);
    const float before = catalogue.Entry(c.parameter)->Value;
    field.setText(c.typed);
    const int beeps = alert.played;
    EXPECT_DOUBLE_EQ(catalogue.Check_Prm_Edit(field, c.context), c.number) << c.typed;
    EXPECT_EQ(field.text(), c.shown) << c.typed;
    EXPECT_EQ(alert.played - beeps, c.beeps ? 1 : 0) << c.typed;
    EXPECT_EQ(catalogue.Entry(c.parameter)->Value, before) << "the check stores nothing";
  }
}

TEST_F(CatalogueTest, FieldsStoreAndShowCurrentValues) {
  ASSERT_TRUE(build());
  int storedHooks = 0;
  catalogue.AfterFieldsStored = [&] { ++storedHooks; };

  catalogue.Set_Fields(0);
  EXPECT_EQ(edit(8).text(), "20.0");
  EXPECT_TRUE(edit(8).enabled());
  EXPECT_EQ(edit(11).text(), "") << "preferences fields are not the wizard's";

  edit(8).setText("15.5");
  edit(1).setText("not a number");
  edit(11).setText("90");
  catalogue.Set_Fields(1);
  EXPECT_EQ(catalogue.Get_Prm_Value(8), 15.5);
  EXPECT_EQ(catalogue.Get_Prm_Value(1), 0);
  EXPECT_EQ(catalogue.Get_Prm_Value(11), 97);
  EXPECT_EQ(storedHooks, 1);

  catalogue.Set_Fields(2);
  EXPECT_EQ(storedHooks, 1);

  catalogue.Initialize_Edit_ByIndex(11, 1);
  EXPECT_EQ(catalogue.Get_Prm_Value(11), 90);
}

TEST_F(CatalogueTest, EditReadsFallBackWhenUnreadable) {
  ASSERT_TRUE(build());
  edit(12).setText("2500");
  EXPECT_EQ(catalogue.Read_Prm_Edit_Int(12, -1), 2500);
  EXPECT_EQ(catalogue.Read_Prm_Edit_Float(12, -1), 2500);
  edit(12).setText("25x");
  EXPECT_EQ(catalogue.Read_Prm_Edit_Int(12, -1), -1);
  EXPECT_EQ(catalogue.Read_Prm_Edit_Float(12, -1), -1);
  edit(4).setText("0.5");
  EXPECT_EQ(catalogue.Read_Prm_Edit_Int(4, 7), 7);
  EXPECT_EQ(catalogue.Read_Prm_Edit_Text(4, "x"), "0.5");

  catalogue.Write_Prm_Edit_Value(4, 0.2);
  EXPECT_EQ(edit(4).text(), "0.20");
  catalogue.Show_Prm_Default(12);
  EXPECT_EQ(edit(12).text(), "3000");
}

TEST_F(CatalogueTest, OutOfRangeNumbersReadZeroAndWriteNothing) {
  ASSERT_TRUE(build());
  for (int n : {0, -1, 94, 1000}) {
    catalogue.Set_Prm_Value(n, 5);
    EXPECT_EQ(catalogue.Get_Prm_Value(n), 0);
    EXPECT_EQ(catalogue.Round_Prm_Value(n), 0);
    EXPECT_EQ(catalogue.Get_Prm_Maximum(n), 0);
    EXPECT_EQ(catalogue.Format_Prm(n, 1), "");
    EXPECT_EQ(catalogue.Read_Prm_Edit_Float(n, 3), 3);
    EXPECT_EQ(catalogue.Read_Prm_Edit_Text(n, "fb"), "fb");
    catalogue.Write_Prm_Edit_Text(n, "x");
    catalogue.Show_Prm_Value(n);
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CatalogueTest, RoundsHalvesToEven) {
  ASSERT_TRUE(build());
  catalogue.Set_Prm_Value(12, 1e40);  // pasted, never range-checked
  EXPECT_EQ(catalogue.Get_Prm_Value(12), std::numeric_limits<float>::max());
  EXPECT_EQ(catalogue.Round_Prm_Value(12), std::numeric_limits<int>::max());
  const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {2.4, 2}, {2.6, 3}, {3000, 3000}};
  for (auto [value, rounded] : cases) {
    catalogue.Set_Prm_Value(12, value);
    EXPECT_EQ(catalogue.Round_Prm_Value(12), rounded) << value;
  }
}

TEST_F(CatalogueTest, DutyCycleResetShowsTheProfile) {
  ASSERT_TRUE(build());
  for (int n = 16; n <= 35; ++n) edit(n).setText("x");
  catalogue.Reset_Duty_Cycle(ApplicationType::Pump);
  EXPECT_EQ(edit(16).text(), "1");
  EXPECT_EQ(edit(20).text(), "24");
  EXPECT_EQ(edit(25).text(), "0");
  EXPECT_EQ(edit(26).text(), "100");
  EXPECT_EQ(edit(35).text(), "10");

  edit(26).setText("x");
  catalogue.Reset_Duty_Cycle(ApplicationType{7});
  catalogue.Show_Prm_Flow_Profile(26, 4);
  catalogue.Show_Prm_Flow_Profile(12, 1);
  EXPECT_EQ(edit(26).text(), "x");
}

TEST_F(CatalogueTest, TagZeroIsAFatalError) {
  ASSERT_TRUE(build());
  FakeEdit stray;
  catalogue.Initialize_Edit(stray, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].text, "List Tag Number = 0");
  EXPECT_EQ(exit.reasons.size(), 1u);
}

TEST_F(CatalogueTest, TableFaultsAreReportedAndEndTheProgram) {
  struct Case {
    const char* what;
    std::function<bool(ParameterCatalogue&, FakeForm&, FakeForm&)> run;
    const char* message;
  };
  const Case cases[] = {
      {"missing wizard field",
       [](ParameterCatalogue& c, FakeForm& w, FakeForm& p) {
         w.missing.insert("A108");
         return c.Build(&w, &p);
       },
       "Default.New_Prm(): FindComponent() Failed; Num = 8"},
      {"field that is not an edit",
       [](ParameterCatalogue& c, FakeForm& w, FakeForm& p) {
         p.notEdits.insert("DE50");
         return c.Build(&w, &p);
       },
       "Default.New_Prm(): cmpEdit Type Cast Failed; Num = 47"},
      {"no preferences form",
       [](ParameterCatalogue& c, FakeForm& w, FakeForm&) { return c.Build(&w, nullptr); },
       "Default.New_Prm(): FindComponent() Failed; Num = 11"},
      {"range row whose minimum is not below its maximum",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) {
         return c.New_Prm(17, EditOwner::None, "");
       },
       "Default.NewPrm(): Invalid Parameter; Num = 17"},
      {"default outside the range row",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) {
         return c.New_Prm(12, 4, EditOwner::None, "");
       },
       "Default.NewPrm(): Invalid Parameter; Num = 12"},
      {"efficiency without format",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) {
         return c.New_Prm_Efficiency(EfficiencyType::OutletDamper, "", 100, -10);
       },
       "Default.New_Prm_Efficiency(): Invalid Parameter"},
      {"efficiency with zero step",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) {
         return c.New_Prm_Efficiency(EfficiencyType::OutletDamper, "DE%d", 100, 0);
       },
       "Default.New_Prm_Efficiency(): Invalid Parameter"},
      {"efficiency type without a curve",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) {
         return c.New_Prm_Efficiency(EfficiencyType::AcrossTheLine, "X%d", 100, -10);
       },
       "Default.New_Prm_Efficiency(): Invalid EfficiencyType"},
      {"duty profile 4",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) { return c.New_Prm_Flow(4, 16); },
       "Default.New_Prm_Flow(): Invalid Parameter"},
      {"duty group at 17",
       [](ParameterCatalogue& c, FakeForm&, FakeForm&) { return c.New_Prm_Flow(1, 17); },
       "Default.New_Prm_Flow(): Invalid FirstIndex"},
  };
  for (const Case& c : cases) {
    FakeMessageSink sink;
    FakeProgramExit ended;
    FakeForm w;
    FakeForm p;
    ParameterCatalogue fresh(sink, alert, ended);
    EXPECT_FALSE(c.run(fresh, w, p)) << c.what;
    ASSERT_EQ(sink.shown.size(), 1u) << c.what;
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(sink.shown[0].text, c.message) << c.what;
    EXPECT_EQ(ended.reasons.size(), 1u) << c.what;
    // Nothing more happens after the fault.
    EXPECT_FALSE(fresh.Build(&w, &p));
    EXPECT_EQ(sink.shown.size(), 1u);
  }
}

}  // namespace
}  // namespace korvane::model
