#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvane::cli {

enum ExitCode : int { kOk = 0, kRejected = 1, kUsage = 2 };

struct BatchOptions {
  std::string command;  // check, calc, resave
  std::string input;
  std::string output;  // resave only
  bool json = false;
  std::optional<std::string> settingsPath;
  std::optional<std::string> locale;
};

// Parses the command line; nullopt (after printing why) on a usage error.
// Sets done when --help or --version answered already.
std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& args, bool& done);

int RunBatch(const BatchOptions& options);

}  // namespace korvane::cli
