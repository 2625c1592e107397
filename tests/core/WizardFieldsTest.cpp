#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Fakes.h"
#include "model/FeatureSwitchesForTests.h"
#include "model/ParameterCatalogue.h"
#include "model/ResultSlots.h"
#include "model/WizardFields.h"

namespace korvane::model {
namespace {

using korvane::testing::FakeAlertSound;
using korvane::testing::FakeEdit;
using korvane::testing::FakeMessageSink;
using korvane::testing::FakeProgramExit;
using model::testing::ScopedFeatureWord;

// Every bit that names a switch; the others switch nothing.
constexpr std::uint32_t kAllSwitches = 0x3FDFFFFF & ~(1U << 18) & ~(1U << 21);

// The captions of the rows of a step and group that this run shows.
std::vector<std::string> shownCaptions(WizardStep step, const std::set<FieldGroup>& groups) {
  std::vector<std::string> captions;
  for (const WizardField& f : kWizardFields) {
    if (f.step != step || !groups.count(f.group) || SwitchedOff(f.hiddenBy)) continue;
    if (captions.empty() || captions.back() != f.caption) captions.emplace_back(f.caption);
  }
  return captions;
}

TEST(WizardFields, RowsAreConsistentUnderEveryEdition) {
  for (std::uint32_t word : {0U, kEditionFeatureWord, kAllSwitches}) {
    ScopedFeatureWord edition(word);
    std::set<std::string_view> names;
    std::set<FieldValue> texts;
    for (const WizardField& f : kWizardFields) {
      if (FindWizardField(f.name) != &f) continue;  // a variant these switches replace
      SCOPED_TRACE(std::string(f.name));
      EXPECT_TRUE(names.insert(f.name).second) << "name twice";
      EXPECT_FALSE(f.caption.empty());
      const bool isEdit = f.kind == FieldKind::ParameterEdit;
      EXPECT_EQ(isEdit, f.parameter != kNoParameter);
      EXPECT_EQ(isEdit, f.value == FieldValue::Parameter);
      if (isEdit) {
        EXPECT_GE(f.parameter, 1);
        EXPECT_LE(f.parameter, kParameterCount);
        EXPECT_EQ(f.keys, KeyFilter::Number);
      }
      const bool typed = isEdit || f.kind == FieldKind::TextEdit;
      EXPECT_EQ(typed, f.maxLength > 0);
      if (f.kind == FieldKind::TextEdit) {
        EXPECT_TRUE(texts.insert(f.value).second) << "text twice";
      }
      EXPECT_EQ(f.unitRule == UnitRule::Fixed, !f.unit.empty());
      EXPECT_EQ(f.group == FieldGroup::DutyCycle, f.point >= 1 && f.point <= 10);
      for (FeatureBit bit : {f.hiddenBy.first, f.hiddenBy.second, f.readOnlyWhile}) {
        if (bit == kNoFeature) continue;
        EXPECT_TRUE(bit >= 0 && bit <= 29 && bit != 18 && bit != 21) << bit;
      }
    }
    // Every text of the customer step and the utility's name has its input.
    for (FieldValue v :
         {FieldValue::ProjectName, FieldValue::Contact, FieldValue::Title, FieldValue::Company,
          FieldValue::Address, FieldValue::City, FieldValue::State, FieldValue::Zip,
          FieldValue::Country, FieldValue::TelArea, FieldValue::TelNumber, FieldValue::FaxNumber,
          FieldValue::Email, FieldValue::UtilityName, FieldValue::Identification}) {
      EXPECT_TRUE(texts.count(v)) << static_cast<int>(v);
    }
  }
}

// A wizard form that holds exactly the edits the field table names.
class TableForm : public InputForm {
 public:
  TableForm() {
    for (const WizardField& f : kWizardFields) {
      if (f.kind == FieldKind::ParameterEdit) edits[std::string(f.name)];
    }
  }
  ComponentLookup findComponent(std::string_view name) override {
    auto it = edits.find(std::string(name));
    if (it == edits.end()) return {};
    return {true, &it->second};
  }
  std::map<std::string, FakeEdit> edits;
};

class AnyForm : public InputForm {
 public:
  ComponentLookup findComponent(std::string_view name) override {
    return {true, &edits[std::string(name)]};
  }
  std::map<std::string, FakeEdit> edits;
};

TEST(WizardFields, TheCatalogueBindsTheWizardEditsOfTheTable) {
  FakeMessageSink messages;
  FakeAlertSound alert;
  FakeProgramExit exit;
  TableForm wizard;
  AnyForm preferences;
  ParameterCatalogue catalogue(messages, alert, exit);
  ASSERT_TRUE(catalogue.Build(&wizard, &preferences));
  EXPECT_TRUE(messages.shown.empty());

  std::map<int, int> rows;
  for (const WizardField& f : kWizardFields) {
    if (f.kind == FieldKind::ParameterEdit) ++rows[f.parameter];
  }
  for (int n = 1; n <= kParameterCount; ++n) {
    SCOPED_TRACE(n);
    const bool inWizard = catalogue.Owner(n) == EditOwner::Wizard;
    EXPECT_EQ(rows.count(n) ? rows[n] : 0, inWizard ? 1 : 0);
    if (!inWizard) continue;
    const std::string name(ParameterEditName(n));
    EXPECT_EQ(catalogue.Edit_Name(n), name);
    EXPECT_EQ(catalogue.Bound_Edit(n), &wizard.edits.at(name));
    EXPECT_EQ(wizard.edits.at(name).tag(), n);
    // Wizard edits carry the prefix and two-digit number of their parameter.
    const ParameterEntry& entry = *catalogue.Entry(n);
    char expected[8];
    std::snprintf(expected, sizeof expected, "%s%.2d", entry.EditPrefix.c_str(), entry.NameNumber);
    EXPECT_EQ(name, expected);
  }
  EXPECT_EQ(ParameterEditName(kPrmDriveEfficiency), "");
  EXPECT_EQ(ParameterEditName(0), "");
}

TEST(WizardFields, StepsShowTheRowsOfTheEdition) {
  const std::set<FieldGroup> utility{FieldGroup::Utility, FieldGroup::DemandUnit};
  {
    ScopedFeatureWord edition(kEditionFeatureWord);
    EXPECT_EQ(shownCaptions(WizardStep::Utility, utility),
              (std::vector<std::string>{"Utility:", "Cost per kWh:", "Alternate Rate:"}));
    EXPECT_EQ(shownCaptions(WizardStep::System, {FieldGroup::MotorData}),
              (std::vector<std::string>{"Efficiency:", "Power:"}));
    EXPECT_EQ(shownCaptions(WizardStep::System, {FieldGroup::DriveData}),
              (std::vector<std::string>{"Drive Cost:", "Install Cost:", "# Systems:"}));
  }
  {
    ScopedFeatureWord everything(0);
    EXPECT_EQ(shownCaptions(WizardStep::Utility, utility),
              (std::vector<std::string>{"Utility:", "Cost per kWh:", "Alternate Rate:",
                                        "Demand Charge:", "Utility Incentive:", "One-time",
                                        "Yearly", "Demand Charges and Rebates are per:"}));
    EXPECT_EQ(shownCaptions(WizardStep::System, {FieldGroup::MotorData}),
              (std::vector<std::string>{"Efficiency:", ":", "Power:", "Voltage:", "FLA:"}));
  }
  {
    // The kW/kVA choice goes only when neither charges nor rebates are shown.
    ScopedFeatureWord noCharge(1U << NoDemandCharge);
    EXPECT_EQ(shownCaptions(WizardStep::Utility, {FieldGroup::DemandUnit}).size(), 1u);
    ScopedFeatureWord noBoth((1U << NoDemandCharge) | (1U << NoDemandRebate));
    EXPECT_TRUE(shownCaptions(WizardStep::Utility, {FieldGroup::DemandUnit}).empty());
  }
}

TEST(WizardFields, TheCityRowFollowsTheStateFieldSwitch) {
  {
    ScopedFeatureWord separate(0);
    const WizardField* zip = FindWizardField("ZipFor");
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(zip->caption, "Zip:");
    EXPECT_EQ(zip->maxLength, 5);
    EXPECT_FALSE(KeyAccepted(zip->keys, U'a'));
    EXPECT_FALSE(SwitchedOff(FindWizardField("CityFor")->hiddenBy));
    EXPECT_EQ(FindWizardField("StateFor")->maxLength, 2);
  }
  ScopedFeatureWord single(1U << NoStateField);
  const WizardField* zip = FindWizardField("ZipFor");
  ASSERT_NE(zip, nullptr);
  EXPECT_EQ(zip->caption, "City / State / Zip:");
  EXPECT_EQ(zip->maxLength, 45);
  EXPECT_TRUE(KeyAccepted(zip->keys, U'a'));
  EXPECT_TRUE(SwitchedOff(FindWizardField("CityFor")->hiddenBy));
  EXPECT_TRUE(SwitchedOff(FindWizardField("StateFor")->hiddenBy));
  EXPECT_EQ(FindWizardField("NoSuchField"), nullptr);
}

TEST(WizardFields, KeyFiltersLetThroughTheirCharacters) {
  struct Case {
    const char* input;
    char32_t key;
    bool accepted;
  };
  const Case cases[] = {
      {"A108", U'7', true},
      {"A108", U'.', true},
      {"A108", U'-', true},
      {"A108", kBackspace, true},
      {"A108", U'e', false},
      {"A108", U',', false},
      {"ZipFor", U'5', true},
      {"ZipFor", kBackspace, true},
      {"ZipFor", U'-', false},
      {"ProjectName", U'=', false},
      {"ProjectName", U'[', false},
      {"ProjectName", U']', false},
      {"ProjectName", U'é', true},
      {"SystemIndentification", U'=', false},
      {"cboStp3_EditSyst_ApplType", kBackspace, false},
      {"cboStp3_EditSyst_ApplType", U'P', true},
  };
  ScopedFeatureWord edition(kEditionFeatureWord);
  for (const Case& c : cases) {
    const WizardField* f = FindWizardField(c.input);
    ASSERT_NE(f, nullptr) << c.input;
    EXPECT_EQ(KeyAccepted(f->keys, c.key), c.accepted)
        << c.input << " " << static_cast<std::uint32_t>(c.key);
  }
}

TEST(WizardFields, UnitLabelsFollowTheProjectAndPreferences) {
  ResultDisplay display;
  display.currencySymbol = "£";
  const auto unit = [&](const char* name, bool kw) {
    return UnitLabelText(*FindWizardField(name), display, kw);
  };
  EXPECT_EQ(unit("A108", false), "HP");
  EXPECT_EQ(unit("A108", true), "kW");
  EXPECT_EQ(unit("A136", false), "ft.wg.");
  EXPECT_EQ(unit("A112", false), "£");
  EXPECT_EQ(unit("A104", false), "£");
  EXPECT_EQ(unit("A109", false), "A");
  EXPECT_EQ(unit("A101", false), "Hours");
  EXPECT_EQ(unit("A115", false), "");
  EXPECT_EQ(unit("A192", false), "");  // the unit list stands beside it
  display.metricUnits = true;
  EXPECT_EQ(unit("A136", false), "kPa");
}

}  // namespace
}  // namespace korvane::model
