#include "shell/ProjectTypeChoice.h"

#include <utility>

#include "model/FeatureSwitches.h"
#include "model/ResultSlots.h"

namespace korvane::shell {

std::vector<ApplicationEntry> ApplicationEntries() {
  std::vector<ApplicationEntry> entries;
  using model::ApplicationType;
  const std::pair<ApplicationType, model::FeatureBit> offered[] = {
      {ApplicationType::Fan, model::NoFan},
      {ApplicationType::Pump, model::NoPump},
      {ApplicationType::CoolingTower, model::NoCoolingTower},
  };
  for (auto [application, switchedOff] : offered) {
    if (model::FeatureOff(switchedOff)) continue;
    entries.push_back({model::GetApplicationName(application), application});
  }
  return entries;
}

bool SetUpSingleSystemProject(RunState& state, const ApplicationEntry* current) {
  if (current == nullptr) return false;
  state.ProjectType = model::ProjectType::SingleSystem;
  state.NewProjectPending = true;
  state.NewProjectApplication = current->application;
  return true;
}

bool SetUpMultiSystemProject(RunState& state) {
  state.ProjectType = model::ProjectType::MultiSystem;
  state.NewProjectPending = true;
  state.NewProjectApplication.reset();
  return true;
}

}  // namespace korvane::shell
