#include "shell/RecoveryFiles.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/MessageSink.h"
#include "projectfile/FileReplace.h"
#include "shell/ProjectLifecycle.h"

namespace korvane::shell {

namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;
constexpr std::string_view kWrittenNotice = "Your unsaved changes were written to:\n";
constexpr std::string_view kOfferLead =
    "The program ended unexpectedly while a project had unsaved changes. They were kept in:\n";
constexpr std::string_view kOfferQuestion =
    "\n\nOpen this project now? No discards the file; Cancel keeps it and asks again at the next "
    "start.";

fs::path indexOf(const fs::path& dataFolder) {
  return dataFolder / kRecoveryIndexName;
}

bool writeIndex(const fs::path& dataFolder, const std::vector<fs::path>& files) {
  std::error_code error;
  if (files.empty()) return fs::remove(indexOf(dataFolder), error) || !error;
  std::string text;
  for (const fs::path& file : files) text += file.string() + "\n";
  return !projectfile::ReplaceFile(indexOf(dataFolder), text, {.ownerOnly = true});
}

}  // namespace

std::string RecoveryFileName(std::string_view stem, std::time_t when, int attempt) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H.%M.%S", &local);
  std::string name = std::string(stem) + " (recovered " + stamp;
  if (attempt > 1) name += " " + std::to_string(attempt);
  return name + ").ESEProj";
}

std::optional<fs::path> WriteRecoveryFile(const std::vector<fs::path>& folders,
                                          std::string_view stem, std::string_view bytes,
                                          std::time_t when) {
  for (const fs::path& folder : folders) {
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
      const fs::path file = folder / RecoveryFileName(stem, when, attempt);
      const std::error_code error =
          projectfile::ReplaceFile(file, bytes, {.ownerOnly = true, .keepExisting = true});
      if (!error) return fs::absolute(file);
      // Any other failure means this folder takes no file: try the next.
      if (error != std::errc::file_exists) break;
    }
  }
  return std::nullopt;
}

std::vector<fs::path> ReadRecoveryIndex(const fs::path& dataFolder) {
  std::vector<fs::path> files;
  std::ifstream in(indexOf(dataFolder), std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) files.emplace_back(line);
  }
  return files;
}

bool AddToRecoveryIndex(const fs::path& dataFolder, const fs::path& file) {
  std::error_code error;
  fs::create_directories(dataFolder, error);
  std::vector<fs::path> files = ReadRecoveryIndex(dataFolder);
  files.push_back(file);
  return writeIndex(dataFolder, files);
}

void RemoveFromRecoveryIndex(const fs::path& dataFolder, const fs::path& file) {
  std::vector<fs::path> files = ReadRecoveryIndex(dataFolder);
  files.erase(std::remove(files.begin(), files.end(), file), files.end());
  writeIndex(dataFolder, files);
}

std::string RecoveryWrittenNotice(const fs::path& file) {
  return std::string(kWrittenNotice) + file.string();
}

std::string RecoveryOffer(const fs::path& file) {
  return std::string(kOfferLead) + file.string() + std::string(kOfferQuestion);
}

void RecoveringProgramExit::endProgram(std::string_view reason) {
  // Writing the recovery file could meet the same fault again.
  if (!ending_ && lifecycle_) {
    ending_ = true;
    if (auto file = lifecycle_->Write_Recovery_File()) {
      messages_.information(RecoveryWrittenNotice(*file));
    }
  }
  inner_.endProgram(reason);
}

}  // namespace korvane::shell
