#include <benchmark/benchmark.h>

#include "model/EnergyModel.h"
#include "model/ResultSlots.h"

namespace {

using namespace korvane::model;

constexpr double kOutletDamper[10] = {1,      0.7683, 0.5725, 0.4098, 0.2789,
                                      0.1767, 0.1012, 0.049,  0.0179, 0.0033};
constexpr double kThrottlingValve[10] = {1,      0.7683, 0.5725, 0.4098, 0.2789,
                                         0.1767, 0.1012, 0.049,  0.0179, 0.0033};

// A full project: 250 systems, fans with dampers and pumps with valves, each
// with its own motor.
void fillProject(EnergyModel& model) {
  auto& project = model.project;
  for (int p = 1; p <= 10; ++p) {
    for (int a = 1; a <= 3; ++a) project.Set_Curve(a, 1, p, 97);
    project.Set_Curve(1, 4, p, kOutletDamper[p - 1]);
    project.Set_Curve(2, 3, p, kThrottlingValve[p - 1]);
  }
  project.Set_Co2Coal(0.705);
  project.Set_System_Count(kMaxSystems);
  for (int i = 1; i <= kMaxSystems; ++i) {
    auto* s = project.Get_System(i);
    const bool fan = i % 2 == 0;  // fans with dampers, pumps with valves
    s->Set_ApplicationType(fan ? ApplicationType::Fan : ApplicationType::Pump);
    s->Set_FlowControl(fan ? FlowControl::OutletDamper : FlowControl::InletVaneOrValve);
    s->Set_MotorHp(static_cast<float>(5 + i));
    s->Set_MotorEfficiency(93);
    s->Set_HoursPerDay(24);
    s->Set_DaysPerWeek(7);
    s->Set_WeeksPerYear(52);
    s->Set_EnergyRate(0.12f);
    s->Set_DemandCharge(8);
    s->Set_DriveCost(static_cast<float>(1000 + 40 * i));
  }
  project.Reprepare_All();
}

// A shared setting changes: every system is prepared again.
void BM_ReprepareAllAfterSharedSettingChange(benchmark::State& state) {
  EnergyModel model;
  fillProject(model);
  double factor = 0.5;
  for (auto _ : state) {
    factor = factor == 0.5 ? 0.6 : 0.5;
    model.project.Set_Co2Coal(factor);
  }
}
BENCHMARK(BM_ReprepareAllAfterSharedSettingChange);

// Everything discarded, then every slot of every system and the project
// totals computed again: what the result pages and the report need.
void BM_RecomputeWholeProject(benchmark::State& state) {
  EnergyModel model;
  fillProject(model);
  ResultDisplay display;
  ResultSlotTable slots;
  double factor = 0.5;
  for (auto _ : state) {
    factor = factor == 0.5 ? 0.6 : 0.5;
    model.project.Set_Co2Coal(factor);
    for (int i = 1; i <= kMaxSystems; ++i) Write_System_Slots(model.project, i, display, slots);
    benchmark::DoNotOptimize(slots.Text(ResultSlot::ProjectPayback));
  }
}
BENCHMARK(BM_RecomputeWholeProject)->Unit(benchmark::kMillisecond);

// One field of one system edited: that system and the project totals again.
void BM_RecomputeAfterOneEdit(benchmark::State& state) {
  EnergyModel model;
  fillProject(model);
  ResultDisplay display;
  ResultSlotTable slots;
  for (int i = 1; i <= kMaxSystems; ++i) Write_System_Slots(model.project, i, display, slots);
  float rate = 0.12f;
  for (auto _ : state) {
    rate = rate == 0.12f ? 0.13f : 0.12f;
    model.project.Get_System(100)->Set_EnergyRate(rate);
    Write_System_Slots(model.project, 100, display, slots);
    benchmark::DoNotOptimize(slots.Text(ResultSlot::ProjectPayback));
  }
}
BENCHMARK(BM_RecomputeAfterOneEdit)->Unit(benchmark::kMicrosecond);

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
