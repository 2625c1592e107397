#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProgramExit.h"

namespace korvane {
class MessageSink;
}

namespace korvane::shell {

class ProjectLifecycle;

// A recovery file goes beside the project's own file, or into the user's data
// folder when the project has no file yet or its folder takes no new file.
// Wherever it went, the data folder's index lists it, so that the next start
// can offer it; an entry leaves the index once the file is opened or
// discarded.
inline constexpr std::string_view kRecoveryIndexName = "recovered-projects.txt";
inline constexpr std::string_view kUnsavedProjectStem = "Unsaved project";

// "Plant (recovered 2026-12-11 16.20.05).ESEProj"; attempts after the first
// add " 2", " 3" … so an earlier recovery file is never replaced.
std::string RecoveryFileName(std::string_view stem, std::time_t when, int attempt);

// Writes bytes to a new recovery file (owner only) in the first folder that
// takes it. The path written, or nothing.
std::optional<std::filesystem::path> WriteRecoveryFile(
    const std::vector<std::filesystem::path>& folders, std::string_view stem,
    std::string_view bytes, std::time_t when);

// The recovery files listed in the data folder's index, oldest first.
std::vector<std::filesystem::path> ReadRecoveryIndex(const std::filesystem::path& dataFolder);
bool AddToRecoveryIndex(const std::filesystem::path& dataFolder, const std::filesystem::path& file);
void RemoveFromRecoveryIndex(const std::filesystem::path& dataFolder,
                             const std::filesystem::path& file);

// Told after the program failed, once the unsaved project was kept.
std::string RecoveryWrittenNotice(const std::filesystem::path& file);
// The question at start-up for a recovery file found.
std::string RecoveryOffer(const std::filesystem::path& file);

// Ends the program like the one it wraps, but first keeps the unsaved
// project of the lifecycle attached (if any) in a recovery file and says
// where it went.
class RecoveringProgramExit : public ProgramExit {
 public:
  RecoveringProgramExit(ProgramExit& inner, MessageSink& messages)
      : inner_(inner), messages_(messages) {}
  void Attach(ProjectLifecycle* lifecycle) { lifecycle_ = lifecycle; }
  void endProgram(std::string_view reason) override;

 private:
  ProgramExit& inner_;
  MessageSink& messages_;
  ProjectLifecycle* lifecycle_ = nullptr;
  bool ending_ = false;
};

}  // namespace korvane::shell
