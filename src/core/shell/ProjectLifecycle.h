#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/RunState.h"

namespace korvane {
class EstimatorSession;
struct OpenOutcome;
}  // namespace korvane

namespace korvane::shell {

// What the lifecycle needs from the main window: file dialogs, the other
// windows, and places to show the state. Tests fake it.
class LifecycleUi {
 public:
  virtual ~LifecycleUi() = default;
  // Nothing when the user cancelled. Filters are "Description (*.ext)".
  virtual std::optional<std::string> Ask_Open_Path(std::string_view title, std::string_view filter,
                                                   const std::string& folder) = 0;
  virtual std::optional<std::string> Ask_Save_Path(std::string_view title, std::string_view filter,
                                                   const std::string& folder,
                                                   const std::string& proposedName) = 0;
  virtual void Show_Project_Type_Dialog() = 0;
  // Opens the estimation wizard modally on the active project.
  virtual void Show_Wizard() = 0;
  virtual void Set_Caption(const std::string& caption) = 0;
  virtual void Update_Status_Bar() = 0;
  // The recent-project entries to show; empty ones are hidden.
  virtual void Show_Recent_Projects(const std::array<std::string, 4>& entries) = 0;
  // Today's date in the user's short format, for the file's DATE line.
  virtual std::string Today() = 0;
};

// The project lifecycle of the main window: New, Open, Save, Save As, Close,
// Active Project, the recent-project list and the save prompt.
class ProjectLifecycle {
 public:
  ProjectLifecycle(EstimatorSession& session, RunState& state, LifecycleUi& ui);

  // True when the caller may go on (nothing to save, saved, or not wanted).
  bool PromptSaveActiveProject();
  void New_Project();
  void Open_Project();
  // Opens a recent entry or the file named on the command line.
  void OpenProjectFile(const std::string& path);
  void Reopen_Recent(int entry);
  // True when the project was written.
  bool Save();
  bool Save_As();
  void Close_Project();
  void Active_Project();
  bool May_Exit() { return PromptSaveActiveProject(); }

  void Load_Recent_Projects();
  void AddRecentProject(const std::string& path);
  void RefreshRecentProjects();

  // Status bar panels 1 to 3.
  std::string Status_Project_Name() const;
  std::string Status_Project_Type() const;
  std::string Status_Active() const;

  // The name Save As writes to: any extension replaced by ".ESEProj". Sets
  // warn when the name had another extension.
  static std::string Save_As_File_Name(const std::string& chosen, bool& warn);

  // Where Open and Save As start: the current project file's folder, else the
  // folder last used, else the user's documents; never the program's folder.
  std::string Dialog_Folder() const;

  // After a fault that ends the program: the project with unsaved changes
  // kept in a new recovery file (see RecoveryFiles.h). The path written, or
  // nothing.
  std::optional<std::filesystem::path> Write_Recovery_File();
  // At start-up: offers each recovery file found to be opened or discarded.
  void Offer_Recovery_Files();

  // The wizard's part: the systems in the order its tree lists them, asked
  // before every write, and its own fields loaded after a project was read.
  std::function<std::vector<int>()> TreeOrder;
  std::function<void(const OpenOutcome&)> ProjectRead;

 private:
  bool writeTo(const std::string& path);
  void rememberFolder(const std::string& chosen);
  bool mayWrite();
  bool afterRead(const std::string& path, bool reloadPreferences, bool addRecent);

  EstimatorSession& session_;
  RunState& state_;
  LifecycleUi& ui_;
};

}  // namespace korvane::shell
