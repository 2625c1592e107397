#include <gtest/gtest.h>

#include "CatalogueFixture.h"
#include "model/EfficiencyCurves.h"
#include "model/EnergyModel.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "model/ParameterCatalogue.h"
#include "platform/SettingsStore.h"

namespace korvane::model {
namespace {

using korvane::testing::FakeForm;
using korvane::testing::FakeMessageSink;

class CurvesTest : public korvane::testing::CatalogueFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(buildCatalogue());
    auto edits = Collect_Curve_Edits(preferences);
    ASSERT_TRUE(edits.has_value());
    curves.Set_Dialog_Edits(*edits);
    for (EfficiencyType type : kCurveTreatmentOrder)
      curves.Apply_Efficiency(type, CurveSource::Factory);
  }
  std::string field(const std::string& name) { return preferences.edit(name).text(); }
  void type(const std::string& name, const std::string& text) {
    preferences.edit(name).setText(text);
  }

  EnergyModel model;
  TVexEnergyProjectAnalysis& project = model.project;
  MemorySettingsStore store;
  EfficiencyCurves curves{catalogue, project, store};
};

TEST_F(CurvesTest, FactoryCurvesLandInTheirSlots) {
  for (int a = 1; a <= 3; ++a) EXPECT_EQ(project.Get_Curve(a, 1, 5), 97) << a;
  EXPECT_EQ(project.Get_Curve(1, 3, 2), 0.81) << "fan inlet vane";
  EXPECT_EQ(project.Get_Curve(1, 4, 6), 0.1767) << "fan outlet damper";
  EXPECT_EQ(project.Get_Curve(2, 3, 2), 0.7683) << "pump throttling valve";
  EXPECT_EQ(project.Get_Curve(2, 4, 2), 0) << "pumps have no damper";
  EXPECT_EQ(project.Get_Curve(2, 5, 3), 1.0) << "custom curves reach pumps";
  EXPECT_EQ(project.Get_Curve(3, 5, 3), 0) << "but not cooling towers";
  EXPECT_EQ(project.Get_Curve(1, 2, 1), 0);

  // Fans and pumps with control 0 run on different curves of slot 3.
  FakeMessageSink quiet;
  project.Add_System(quiet);
  project.Add_System(quiet);
  project.Get_System(1)->Set_FlowControl(FlowControl::OutletDamper);
  project.Get_System(1)->Set_FlowControl(FlowControl::InletVaneOrValve);
  project.Get_System(2)->Set_ApplicationType(ApplicationType::Pump);
  ASSERT_TRUE(project.Reprepare_All());
  EXPECT_EQ(project.Get_System(1)->Prepared().curves[1][1], 0.81);
  EXPECT_EQ(project.Get_System(2)->Prepared().curves[1][1], 0.7683);
}

TEST_F(CurvesTest, SavingTheDialogMovesCurvesIntoTheStoreAndTheProject) {
  for (int p = 100; p >= 10; p -= 10) type("VfdE" + std::to_string(p), "95");
  type("C1E50", "0.5");
  type("DE90", "1,000");  // thousands separator
  type("DE80", "oops");
  type("DE70", "");
  store.writeText("EFF", "DE80", "0.5725");
  for (EfficiencyType t : kCurveTypes) curves.Store_Efficiency(t, CurveOrigin::DialogTexts);
  for (EfficiencyType t : kCurveTypes) curves.Apply_Efficiency(t, CurveSource::Dialog);

  for (int a = 1; a <= 3; ++a) {
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(project.Get_Curve(a, 1, p), 95);
  }
  EXPECT_EQ(catalogue.Get_Prm_Value(kPrmDriveEfficiency), 95);
  EXPECT_EQ(project.Get_Curve(1, 5, 6), 0.5);
  EXPECT_EQ(project.Get_Curve(2, 5, 6), 0.5);
  EXPECT_EQ(project.Get_Curve(3, 5, 6), 0);
  EXPECT_EQ(project.Get_Curve(1, 4, 2), 1000) << "read as 1000";
  EXPECT_EQ(project.Get_Curve(1, 4, 3), 0.5725) << "an unreadable text keeps the point";
  // Stored in "." form with the parameter's decimals; an empty or unreadable
  // field leaves the stored value alone.
  EXPECT_EQ(store.readText("EFF", "VFDE10", ""), "95.0");
  EXPECT_EQ(store.readText("EFF", "C1E50", ""), "0.5000");
  EXPECT_EQ(store.readText("EFF", "DE90", ""), "1000.0000");
  EXPECT_EQ(store.readText("EFF", "DE80", ""), "0.5725");
  EXPECT_EQ(store.readText("EFF", "DE70", "<missing>"), "<missing>");
}

TEST_F(CurvesTest, DialogFieldsUseTheUsersDecimalSeparator) {
  curves.Set_Separators(",", ".");
  for (EfficiencyType type : kCurveTreatmentOrder) curves.Apply_Efficiency(type, CurveSource::Show);
  EXPECT_EQ(field("DE50"), "0,1767");
  EXPECT_EQ(field("VfdE100"), "97,0");
  // Read back as shown: never multiplied by the thousands separator.
  for (EfficiencyType t : kCurveTypes) curves.Store_Efficiency(t, CurveOrigin::DialogTexts);
  for (EfficiencyType t : kCurveTypes) curves.Apply_Efficiency(t, CurveSource::Dialog);
  EXPECT_EQ(project.Get_Curve(1, 4, 6), 0.1767);
  EXPECT_EQ(project.Get_Curve(1, 1, 1), 97);
  EXPECT_EQ(store.readText("EFF", "DE50", ""), "0.1767");
  EXPECT_EQ(store.readText("EFF", "VFDE100", ""), "97.0");
}

TEST_F(CurvesTest, StoredCurvesAreReadAndRepaired) {
  store.writeText("EFF", "DE50", "not a number");
  store.writeText("EFF", "IVE20", "0.05");
  for (EfficiencyType type : kCurveTreatmentOrder)
    curves.Apply_Efficiency(type, CurveSource::Stored);
  EXPECT_EQ(store.readText("EFF", "DE50", ""), "0.1767");
  EXPECT_EQ(project.Get_Curve(1, 4, 6), 0.1767);
  EXPECT_EQ(project.Get_Curve(1, 3, 9), 0.05);
  EXPECT_FLOAT_EQ(static_cast<float>(catalogue.Get_Prm_Value(60)), 0.05f);

  for (EfficiencyType type : kCurveTreatmentOrder) curves.Apply_Efficiency(type, CurveSource::Show);
  EXPECT_EQ(field("IvE20"), "0.0500");
  EXPECT_EQ(field("DE50"), "0.1767");
  EXPECT_EQ(field("VfdE10"), "97.0");

  catalogue.Set_Prm_Value(43, 0.7);
  curves.Store_Efficiency(EfficiencyType::OutletDamper, CurveOrigin::Parameters);
  EXPECT_EQ(store.readText("EFF", "DE90", ""), "0.7000");
  curves.Apply_Efficiency(EfficiencyType::OutletDamper, CurveSource::Parameters);
  EXPECT_FLOAT_EQ(static_cast<float>(project.Get_Curve(1, 4, 2)), 0.7f);
}

TEST_F(CurvesTest, NamesAndListsFollowTitlesAndSwitches) {
  CustomTitles titles;
  using E = EfficiencyType;
  EXPECT_EQ(Get_Efficiency_Name(E::Custom1, titles), "Custom 1");
  EXPECT_EQ(Get_Efficiency_Name(E::Custom2, titles), "Custom 2");
  titles[0] = "Bypass damper";
  EXPECT_EQ(Get_Efficiency_Name(E::Custom1, titles), "Bypass damper");
  EXPECT_EQ(Get_Efficiency_Name(E::AcrossTheLine, titles), "None (Across-the-Line)");
  EXPECT_EQ(Get_Efficiency_Name(E::Drive, titles), "Adjustable Speed Drive");
  EXPECT_EQ(Get_Efficiency_Name(E{7}, titles), "");
  EXPECT_FALSE(Get_Efficiency_Settings(E::AcrossTheLine, catalogue).has_value());
  EXPECT_FALSE(Get_Efficiency_Settings(E{7}, catalogue).has_value());

  auto values = [&](ApplicationType application) {
    std::vector<FlowControl> v;
    for (const auto& item : FlowControlItems(application, titles)) v.push_back(item.value);
    return v;
  };
  using F = FlowControl;
  using V = std::vector<FlowControl>;
  EXPECT_EQ(values(ApplicationType::Fan),
            (V{F::AcrossTheLine, F::InletVaneOrValve, F::OutletDamper, F::Custom1, F::Custom2}));
  EXPECT_EQ(values(ApplicationType::Pump),
            (V{F::AcrossTheLine, F::InletVaneOrValve, F::Custom1, F::Custom2}));
  EXPECT_TRUE(values(ApplicationType::CoolingTower).empty());
  korvane::model::testing::ScopedFeatureWord word((1u << NoInletVane) | (1u << NoCustomCurves));
  EXPECT_EQ(values(ApplicationType::Fan), (V{F::AcrossTheLine, F::OutletDamper}));
  EXPECT_EQ(values(ApplicationType::Pump), (V{F::AcrossTheLine, F::InletVaneOrValve}));
}

TEST(CurveEdits, AMissingFieldAbortsTheCollection) {
  FakeForm form;
  form.missing.insert("VaE30");
  EXPECT_FALSE(Collect_Curve_Edits(form).has_value());
}

}  // namespace
}  // namespace korvane::model
