#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "WizardFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "shell/ProjectLifecycle.h"

namespace korvane::wizard {
namespace {

namespace fs = std::filesystem;
using namespace model;

class SystemsTreeTest : public korvane::testing::WizardFixture {
 protected:
  void SetUp() override {
    WizardFixture::SetUp();
    newProject(kMulti);
  }

  // Node texts of the tree, category by category: "Fan Systems" {...}.
  std::vector<std::vector<std::string>> texts() const {
    std::vector<std::vector<std::string>> out;
    for (const auto& category : wiz.systems.Tree().Root()->children) {
      std::vector<std::string> names{category->item.text};
      for (const auto& node : category->children) names.push_back(node->item.text);
      out.push_back(names);
    }
    return out;
  }
  TreeNode* node(int category, int position) const {
    return wiz.systems.Tree().Root()->children.at(category)->children.at(position).get();
  }
  // Selecting a node opens the system it stands for.
  int systemOf(TreeNode* n) {
    wiz.Tree_Selection_Changed(n);
    return wiz.wizard.CurrentSystem;
  }
};

TEST_F(SystemsTreeTest, EmptyProjectHasOneCategoryAndTheNavigationTab) {
  EXPECT_EQ(texts(), (std::vector<std::vector<std::string>>{{"No Systems Defined"}}));
  EXPECT_EQ(wiz.systems.Tree().Root()->item.text, "Project: <No Name>");
  EXPECT_EQ(wiz.systems.Tabs().visible, std::vector<OverviewTab>{OverviewTab::Navigation});
  EXPECT_TRUE(wiz.ReportSystemOrder().empty());
}

TEST_F(SystemsTreeTest, SystemsAreGroupedByTypeAndNamedByIndexWhenUnnamed) {
  addSystem("Supply fan", kFan);
  addSystem("", kPump);
  addSystem("Return fan", kFan);
  EXPECT_EQ(texts(),
            (std::vector<std::vector<std::string>>{{"Fan Systems", "Supply fan", "Return fan"},
                                                   {"Pump Systems", "<No Name>: 002"}}));
  EXPECT_EQ(window.counter, "3");
  EXPECT_TRUE(state.ProjectModified);
  EXPECT_EQ(wiz.ReportSystemOrder(), (std::vector<int>{1, 3, 2}));
  // The last one added is current and its node selected.
  EXPECT_EQ(wiz.wizard.CurrentSystem, 3);
  EXPECT_EQ(wiz.systems.Tree().Selected(), node(0, 1));
}

TEST_F(SystemsTreeTest, CoolingTowersGetTheirCategoryAfterPumpsWhenOffered) {
  model::testing::ScopedFeatureWord word(0);
  wiz.Form_Show();
  addSystem("Tower", kTower);
  ASSERT_EQ(texts().size(), 3u);
  EXPECT_EQ(texts()[2], (std::vector<std::string>{"Cooling Tower Systems", "Tower"}));
  EXPECT_EQ(wiz.systems.Tree().Root()->children[2]->item.imageIndex, kIconTowers);
  wiz.Tree_Selection_Changed(node(2, 0));
  EXPECT_FALSE(wiz.Main_Rows().flowControl);
  EXPECT_FALSE(wiz.Main_Rows().minimumHead);
}

TEST_F(SystemsTreeTest, RemovingAMiddleSystemRenumbersAndNodesFollowTheirSystems) {
  for (const char* name : {"A", "B", "C", "D"}) addSystem(name, kFan);
  state.ProjectModified = false;
  wiz.Tree_Selection_Changed(node(0, 1));
  messages.answer = MessageAnswer::Yes;
  wiz.Remove_System();
  EXPECT_EQ(messages.shown.back().text, "Delete system?");
  EXPECT_EQ(project.SystemCount(), 3);
  EXPECT_EQ(window.counter, "3");
  EXPECT_EQ(texts()[0], (std::vector<std::string>{"Fan Systems", "A", "C", "D"}));
  EXPECT_EQ(wiz.systems.Tabs().visible, std::vector<OverviewTab>{OverviewTab::Category});
  EXPECT_EQ(wiz.wizard.CurrentSystem, -1);
  for (int k = 0; k < 3; ++k) {
    const int index = systemOf(node(0, k));
    EXPECT_EQ(index, k + 1);
    EXPECT_EQ(project.Get_System(index)->Identification(), node(0, k)->item.text);
  }
  // Removing loses nothing silently: it is an unsaved change.
  EXPECT_TRUE(state.ProjectModified);
}

TEST_F(SystemsTreeTest, UnnamedNodeKeepsItsTextUntilTheNextShow) {
  addSystem("A", kFan);
  addSystem("", kFan);
  wiz.Tree_Selection_Changed(node(0, 0));
  messages.answer = MessageAnswer::Yes;
  wiz.Remove_System();
  EXPECT_EQ(node(0, 0)->item.text, "<No Name>: 002");
  EXPECT_EQ(systemOf(node(0, 0)), 1);
  wiz.Form_Show();
  EXPECT_EQ(node(0, 0)->item.text, "<No Name>: 001");
}

TEST_F(SystemsTreeTest, RemovingTheLastSystemLeavesNoSystemsDefined) {
  addSystem("Only", kPump);
  messages.answer = MessageAnswer::Yes;
  wiz.Remove_System();
  EXPECT_EQ(project.SystemCount(), 0);
  EXPECT_EQ(texts(), (std::vector<std::vector<std::string>>{{"No Systems Defined"}}));
  EXPECT_EQ(wiz.systems.Tabs().visible, std::vector<OverviewTab>{OverviewTab::Navigation});
}

TEST(MainSystemDataRows, FollowTheSelectedSystemAndTheSwitches) {
  struct Case {
    std::uint32_t word;
    model::ApplicationType type;
    bool flowControl, minimumHead;
  };
  const Case cases[] = {
      {0, model::ApplicationType::Fan, true, false},
      {0, model::ApplicationType::Pump, true, true},
      {0, model::ApplicationType::CoolingTower, false, false},
      {1u << NoMinimumHead, model::ApplicationType::Pump, true, false},
      {1u << NoFlowControlType, model::ApplicationType::Fan, false, false},
  };
  for (const Case& c : cases) {
    model::testing::ScopedFeatureWord word(c.word);
    TVexEnergySystem system;
    system.Set_ApplicationType(c.type);
    const MainSystemDataRows rows = Main_System_Data_Rows(system);
    EXPECT_EQ(rows.flowControl, c.flowControl) << c.word << " type " << model::ToNumber(c.type);
    EXPECT_EQ(rows.minimumHead, c.minimumHead) << c.word << " type " << model::ToNumber(c.type);
  }
  TVexEnergySystem yearly;
  yearly.Set_HoursPerYearMode(1);
  EXPECT_FALSE(Main_System_Data_Rows(yearly).daysPerWeek);
  EXPECT_FALSE(Main_System_Data_Rows(yearly).weeksPerYear);
}

TEST_F(SystemsTreeTest, RefusalsAndTheirMessages) {
  messages.answer = MessageAnswer::No;
  wiz.Remove_System();
  EXPECT_EQ(messages.shown.back().text, "No systems have been defined");
  wiz.Edit_System(EditTrigger::Button);
  EXPECT_EQ(messages.shown.back().text, kNoSystemsAddOne);
  EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoAbort);
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
  messages.answer = MessageAnswer::Yes;
  wiz.Edit_System(EditTrigger::Button);
  EXPECT_EQ(wiz.buttonBar.Current(), kAddSystemBar);

  addSystem("A", kFan);
  wiz.Tree_Selection_Changed(wiz.systems.Tree().Root());
  const size_t before = messages.shown.size();
  wiz.Edit_System(EditTrigger::DoubleClick);
  EXPECT_EQ(messages.shown.size(), before);
  wiz.Edit_System(EditTrigger::Button);
  wiz.System_Calculation();
  messages.answer = MessageAnswer::Yes;
  wiz.Remove_System();
  ASSERT_EQ(messages.shown.size(), before + 3);
  for (size_t k = before; k < messages.shown.size(); ++k) {
    EXPECT_EQ(messages.shown[k].text, "Please select a system by clicking on the \"System Name\"");
  }
  EXPECT_EQ(project.SystemCount(), 1);

  // "No" to the question keeps the system.
  wiz.Tree_Selection_Changed(node(0, 0));
  messages.answer = MessageAnswer::No;
  wiz.Remove_System();
  EXPECT_EQ(project.SystemCount(), 1);
}

TEST_F(SystemsTreeTest, ChangingTheTypeMovesTheNodeToTheEndOfTheOtherCategory) {
  addSystem("P1", kPump);
  addSystem("F1", kFan);
  wiz.Tree_Selection_Changed(node(0, 0));
  wiz.Edit_System(EditTrigger::Button);
  EXPECT_EQ(wiz.buttonBar.Current(), kUpdateSystemBar);
  wiz.Set_Application_Type(kPump);
  wiz.editor.choices.identification = "P2";
  ASSERT_TRUE(wiz.Update_System());
  EXPECT_EQ(texts(),
            (std::vector<std::vector<std::string>>{{"Fan Systems"}, {"Pump Systems", "P1", "P2"}}));
  EXPECT_EQ(wiz.wizard.CurrentSystem, 2);
  EXPECT_EQ(wiz.step3.Current(), kProjectOverviewView);
}

TEST_F(SystemsTreeTest, CategoryTabAddsUpItsSystems) {
  korvane::testing::FakeLabel count;
  korvane::testing::FakeLabel power;
  wiz.labels.Attach(model::ResultSlot::SystemsOfType, count);
  wiz.labels.Attach(model::ResultSlot::PowerOfType, power);
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorPower, "20.5");
  addSystem("F1", kFan);
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorPower, "10.0");
  addSystem("F2", kFan);
  wiz.Tree_Selection_Changed(wiz.systems.Tree().Root()->children[0].get());
  EXPECT_EQ(wiz.systems.Tabs().visible, std::vector<OverviewTab>{OverviewTab::Category});
  EXPECT_EQ(wiz.systems.Tabs().categoryCaption, "Fan Systems:");
  EXPECT_EQ(count.text, "2");
  EXPECT_EQ(power.text, "30.5 HP");
}

TEST_F(SystemsTreeTest, DraggingReordersWithinACategoryOnly) {
  for (const char* name : {"A", "B", "C"}) addSystem(name, kFan);
  addSystem("P", kPump);
  state.ProjectModified = false;

  EXPECT_FALSE(wiz.Drop_System(node(0, 0), node(1, 0)));  // onto a pump
  EXPECT_FALSE(wiz.Drop_System(node(0, 0), node(0, 0)));  // onto itself
  EXPECT_FALSE(state.ProjectModified);

  ASSERT_TRUE(wiz.Drop_System(node(0, 0), node(0, 1)));  // A onto B: after it
  EXPECT_EQ(texts()[0], (std::vector<std::string>{"Fan Systems", "B", "A", "C"}));
  ASSERT_TRUE(wiz.Drop_System(node(0, 0), node(0, 2)));  // B onto the last: to the end
  EXPECT_EQ(texts()[0], (std::vector<std::string>{"Fan Systems", "A", "C", "B"}));
  ASSERT_TRUE(wiz.Drop_System(node(0, 2), node(0, 0)));  // B onto A: before it
  EXPECT_EQ(texts()[0], (std::vector<std::string>{"Fan Systems", "B", "A", "C"}));
  EXPECT_EQ(wiz.systems.Tree().Selected(), node(0, 0));
  EXPECT_EQ(wiz.wizard.CurrentSystem, 2);
  EXPECT_EQ(wiz.ReportSystemOrder(), (std::vector<int>{2, 1, 3, 4}));
  // The new order is what Save writes, so it counts as an unsaved change.
  EXPECT_TRUE(state.ProjectModified);
}

TEST_F(SystemsTreeTest, RootNeverFoldsAndFollowsTheProjectName) {
  EXPECT_FALSE(TVexTreeView::Allow_Collapse(wiz.systems.Tree().Root()));
  EXPECT_TRUE(TVexTreeView::Allow_Collapse(wiz.systems.Tree().Root()->children[0].get()));
  wiz.customer.Set_Text(model::FieldValue::ProjectName, "Paper mill");
  wiz.Project_Name_Left();
  EXPECT_EQ(wiz.systems.Tree().Root()->item.text, "Paper mill");
}

TEST_F(SystemsTreeTest, UnbuiltTreeRefusesEveryOperation) {
  TreeModel tree;
  TVexTreeView view(&tree);
  TVexTreeNode n;
  n.category = 0;
  EXPECT_FALSE(view.Add_Node(n));
  EXPECT_FALSE(view.First(n));
  EXPECT_FALSE(view.Selected_Node(n));
  EXPECT_FALSE(view.Delete_Found_Node());
  EXPECT_FALSE(TVexTreeView(nullptr).Create({}));
}

// A main window that saves to and opens one fixed file.
class FileUi : public shell::LifecycleUi {
 public:
  explicit FileUi(std::string file) : path(std::move(file)) {}
  std::optional<std::string> Ask_Open_Path(std::string_view, std::string_view,
                                           const std::string&) override {
    return path;
  }
  std::optional<std::string> Ask_Save_Path(std::string_view, std::string_view, const std::string&,
                                           const std::string&) override {
    return path;
  }
  void Show_Project_Type_Dialog() override {}
  void Show_Wizard() override {}
  void Set_Caption(const std::string&) override {}
  void Update_Status_Bar() override {}
  void Show_Recent_Projects(const std::array<std::string, 4>&) override {}
  std::string Today() override { return "12/11/2026"; }
  std::string path;
};

TEST_F(SystemsTreeTest, SavedAfterADragTheReopenedProjectNumbersSystemsInTheNewOrder) {
  const fs::path file =
      fs::temp_directory_path() / ("korvane-tree-order-" + std::to_string(::getpid()) + ".ESEProj");
  for (const char* name : {"A", "B", "C"}) addSystem(name, kFan);
  ASSERT_TRUE(wiz.Drop_System(node(0, 2), node(0, 0)));  // C before A
  FileUi ui(file.string());
  shell::ProjectLifecycle lifecycle(session, state, ui);
  lifecycle.TreeOrder = [this] { return wiz.ReportSystemOrder(); };
  lifecycle.ProjectRead = [this](const OpenOutcome& opened) { wiz.After_Project_Read(opened); };
  ASSERT_TRUE(lifecycle.Save_As());
  EXPECT_FALSE(state.ProjectModified);

  state.ProjectActive = false;
  lifecycle.Open_Project();
  ASSERT_TRUE(state.ProjectActive);
  EXPECT_FALSE(state.ProjectModified);
  ASSERT_EQ(project.SystemCount(), 3);
  EXPECT_EQ(project.Get_System(1)->Identification(), "C");
  EXPECT_EQ(project.Get_System(2)->Identification(), "A");
  EXPECT_EQ(project.Get_System(3)->Identification(), "B");
  EXPECT_EQ(window.counter, "3");
  wiz.Form_Show();
  EXPECT_EQ(texts()[0], (std::vector<std::string>{"Fan Systems", "C", "A", "B"}));
  fs::remove(file);
}

TEST_F(SystemsTreeTest, OpeningOneSystemProjectLoadsItIntoTheEditor) {
  FileUi ui((fs::path(KORVANE_SAMPLES_DIR) / "reference-fan.ESEProj").string());
  shell::ProjectLifecycle lifecycle(session, state, ui);
  lifecycle.ProjectRead = [this](const OpenOutcome& opened) { wiz.After_Project_Read(opened); };
  session.catalogue.Write_Prm_Edit_Text(kPrmMotorPower, "99.0");
  lifecycle.Open_Project();
  ASSERT_EQ(state.ProjectType, kSingle);
  EXPECT_FALSE(state.ProjectModified);
  EXPECT_EQ(window.counter, "1");
  EXPECT_EQ(wiz.editor.choices.identification, "Supply fan 1");
  state.ResumeProject = true;
  wiz.Form_Show();
  EXPECT_EQ(field(kPrmMotorPower), "20.0");
  EXPECT_EQ(wiz.step3.Current(), kSystemEditorView);
}

}  // namespace
}  // namespace korvane::wizard
