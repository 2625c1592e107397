#pragma once

#include "model/TVexEnergyProjectAnalysis.h"
#include "model/TVexEnergySystem.h"

namespace korvane::model {

// The model as it exists from start-up to exit: the system editor's scratch
// record and the one project with its 250 systems, all at their start-up
// defaults. (The project-file reader keeps its own work record.)
struct EnergyModel {
  EnergyModel() { project.Set_Startup_Defaults(); }

  TVexEnergySystem editorRecord;
  TVexEnergyProjectAnalysis project;
};

}  // namespace korvane::model
