#include <benchmark/benchmark.h>

#include "model/EnergyModel.h"

namespace {

using korvane::model::EnergyModel;
using korvane::model::kMaxSystems;

// A full project: every system defined, half fans with dampers, half pumps.
void fillProject(EnergyModel& model) {
  auto& project = model.project;
  project.Set_System_Count(kMaxSystems);
  for (int i = 1; i <= kMaxSystems; ++i) {
    auto* system = project.Get_System(i);
    system->Set_ApplicationType(i % 2);
    system->Set_FlowControl(i % 2 == 0 ? 1 : 0);
    system->Set_MotorHp(static_cast<float>(5 + i));
  }
  project.Reprepare_All();
}

// A shared setting changes: every system is prepared again.
void BM_RepareAllAfterSharedSettingChange(benchmark::State& state) {
  EnergyModel model;
  fillProject(model);
  double factor = 0.5;
  for (auto _ : state) {
    factor = factor == 0.5 ? 0.6 : 0.5;
    model.project.Set_Co2Coal(factor);
  }
}
BENCHMARK(BM_RepareAllAfterSharedSettingChange);

// The system editor stores one system: compare, then copy with notifications.
void BM_StoreEditorIntoSystem(benchmark::State& state) {
  EnergyModel model;
  fillProject(model);
  auto* target = model.project.Get_System(1);
  model.editorRecord.Copy_System(*target);
  float power = 10;
  for (auto _ : state) {
    power = power == 10 ? 11 : 10;
    model.editorRecord.Set_MotorHp(power);
    if (!target->Same_System(model.editorRecord)) target->Copy_System(model.editorRecord);
  }
}
BENCHMARK(BM_StoreEditorIntoSystem);

}  // namespace
