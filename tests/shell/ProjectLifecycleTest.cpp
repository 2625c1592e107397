#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SessionFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "shell/ProjectLifecycle.h"
#include "shell/ProjectTypeChoice.h"

namespace korvane::shell {
namespace {

namespace fs = std::filesystem;
using korvane::testing::SessionFixture;

// The main window as the lifecycle sees it: scripted dialogs, recorded calls.
class FakeUi : public LifecycleUi {
 public:
  std::optional<std::string> Ask_Open_Path(std::string_view title, std::string_view filter,
                                           const std::string&) override {
    openTitle = title;
    openFilter = filter;
    return openAnswer;
  }
  std::optional<std::string> Ask_Save_Path(std::string_view title, std::string_view filter,
                                           const std::string&,
                                           const std::string& proposed) override {
    saveTitle = title;
    saveFilter = filter;
    proposedName = proposed;
    ++saveDialogs;
    return saveAnswer;
  }
  void Show_Project_Type_Dialog() override {
    if (typeDialog) typeDialog();
  }
  void Show_Wizard() override { ++wizards; }
  void Set_Caption(const std::string& text) override { caption = text; }
  void Update_Status_Bar() override { ++statusUpdates; }
  void Show_Recent_Projects(const std::array<std::string, 4>& entries) override {
    recent = entries;
  }
  std::string Today() override { return "12/11/2026"; }

  std::optional<std::string> openAnswer;
  std::optional<std::string> saveAnswer;
  std::function<void()> typeDialog;
  std::string openTitle, openFilter, saveTitle, saveFilter, proposedName, caption;
  int saveDialogs = 0, wizards = 0, statusUpdates = 0;
  std::array<std::string, 4> recent;
};

class LifecycleTest : public SessionFixture {
 protected:
  void SetUp() override {
    start();
    dir = fs::temp_directory_path() / ("korvane-lifecycle-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Starts a single-system project through the project-type dialog.
  void startSingle() {
    ui.typeDialog = [this] {
      const auto entries = ApplicationEntries();
      SetUpSingleSystemProject(state, &entries[0]);
    };
    lifecycle.New_Project();
    ASSERT_TRUE(state.ProjectActive);
  }
  std::string path(const std::string& name) const { return (dir / name).string(); }

  fs::path dir;
  RunState state;
  FakeUi ui;
  ProjectLifecycle lifecycle{session, state, ui};
};

TEST_F(LifecycleTest, NewProjectNeedsAChoiceOfProjectType) {
  lifecycle.New_Project();  // the dialog is cancelled
  EXPECT_FALSE(state.ProjectActive);
  EXPECT_EQ(lifecycle.Status_Active(), "Not Active");
  EXPECT_EQ(ui.wizards, 0);

  session.header.contact = "Old customer";
  ui.typeDialog = [this] { SetUpMultiSystemProject(state); };
  lifecycle.New_Project();
  EXPECT_TRUE(state.ProjectActive);
  EXPECT_FALSE(state.ResumeProject);
  EXPECT_EQ(state.ProjectType, 1);
  EXPECT_EQ(state.NewProjectApplication, -1);
  EXPECT_EQ(session.header.contact, "");
  EXPECT_EQ(ui.wizards, 1);
  EXPECT_EQ(ui.caption, "KORVANE Energy Savings Estimator");
  EXPECT_EQ(lifecycle.Status_Project_Type(), "Project Type: Multi System Project");
}

TEST_F(LifecycleTest, ProjectTypeChoices) {
  const auto entries = ApplicationEntries();
  ASSERT_EQ(entries.size(), 2u) << "this edition offers no cooling towers";
  EXPECT_EQ(entries[0].name, "Fan");
  EXPECT_EQ(entries[1].name, "Pump");
  EXPECT_EQ(entries[1].application, 1);
  RunState s;
  s.ProjectType = 7;
  EXPECT_FALSE(SetUpSingleSystemProject(s, nullptr));
  EXPECT_FALSE(s.NewProjectPending);
  EXPECT_EQ(s.ProjectType, 7);
  EXPECT_TRUE(SetUpSingleSystemProject(s, &entries[1]));
  EXPECT_EQ(s.ProjectType, 0);
  EXPECT_EQ(s.NewProjectApplication, 1);
  {
    model::testing::ScopedFeatureWord all(0);
    EXPECT_EQ(ApplicationEntries().size(), 3u);
  }
  // One edition starts single-system projects without asking.
  model::testing::ScopedFeatureWord single(1u << model::SingleSystemOnly);
  lifecycle.New_Project();
  EXPECT_TRUE(state.ProjectActive);
  EXPECT_EQ(state.ProjectType, 0);
  EXPECT_EQ(state.NewProjectApplication, 0);
}

TEST_F(LifecycleTest, SaveAsMendsTheExtensionAndAsksBeforeReplacing) {
  startSingle();
  struct Case {
    std::string chosen;
    std::string written;
    bool warns;
  };
  const Case cases[] = {{"Plant.txt", "Plant.ESEProj", true},
                        {"Plant", "Plant.ESEProj", false},
                        {"Other.eseproj", "Other.ESEProj", false}};
  for (const Case& c : cases) {
    bool warn = false;
    EXPECT_EQ(fs::path(ProjectLifecycle::Save_As_File_Name(path(c.chosen), warn)).filename(),
              c.written);
    EXPECT_EQ(warn, c.warns) << c.chosen;
  }

  ui.saveAnswer = path("Plant.txt");
  state.ProjectModified = true;
  ASSERT_TRUE(lifecycle.Save_As());
  EXPECT_EQ(ui.proposedName, "KORVANE Energy Project");
  EXPECT_EQ(ui.saveTitle, "Save KORVANE Energy File File");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_NE(messages.shown[0].text.find("The Extension specified does not match"),
            std::string::npos);
  EXPECT_EQ(messages.shown[1].text, "Project Saved!");
  EXPECT_TRUE(fs::exists(path("Plant.ESEProj")));
  EXPECT_EQ(state.ProjectFileName, path("Plant.ESEProj"));
  EXPECT_FALSE(state.ProjectModified);
  EXPECT_EQ(ui.caption, "KORVANE Energy Savings Estimator: Plant.ESEProj");

  // Replacing needs a yes.
  messages.shown.clear();
  messages.answer = MessageAnswer::No;
  ui.saveAnswer = path("Plant");
  state.ProjectModified = true;
  EXPECT_FALSE(lifecycle.Save_As());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            path("Plant.ESEProj") + " already exists!\nDo you want to replace it");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(state.ProjectModified);
  EXPECT_EQ(ui.proposedName, "Plant");
}

TEST_F(LifecycleTest, SaveChecksAndFailures) {
  EXPECT_FALSE(lifecycle.Save());
  EXPECT_EQ(messages.shown.back().text,
            "There is currently no project active. Start a new project by clicking on the "
            "\"New Project\" button.");

  ui.typeDialog = [this] { SetUpMultiSystemProject(state); };
  lifecycle.New_Project();
  EXPECT_FALSE(lifecycle.Save());
  EXPECT_EQ(messages.shown.back().text, "This project does not contain any systems!");
  EXPECT_EQ(ui.saveDialogs, 0);

  startSingle();
  ui.saveAnswer = path("No such folder/Plant.ESEProj");
  state.ProjectModified = true;
  EXPECT_FALSE(lifecycle.Save());
  EXPECT_EQ(messages.shown.back().text, "FILE ERROR !");
  EXPECT_TRUE(state.ProjectModified) << "a failed save keeps the changes marked";
  EXPECT_TRUE(state.ProjectFileName.empty());
  EXPECT_EQ(state.RecentProjects[0], "");
}

TEST_F(LifecycleTest, TheSavePromptDecides) {
  startSingle();
  state.ProjectModified = true;
  messages.answer = MessageAnswer::Cancel;
  EXPECT_FALSE(lifecycle.PromptSaveActiveProject());
  EXPECT_EQ(messages.shown.back().text, "Save active project?");
  EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoCancel);
  lifecycle.Close_Project();
  EXPECT_TRUE(state.ProjectActive) << "cancel keeps the project open";

  messages.answer = MessageAnswer::No;
  EXPECT_TRUE(lifecycle.PromptSaveActiveProject());
  EXPECT_EQ(ui.saveDialogs, 0);

  // Yes on a project never saved asks for a name; cancelling that still goes on.
  messages.answer = MessageAnswer::Yes;
  EXPECT_TRUE(lifecycle.PromptSaveActiveProject());
  EXPECT_EQ(ui.saveDialogs, 1);
  lifecycle.Close_Project();
  EXPECT_FALSE(state.ProjectActive);
  EXPECT_TRUE(lifecycle.May_Exit());
}

TEST_F(LifecycleTest, OpeningProjects) {
  ui.openAnswer.reset();
  state.ProjectActive = true;
  lifecycle.Open_Project();
  EXPECT_FALSE(state.ProjectActive) << "a cancelled Open leaves no project";
  EXPECT_EQ(ui.openTitle, "Open KORVANE Energy Savings Estimator File");
  EXPECT_EQ(ui.openFilter, "Energy Files (*.ESEProj)");

  ui.openAnswer = (fs::path(KORVANE_SAMPLES_DIR) / "plant-4-systems.ESEProj").string();
  lifecycle.Open_Project();
  EXPECT_TRUE(state.ProjectActive);
  EXPECT_EQ(state.ProjectType, 1);
  EXPECT_TRUE(state.ResumeProject);
  EXPECT_EQ(project.SystemCount(), 4);
  EXPECT_EQ(ui.caption, "KORVANE Energy Savings Estimator: plant-4-systems.ESEProj");
  EXPECT_EQ(state.RecentProjects[0], *ui.openAnswer);
  EXPECT_EQ(store.readText("FHIS", "H1", ""), *ui.openAnswer);
  EXPECT_EQ(lifecycle.Status_Project_Name(), "Project Name: Northside water plant");

  // A file that does not say what kind of project it is opens nothing.
  const std::string untyped = path("untyped.ESEProj");
  std::ofstream(untyped) << "[POWER]\r\nHP\r\n[CURRENCY MODE]\r\n1\r\n[DIMENSION MODE]\r\n0\r\n";
  ui.openAnswer = untyped;
  lifecycle.Open_Project();
  EXPECT_EQ(messages.shown.back().text,
            "The file you are trying to open does not contain valid information");
  EXPECT_FALSE(state.ProjectActive);
  EXPECT_NE(state.RecentProjects[0], untyped);
  // The caption agrees with the status bar: nothing is open.
  EXPECT_EQ(ui.caption, "KORVANE Energy Savings Estimator");
  EXPECT_EQ(lifecycle.Status_Active(), "Not Active");
  EXPECT_TRUE(state.ProjectFileName.empty());

  lifecycle.OpenProjectFile(path("gone.ESEProj"));
  EXPECT_EQ(messages.shown.back().text, "File does not exist!");
  EXPECT_EQ(messages.shown.back().kind, MessageKind::Error);
}

// A project of one system holds one, whichever way it is opened.
TEST_F(LifecycleTest, ASingleSystemProjectOpensWithOneSystem) {
  const std::string twoBlocks = path("two-blocks.ESEProj");
  std::ofstream(twoBlocks) << "[POWER]\r\nHP\r\n[CURRENCY MODE]\r\n1\r\n[DIMENSION MODE]\r\n0\r\n"
                              "[PROJECT-TYPE]\r\n0\r\n"
                              "[SYSTEM ITEM START]\r\nAPP=Kept\r\n[SYSTEM ITEM END]\r\n"
                              "[SYSTEM ITEM START]\r\nAPP=Dropped\r\n[SYSTEM ITEM END]\r\n";
  ui.openAnswer = twoBlocks;
  lifecycle.Open_Project();
  ASSERT_TRUE(state.ProjectActive);
  EXPECT_EQ(state.ProjectType, 0);
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(project.Get_System(1)->Identification(), "Kept");

  project.Set_System_Count(0);
  lifecycle.OpenProjectFile(twoBlocks);
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(ui.caption, "KORVANE Energy Savings Estimator: two-blocks.ESEProj");
}

TEST_F(LifecycleTest, RecentProjectsShowEachExistingFileOnce) {
  for (const char* name : {"a.ESEProj", "b.ESEProj"}) std::ofstream(path(name)) << "x";
  lifecycle.AddRecentProject(path("a.ESEProj"));
  lifecycle.AddRecentProject(path("b.ESEProj"));
  lifecycle.AddRecentProject(path("a.ESEProj"));
  EXPECT_EQ(ui.recent, (std::array<std::string, 4>{path("a.ESEProj"), path("b.ESEProj"), "", ""}));
  EXPECT_EQ(store.readText("FHIS", "H3", ""), path("a.ESEProj")) << "the store keeps both";
  lifecycle.AddRecentProject(path("deleted.ESEProj"));
  EXPECT_EQ(ui.recent, (std::array<std::string, 4>{"", path("a.ESEProj"), path("b.ESEProj"), ""}));
}

TEST_F(LifecycleTest, StatusBarTexts) {
  EXPECT_EQ(lifecycle.Status_Project_Name(), "Project Name: <No Name>");
  EXPECT_EQ(lifecycle.Status_Project_Type(), "Project Type: <Not Defined>");
  session.header.projectName = std::string(32, 'x');
  EXPECT_EQ(lifecycle.Status_Project_Name(), "Project Name: " + std::string(32, 'x'));
  session.header.projectName = std::string(32, 'x') + "y";
  EXPECT_EQ(lifecycle.Status_Project_Name(), "Project Name: " + std::string(32, 'x') + "...");
  startSingle();
  EXPECT_EQ(lifecycle.Status_Project_Type(), "Project Type: Single System Project");
  EXPECT_EQ(lifecycle.Status_Active(), "Active");
}

TEST_F(LifecycleTest, ActiveProjectOffersANewOne) {
  messages.answer = MessageAnswer::Cancel;
  lifecycle.Active_Project();
  EXPECT_EQ(messages.shown.back().text,
            "There is currently no project active. Would you like to start a new project?");
  EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesCancel);
  EXPECT_FALSE(state.ProjectActive);
  startSingle();
  lifecycle.Active_Project();
  EXPECT_TRUE(state.ResumeProject);
  EXPECT_EQ(ui.wizards, 2);
}

TEST_F(LifecycleTest, RecoveryFileKeepsUnsavedWork) {
  EXPECT_FALSE(lifecycle.Write_Recovery_File(dir).has_value()) << "nothing to keep";
  startSingle();
  session.header.projectName = "Unsaved plant";
  state.ProjectModified = true;
  auto written = lifecycle.Write_Recovery_File(dir / "data");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, dir / "data" / "Recovered project.ESEProj");
  std::ifstream in(*written);
  std::string content((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(content.find("Unsaved plant"), std::string::npos);

  state.ProjectFileName = path("Plant.ESEProj");
  written = lifecycle.Write_Recovery_File(dir / "data");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, dir / "Plant (recovered).ESEProj");
}

}  // namespace
}  // namespace korvane::shell
