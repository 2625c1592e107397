#include "shell/ProjectTypeChoice.h"

#include "model/FeatureSwitches.h"
#include "model/ResultSlots.h"

namespace korvane::shell {

std::vector<ApplicationEntry> ApplicationEntries() {
  std::vector<ApplicationEntry> entries;
  const int switches[] = {model::NoFan, model::NoPump, model::NoCoolingTower};
  for (int application = 0; application < 3; ++application) {
    if (model::FeatureOff(switches[application])) continue;
    entries.push_back({model::GetApplicationName(application), application});
  }
  return entries;
}

bool SetUpSingleSystemProject(RunState& state, const ApplicationEntry* current) {
  if (current == nullptr) return false;
  state.ProjectType = 0;
  state.NewProjectPending = true;
  state.NewProjectApplication = current->application;
  return true;
}

bool SetUpMultiSystemProject(RunState& state) {
  state.ProjectType = 1;
  state.NewProjectPending = true;
  state.NewProjectApplication = -1;
  return true;
}

}  // namespace korvane::shell
