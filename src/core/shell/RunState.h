#pragma once

#include <array>
#include <string>
#include <string_view>

namespace korvane::shell {

inline constexpr std::string_view kApplicationTitle = "KORVANE Energy Savings Estimator";
// The one version text: About, splash, the batch tool and project files.
inline constexpr std::string_view kProgramVersion = "0.01.00";

// The bookkeeping of the one project the program has open, shared by the
// main window, the wizard and the file reader. The number of systems lives in
// the project object.
struct RunState {
  bool ProjectActive = false;
  bool ProjectModified = false;
  int ProjectType = -1;  // 0 one system, 1 several; anything else: not defined
  std::string ProjectFileName;
  bool ResumeProject = false;
  bool NewProjectPending = false;
  int NewProjectApplication = -1;
  std::string ProgramFolder;
  // Where file dialogs start when there is no project file and no folder was
  // used yet, and the folder a file dialog last returned a file from.
  std::string DocumentsFolder;
  std::string LastFolder;
  // The user's data folder: recovery files of projects without a writable
  // folder of their own, and the index of all recovery files.
  std::string DataFolder;
  std::string StartupFile;
  std::array<std::string, 4> RecentProjects;  // H1 (newest) .. H4
  bool FirstRun = true;
};

}  // namespace korvane::shell
