#pragma once

#include "model/TVexEnergyProjectAnalysis.h"
#include "model/TVexEnergySystem.h"

namespace korvane::model {

// The model as it exists from start-up to exit: the system editor's scratch
// record, the project-file reader's work record and the one project with its
// 250 systems, all at their start-up defaults.
struct EnergyModel {
  EnergyModel() { project.Set_Startup_Defaults(); }

  TVexEnergySystem editorRecord;
  TVexEnergySystem readerRecord;
  TVexEnergyProjectAnalysis project;
};

}  // namespace korvane::model
