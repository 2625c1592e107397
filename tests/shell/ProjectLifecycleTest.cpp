#include <gtest/gtest.h>

#include <sys/stat.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Samples.h"
#include "SessionFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "shell/ProjectLifecycle.h"
#include "shell/ProjectTypeChoice.h"
#include "shell/RecoveryFiles.h"

namespace korvane::shell {
namespace {

namespace fs = std::filesystem;
using korvane::testing::FakeProgramExit;
using korvane::testing::SessionFixture;

// Answers from a script, then with the fixed answer.
class ScriptedMessages : public korvane::testing::FakeMessageSink {
 public:
  MessageAnswer show(MessageKind kind, std::string_view text, MessageButtons buttons) override {
    const MessageAnswer fixed = FakeMessageSink::show(kind, text, buttons);
    if (script.empty()) return fixed;
    const MessageAnswer next = script.front();
    script.pop_front();
    return next;
  }
  std::deque<MessageAnswer> script;
};

// The main window as the lifecycle sees it: scripted dialogs, recorded calls.
class FakeUi : public LifecycleUi {
 public:
  std::optional<std::string> Ask_Open_Path(std::string_view title, std::string_view filter,
                                           const std::string& folder) override {
    openTitle = title;
    openFilter = filter;
    openFolder = folder;
    ++openDialogs;
    return openAnswer;
  }
  std::optional<std::string> Ask_Save_Path(std::string_view title, std::string_view filter,
                                           const std::string& folder,
                                           const std::string& proposed) override {
    saveTitle = title;
    saveFilter = filter;
    saveFolder = folder;
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
  std::string openTitle, openFilter, openFolder, saveTitle, saveFilter, saveFolder, proposedName,
      caption;
  int openDialogs = 0, saveDialogs = 0, wizards = 0, statusUpdates = 0;
  std::array<std::string, 4> recent;
};

class LifecycleTest : public SessionFixture {
 protected:
  void SetUp() override {
    start();
    dir = fs::temp_directory_path() / ("korvane-lifecycle-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    state.DataFolder = (dir / "data").string();
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
  static std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

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

  // Yes goes on once the project is on disk.
  messages.answer = MessageAnswer::Yes;
  ui.saveAnswer = path("Kept");
  EXPECT_TRUE(lifecycle.PromptSaveActiveProject());
  EXPECT_EQ(ui.saveDialogs, 1);
  EXPECT_TRUE(fs::is_regular_file(path("Kept.ESEProj")));
  lifecycle.Close_Project();
  EXPECT_FALSE(state.ProjectActive);
  EXPECT_TRUE(lifecycle.May_Exit());
}

// After Yes, a save that did not happen is a Cancel: every command that would
// drop the project leaves it open and still modified.
TEST_F(LifecycleTest, ASaveThatDidNotHappenKeepsTheProject) {
  ASSERT_EQ(::mkfifo(path("pipe.ESEProj").c_str(), 0644), 0);
  struct Failure {
    const char* what;
    std::string fileName;  // empty: Save As asks, and the dialog is cancelled
  };
  const Failure failures[] = {{"Save As dialog cancelled", ""},
                              {"folder gone", path("gone/Plant.ESEProj")},
                              {"file is a FIFO", path("pipe.ESEProj")}};
  struct Command {
    const char* what;
    std::function<void()> run;
  };
  bool exitAllowed = false;
  const Command commands[] = {
      {"Close", [&] { lifecycle.Close_Project(); }},
      {"New", [&] { lifecycle.New_Project(); }},
      {"Open", [&] { lifecycle.Open_Project(); }},
      {"Recent", [&] { lifecycle.Reopen_Recent(1); }},
      {"Exit", [&] { exitAllowed = lifecycle.May_Exit(); }},
  };
  startSingle();
  session.header.projectName = "Unsaved plant";
  state.RecentProjects[0] = (fs::path(KORVANE_SAMPLES_DIR) / "plant-4-systems.ESEProj").string();
  ui.openAnswer = state.RecentProjects[0];
  ui.typeDialog = [this] { SetUpMultiSystemProject(state); };
  messages.answer = MessageAnswer::Yes;
  for (const Failure& f : failures) {
    for (const Command& c : commands) {
      const std::string where = std::string(f.what) + " / " + c.what;
      state.ProjectFileName = f.fileName;
      state.ProjectModified = true;
      ui.saveAnswer.reset();
      ui.openDialogs = 0;
      exitAllowed = false;  // only Exit sets it
      c.run();
      EXPECT_TRUE(state.ProjectActive) << where;
      EXPECT_TRUE(state.ProjectModified) << where;
      EXPECT_EQ(state.ProjectFileName, f.fileName) << where;
      EXPECT_EQ(session.header.projectName, "Unsaved plant") << where;
      EXPECT_EQ(ui.openDialogs, 0) << where;
      EXPECT_FALSE(exitAllowed) << where;
    }
  }
  EXPECT_EQ(state.ProjectType, 0) << "no new project was started";
  EXPECT_TRUE(fs::is_fifo(path("pipe.ESEProj")));
  EXPECT_EQ(messages.shown.back().text, "FILE ERROR !");
}

TEST_F(LifecycleTest, FileDialogsStartInTheProjectsFolderNeverTheProgramsOwn) {
  state.ProgramFolder = path("program");
  state.DocumentsFolder = path("Documents");
  for (const char* folder : {"program", "Documents", "projects", "elsewhere"}) {
    fs::create_directories(path(folder));
  }
  lifecycle.Open_Project();
  EXPECT_EQ(ui.openFolder, path("Documents")) << "nothing used yet";

  startSingle();
  ui.saveAnswer = path("projects/Plant");
  ASSERT_TRUE(lifecycle.Save_As());
  EXPECT_EQ(ui.saveFolder, path("Documents"));
  messages.answer = MessageAnswer::Yes;  // replace it
  ASSERT_TRUE(lifecycle.Save_As());
  EXPECT_EQ(ui.saveFolder, path("projects")) << "the project file's folder";

  // With the project closed, the folder used last; a project file elsewhere wins again.
  lifecycle.Close_Project();
  lifecycle.Open_Project();
  EXPECT_EQ(ui.openFolder, path("projects"));
  state.ProjectFileName = path("elsewhere/Other.ESEProj");
  lifecycle.Open_Project();
  EXPECT_EQ(ui.openFolder, path("elsewhere"));

  // The next run starts where the newest recent project lives; a folder
  // that is gone is passed over.
  RunState next;
  next.ProgramFolder = state.ProgramFolder;
  next.DocumentsFolder = state.DocumentsFolder;
  next.RecentProjects[0] = path("projects/Plant.ESEProj");
  ProjectLifecycle later(session, next, ui);
  EXPECT_EQ(later.Dialog_Folder(), path("projects"));
  next.ProjectFileName = path("removed/Plant.ESEProj");
  next.RecentProjects[0] = path("removed/Plant.ESEProj");
  EXPECT_EQ(later.Dialog_Folder(), path("Documents"));
}

TEST_F(LifecycleTest, OpeningProjects) {
  KORVANE_SKIP_WITHOUT_SAMPLES();
  ui.openAnswer.reset();
  state.ProjectActive = true;
  lifecycle.Open_Project();
  EXPECT_FALSE(state.ProjectActive) << "a cancelled Open leaves no project";
  EXPECT_EQ(ui.openTitle, "Open KORVANE Energy Savings Estimator File");
  EXPECT_EQ(ui.openFilter, "Energy Files (*.ESEProj)");

  ui.openAnswer = (korvane::testing::kSamplesDir / "plant-4-systems.ESEProj").string();
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

TEST_F(LifecycleTest, RecoveryFilesNeverReplaceOneAnotherAndAreTheOwnersAlone) {
  EXPECT_FALSE(lifecycle.Write_Recovery_File().has_value()) << "nothing to keep";
  startSingle();
  session.header.projectName = "Unsaved plant";
  state.ProjectModified = true;

  // A project without a file goes to the data folder.
  const auto first = lifecycle.Write_Recovery_File();
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->parent_path(), dir / "data");
  EXPECT_EQ(first->filename().string().rfind("Unsaved project (recovered ", 0), 0u) << *first;
  EXPECT_NE(readBytes(*first).find("[PROJECT]\r\nUnsaved plant\r\n"), std::string::npos);

  // Again within the same second: a second file, the first one unchanged.
  session.header.projectName = "Changed since";
  const auto second = lifecycle.Write_Recovery_File();
  ASSERT_TRUE(second.has_value());
  EXPECT_NE(*second, *first);
  EXPECT_NE(readBytes(*first).find("Unsaved plant"), std::string::npos);
  EXPECT_NE(readBytes(*second).find("Changed since"), std::string::npos);

  // Beside the project's own file, and the data folder when that folder takes no file.
  fs::create_directories(path("projects"));
  state.ProjectFileName = path("projects/Plant.ESEProj");
  const auto beside = lifecycle.Write_Recovery_File();
  ASSERT_TRUE(beside.has_value());
  EXPECT_EQ(beside->parent_path(), dir / "projects");
  EXPECT_EQ(beside->filename().string().rfind("Plant (recovered ", 0), 0u) << *beside;
  state.ProjectFileName = path("removed/Plant.ESEProj");
  const auto fallback = lifecycle.Write_Recovery_File();
  ASSERT_TRUE(fallback.has_value());
  EXPECT_EQ(fallback->parent_path(), dir / "data");

  for (const fs::path& file : {*first, *second, *beside, *fallback}) {
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
  }
  EXPECT_EQ(ReadRecoveryIndex(dir / "data"),
            (std::vector<fs::path>{*first, *second, *beside, *fallback}));
}

TEST_F(LifecycleTest, TheNextStartOffersEachRecoveryFile) {
  startSingle();
  state.ProjectModified = true;
  const auto kept = lifecycle.Write_Recovery_File();
  const auto dropped = lifecycle.Write_Recovery_File();
  const auto vanished = lifecycle.Write_Recovery_File();
  const auto opened = lifecycle.Write_Recovery_File();
  ASSERT_TRUE(kept && dropped && vanished && opened);
  fs::remove(*vanished);

  // The next start, answered Cancel, No, Yes in turn.
  ScriptedMessages asked;
  asked.script = {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes};
  asked.answer = MessageAnswer::Cancel;
  MemorySettingsStore nextStore;
  EstimatorSession nextSession(asked, alert, exit, nextStore);
  ASSERT_TRUE(nextSession.Start());
  RunState next;
  next.DataFolder = state.DataFolder;
  ProjectLifecycle started(nextSession, next, ui);
  const int wizardsBefore = ui.wizards;
  started.Offer_Recovery_Files();

  ASSERT_EQ(asked.shown.size(), 3u) << "a file that is gone is not offered";
  EXPECT_EQ(asked.shown[0].text, RecoveryOffer(*kept));
  EXPECT_NE(asked.shown[0].text.find("unsaved changes"), std::string::npos);
  EXPECT_EQ(asked.shown[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(asked.shown[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_TRUE(fs::exists(*kept));
  EXPECT_FALSE(fs::exists(*dropped)) << "No discards the file";
  EXPECT_TRUE(next.ProjectActive);
  EXPECT_EQ(next.ProjectFileName, opened->string());
  EXPECT_EQ(ui.wizards, wizardsBefore + 1);
  EXPECT_EQ(ReadRecoveryIndex(dir / "data"), std::vector<fs::path>{*kept});

  // The one kept for later is offered again, and only that one.
  asked.shown.clear();
  started.Offer_Recovery_Files();
  ASSERT_EQ(asked.shown.size(), 1u);
  EXPECT_EQ(asked.shown[0].text, RecoveryOffer(*kept));
}

TEST_F(LifecycleTest, AFaultInAFixedTableKeepsTheUnsavedProject) {
  FakeProgramExit ended;
  RecoveringProgramExit recovering(ended, messages);
  MemorySettingsStore otherStore;
  EstimatorSession faulty(messages, alert, recovering, otherStore);
  ASSERT_TRUE(faulty.Start());
  ProjectLifecycle attached(faulty, state, ui);
  recovering.Attach(&attached);
  ui.typeDialog = [this] { SetUpMultiSystemProject(state); };
  attached.New_Project();
  faulty.header.projectName = "Work in progress";
  state.ProjectModified = true;

  TextField stray;  // a field of the wizard that belongs to no parameter
  faulty.catalogue.Initialize_Edit(stray, 0);
  ASSERT_EQ(ended.reasons.size(), 1u);
  const auto files = ReadRecoveryIndex(dir / "data");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_NE(readBytes(files[0]).find("Work in progress"), std::string::npos);
  EXPECT_EQ(messages.shown.back().text, RecoveryWrittenNotice(files[0]));
  EXPECT_EQ(messages.shown.back().kind, MessageKind::Information);

  // Without unsaved changes there is nothing to keep, and the end still comes.
  state.ProjectModified = false;
  RecoveringProgramExit clean(ended, messages);
  clean.Attach(&attached);
  clean.endProgram("fault");
  EXPECT_EQ(ended.reasons.size(), 2u);
  EXPECT_EQ(ReadRecoveryIndex(dir / "data").size(), 1u);
}

}  // namespace
}  // namespace korvane::shell
