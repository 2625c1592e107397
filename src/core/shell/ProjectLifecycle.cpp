#include "shell/ProjectLifecycle.h"

#include <algorithm>
#include <ctime>
#include <system_error>
#include <vector>

#include "model/FeatureSwitches.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"
#include "shell/ProjectTypeChoice.h"
#include "shell/RecoveryFiles.h"
#include "text/Ascii.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

namespace korvane::shell {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSavePrompt = "Save active project?";
constexpr std::string_view kNoProjectToSave =
    "There is currently no project active. Start a new project by clicking on the \"New Project\" "
    "button.";
constexpr std::string_view kNoSystems = "This project does not contain any systems!";
constexpr std::string_view kProjectSaved = "Project Saved!";
constexpr std::string_view kExtensionChanged =
    "The Extension specified does not match the program's file extension, the program will "
    "automatically update the specified extension to the correct extension.";
constexpr std::string_view kAlreadyExists = " already exists!";
constexpr std::string_view kReplaceIt = "Do you want to replace it";
constexpr std::string_view kStartNewProject =
    "There is currently no project active. Would you like to start a new project?";
constexpr std::string_view kFileDoesNotExist = "File does not exist!";
constexpr std::string_view kOpenTitle = "Open KORVANE Energy Savings Estimator File";
constexpr std::string_view kOpenFilter = "Energy Files (*.ESEProj)";
constexpr std::string_view kSaveTitle = "Save KORVANE Energy File File";
constexpr std::string_view kSaveFilter = "KORVANE Energy File Files (*.ESEProj)";
constexpr std::string_view kProposedName = "KORVANE Energy Project";
constexpr size_t kStatusNameLength = 32;

}  // namespace

ProjectLifecycle::ProjectLifecycle(EstimatorSession& session, RunState& state, LifecycleUi& ui)
    : session_(session), state_(state), ui_(ui) {}

bool ProjectLifecycle::PromptSaveActiveProject() {
  if (!state_.ProjectActive || !state_.ProjectModified) return true;
  const MessageAnswer answer =
      session_.messages.show(MessageKind::Confirmation, kSavePrompt, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) return false;
  // Going on after a cancelled or failed save would drop the project the
  // user just asked to keep.
  if (answer == MessageAnswer::Yes) return Save();
  return true;
}

void ProjectLifecycle::New_Project() {
  if (!PromptSaveActiveProject()) return;
  state_.ProjectFileName.clear();
  ui_.Set_Caption(std::string(kApplicationTitle));
  state_.ProjectActive = false;
  state_.NewProjectPending = false;
  if (model::FeatureOff(model::SingleSystemOnly)) {
    const auto entries = ApplicationEntries();
    SetUpSingleSystemProject(state_, entries.empty() ? nullptr : &entries.front());
  } else {
    ui_.Show_Project_Type_Dialog();
  }
  if (!state_.NewProjectPending) {
    ui_.Update_Status_Bar();
    return;
  }
  state_.ResumeProject = false;
  state_.ProjectActive = true;
  session_.model.project.Set_System_Count(0);
  state_.ProjectModified = false;
  session_.header.Clear_Customer_Information();
  session_.header.systemOrder.clear();
  session_.header.projectType = state_.ProjectType.value_or(model::ProjectType::SingleSystem);
  ui_.Show_Wizard();
  ui_.Update_Status_Bar();
}

bool ProjectLifecycle::afterRead(const std::string& path, bool reloadPreferences, bool addRecent) {
  const OpenOutcome outcome = session_.Open_Project_File(path);
  if (!outcome.opened) {
    // Nothing was opened: no project, and a caption that says so too.
    state_.ProjectActive = false;
    state_.ProjectFileName.clear();
    ui_.Set_Caption(std::string(kApplicationTitle));
    return false;
  }
  state_.ProjectActive = true;
  state_.ProjectFileName = path;
  state_.ResumeProject = true;
  state_.ProjectType = outcome.projectType;
  state_.ProjectModified = false;
  if (reloadPreferences) session_.procedures.Load_OPT();
  ui_.Set_Caption(std::string(kApplicationTitle) + ": " + fs::path(path).filename().string());
  if (ProjectRead) ProjectRead(outcome);
  state_.ProjectModified = false;
  ui_.Show_Wizard();
  if (addRecent) AddRecentProject(path);
  return true;
}

void ProjectLifecycle::Open_Project() {
  if (!PromptSaveActiveProject()) return;
  state_.ProjectActive = false;
  ui_.Update_Status_Bar();
  const auto path = ui_.Ask_Open_Path(kOpenTitle, kOpenFilter, Dialog_Folder());
  if (!path) return;
  rememberFolder(*path);
  afterRead(*path, false, true);
  ui_.Update_Status_Bar();
}

void ProjectLifecycle::OpenProjectFile(const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) {
    session_.messages.show(MessageKind::Error, kFileDoesNotExist, MessageButtons::Ok);
    return;
  }
  afterRead(path, true, false);
  ui_.Update_Status_Bar();
}

void ProjectLifecycle::Reopen_Recent(int entry) {
  if (entry < 1 || entry > 4) return;
  if (!PromptSaveActiveProject()) return;
  state_.ProjectActive = false;
  OpenProjectFile(state_.RecentProjects[static_cast<size_t>(entry - 1)]);
  ui_.Update_Status_Bar();
}

bool ProjectLifecycle::mayWrite() {
  if (!state_.ProjectActive) {
    session_.messages.show(MessageKind::Information, kNoProjectToSave, MessageButtons::Ok);
    return false;
  }
  if (state_.ProjectType == model::ProjectType::MultiSystem &&
      session_.model.project.SystemCount() == 0) {
    session_.messages.show(MessageKind::Confirmation, kNoSystems, MessageButtons::Ok);
    return false;
  }
  return true;
}

bool ProjectLifecycle::writeTo(const std::string& path) {
  session_.header.projectType = state_.ProjectType.value_or(model::ProjectType::SingleSystem);
  if (TreeOrder) session_.header.systemOrder = TreeOrder();
  const projectfile::ProjectFileSources sources{session_.model.project, session_.catalogue,
                                                session_.values, session_.header, ui_.Today()};
  // A failed save has said so ("FILE ERROR !") and leaves the project modified.
  if (!projectfile::WriteProjectFile(path, sources, session_.messages)) return false;
  session_.messages.show(MessageKind::Information, kProjectSaved, MessageButtons::Ok);
  state_.ProjectModified = false;
  return true;
}

bool ProjectLifecycle::Save() {
  if (!mayWrite()) return false;
  if (state_.ProjectFileName.empty()) return Save_As();
  const bool saved = writeTo(state_.ProjectFileName);
  ui_.Update_Status_Bar();
  return saved;
}

std::string ProjectLifecycle::Save_As_File_Name(const std::string& chosen, bool& warn) {
  fs::path path(chosen);
  const std::string extension = path.extension().string();
  warn = !extension.empty() && text::lowerAscii(extension) != text::lowerAscii(".ESEProj");
  path.replace_extension(".ESEProj");
  return path.string();
}

bool ProjectLifecycle::Save_As() {
  if (!mayWrite()) return false;
  const std::string proposed = state_.ProjectFileName.empty()
                                   ? std::string(kProposedName)
                                   : fs::path(state_.ProjectFileName).stem().string();
  const auto chosen = ui_.Ask_Save_Path(kSaveTitle, kSaveFilter, Dialog_Folder(), proposed);
  if (!chosen) {
    ui_.Update_Status_Bar();
    return false;
  }
  rememberFolder(*chosen);
  bool warn = false;
  const std::string path = Save_As_File_Name(*chosen, warn);
  if (warn) session_.messages.show(MessageKind::Warning, kExtensionChanged, MessageButtons::Ok);
  std::error_code error;
  if (fs::exists(path, error)) {
    const std::string question =
        path + std::string(kAlreadyExists) + "\n" + std::string(kReplaceIt);
    if (session_.messages.show(MessageKind::Warning, question, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
      ui_.Update_Status_Bar();
      return false;
    }
  }
  const bool saved = writeTo(path);
  if (saved) {
    AddRecentProject(path);
    state_.ProjectFileName = path;
    ui_.Set_Caption(std::string(kApplicationTitle) + ": " + fs::path(path).filename().string());
  }
  ui_.Update_Status_Bar();
  return saved;
}

void ProjectLifecycle::Close_Project() {
  if (!PromptSaveActiveProject()) return;
  state_.ProjectFileName.clear();
  ui_.Set_Caption(std::string(kApplicationTitle));
  state_.ProjectActive = false;
  state_.ProjectModified = false;
  ui_.Update_Status_Bar();
}

void ProjectLifecycle::Active_Project() {
  if (state_.ProjectActive) {
    state_.ResumeProject = true;
    ui_.Show_Wizard();
  } else if (session_.messages.show(MessageKind::Confirmation, kStartNewProject,
                                    MessageButtons::YesCancel) == MessageAnswer::Yes) {
    New_Project();
  }
  ui_.Update_Status_Bar();
}

void ProjectLifecycle::Load_Recent_Projects() {
  for (size_t i = 0; i < settings::kRecentProjects.size(); ++i) {
    state_.RecentProjects[i] = settings::kRecentProjects[i].read(session_.store);
  }
}

void ProjectLifecycle::AddRecentProject(const std::string& path) {
  auto& r = state_.RecentProjects;
  r[3] = r[2];
  r[2] = r[1];
  r[1] = r[0];
  r[0] = path;
  for (size_t i = 0; i < settings::kRecentProjects.size(); ++i) {
    settings::kRecentProjects[i].write(session_.store, r[i]);
  }
  RefreshRecentProjects();
}

void ProjectLifecycle::RefreshRecentProjects() {
  auto& r = state_.RecentProjects;
  for (size_t i = 0; i < r.size(); ++i) {
    for (size_t j = 0; j < r.size(); ++j) {
      if (j != i && r[j] == r[i]) r[j].clear();
    }
  }
  std::array<std::string, 4> shown;
  for (size_t i = 0; i < r.size(); ++i) {
    std::error_code error;
    if (!r[i].empty() && fs::is_regular_file(r[i], error)) shown[i] = r[i];
  }
  ui_.Show_Recent_Projects(shown);
}

std::string ProjectLifecycle::Status_Project_Name() const {
  const std::string& name = session_.header.projectName;
  if (name.empty()) return "Project Name: <No Name>";
  const std::string cut = text::utf8Prefix(name, kStatusNameLength);
  return "Project Name: " + cut + (cut.size() < name.size() ? "..." : "");
}

std::string ProjectLifecycle::Status_Project_Type() const {
  if (state_.ProjectActive && state_.ProjectType == model::ProjectType::SingleSystem)
    return "Project Type: Single System Project";
  if (state_.ProjectActive && state_.ProjectType == model::ProjectType::MultiSystem)
    return "Project Type: Multi System Project";
  return "Project Type: <Not Defined>";
}

std::string ProjectLifecycle::Status_Active() const {
  return state_.ProjectActive ? "Active" : "Not Active";
}

void ProjectLifecycle::rememberFolder(const std::string& chosen) {
  state_.LastFolder = fs::path(chosen).parent_path().string();
}

std::string ProjectLifecycle::Dialog_Folder() const {
  const auto folderOf = [](const std::string& file) {
    return file.empty() ? std::string() : fs::path(file).parent_path().string();
  };
  // The newest recent project stands for the folder used in an earlier run.
  for (const std::string& folder :
       {folderOf(state_.ProjectFileName), state_.LastFolder, folderOf(state_.RecentProjects[0])}) {
    std::error_code error;
    if (!folder.empty() && fs::is_directory(folder, error)) return folder;
  }
  return state_.DocumentsFolder;
}

std::optional<fs::path> ProjectLifecycle::Write_Recovery_File() {
  if (!state_.ProjectActive || !state_.ProjectModified) return std::nullopt;
  session_.header.projectType = state_.ProjectType.value_or(model::ProjectType::SingleSystem);
  if (TreeOrder) session_.header.systemOrder = TreeOrder();
  const projectfile::ProjectFileSources sources{session_.model.project, session_.catalogue,
                                                session_.values, session_.header, ui_.Today()};
  const std::string bytes = text::utf8ToCp1252(projectfile::Project_File_Text(sources));

  std::vector<fs::path> folders;
  std::string stem(kUnsavedProjectStem);
  if (!state_.ProjectFileName.empty()) {
    const fs::path own(state_.ProjectFileName);
    folders.push_back(own.parent_path());
    stem = own.stem().string();
  }
  if (!state_.DataFolder.empty()) {
    std::error_code error;
    fs::create_directories(state_.DataFolder, error);
    folders.emplace_back(state_.DataFolder);
  }
  auto written = WriteRecoveryFile(folders, stem, bytes, std::time(nullptr));
  if (written && !state_.DataFolder.empty()) AddToRecoveryIndex(state_.DataFolder, *written);
  return written;
}

void ProjectLifecycle::Offer_Recovery_Files() {
  if (state_.DataFolder.empty()) return;
  const fs::path data(state_.DataFolder);
  for (const fs::path& file : ReadRecoveryIndex(data)) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
      RemoveFromRecoveryIndex(data, file);
      continue;
    }
    const MessageAnswer answer = session_.messages.show(
        MessageKind::Confirmation, RecoveryOffer(file), MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel) continue;
    if (answer == MessageAnswer::No) {
      fs::remove(file, error);
      RemoveFromRecoveryIndex(data, file);
      continue;
    }
    // One project at a time: the others wait for the next start.
    if (!PromptSaveActiveProject()) return;
    RemoveFromRecoveryIndex(data, file);
    state_.ProjectActive = false;
    OpenProjectFile(file.string());
    return;
  }
}

}  // namespace korvane::shell
