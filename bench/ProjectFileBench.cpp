#include <benchmark/benchmark.h>

#include <sstream>

#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"
#include "text/Cp1252.h"

namespace {

using namespace korvane;

class Quiet : public MessageSink, public AlertSound, public ProgramExit {
 public:
  MessageAnswer show(MessageKind, std::string_view, MessageButtons) override {
    return MessageAnswer::Ok;
  }
  void play() override {}
  void endProgram(std::string_view) override {}
};

// A session holding a project of 250 systems, all fields filled.
struct FullProject {
  FullProject() {
    session.Start();
    auto& project = session.model.project;
    project.Set_System_Count(model::kMaxSystems);
    for (int i = 1; i <= model::kMaxSystems; ++i) {
      auto& s = *project.Get_System(i);
      s.Set_Identification("System " + std::to_string(i));
      s.Set_ApplicationType(i % 2);
      s.Set_FlowControl(i % 2 == 0 ? 1 : 0);
      s.Set_MotorHp(static_cast<float>(5 + i));
      s.Set_MotorEfficiency(93.5f);
      s.Set_HoursPerDay(24);
      s.Set_DaysPerWeek(7);
      s.Set_WeeksPerYear(52);
      s.Set_EnergyRate(0.12f);
      s.Set_DriveCost(static_cast<float>(1000 + 40 * i));
      s.Set_CatalogNumber("KV-" + std::to_string(i));
    }
    session.header.projectType = 1;
    session.header.utilityName = "Riverside Electric";
  }
  std::string text() {
    return projectfile::Project_File_Text(
        {session.model.project, session.catalogue, session.values, session.header, "1/1/2026"});
  }

  Quiet quiet;
  MemorySettingsStore store;
  EstimatorSession session{quiet, quiet, quiet, store};
};

void BM_WriteProject250(benchmark::State& state) {
  FullProject full;
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string file = text::utf8ToCp1252(full.text());
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteProject250)->Unit(benchmark::kMillisecond);

// Opening as the programs do: one read, the checks, then the project applied.
void BM_OpenProject250(benchmark::State& state) {
  FullProject full;
  const std::string file = text::utf8ToCp1252(full.text());
  Quiet quiet;
  MemorySettingsStore store;
  EstimatorSession session{quiet, quiet, quiet, store};
  session.Start();
  for (auto _ : state) {
    if (!session.Open_Project_Text(file).opened) state.SkipWithError("the project did not open");
  }
}
BENCHMARK(BM_OpenProject250)->Unit(benchmark::kMillisecond);

}  // namespace
