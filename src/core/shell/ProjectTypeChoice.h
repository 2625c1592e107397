#pragma once

#include <string>
#include <vector>

#include "shell/RunState.h"

namespace korvane::shell {

// One entry of the new-project dialog's application list.
struct ApplicationEntry {
  std::string name;
  model::ApplicationType application;
};

// "Fan", "Pump", "Cooling Tower", without the ones the edition leaves out.
std::vector<ApplicationEntry> ApplicationEntries();

// The new-project dialog's two starts. The single-system start needs a
// current list entry (nullptr: nothing starts).
bool SetUpSingleSystemProject(RunState& state, const ApplicationEntry* current);
bool SetUpMultiSystemProject(RunState& state);

}  // namespace korvane::shell
