// libFuzzer target: any byte sequence as a project file, opened as the
// programs open it. Nothing may crash, hang or read out of bounds, and a file
// that opens must write and read back to the same project.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"

namespace {

class Silent : public korvane::MessageSink,
               public korvane::AlertSound,
               public korvane::ProgramExit {
 public:
  korvane::MessageAnswer show(korvane::MessageKind, std::string_view,
                              korvane::MessageButtons) override {
    return korvane::MessageAnswer::Ok;
  }
  void play() override {}
  void endProgram(std::string_view) override { __builtin_trap(); }
};

// A fresh session per input, so that no finding depends on the inputs before.
struct World {
  World() {
    if (!session.Start()) __builtin_trap();
  }
  Silent silent;
  korvane::MemorySettingsStore store;
  korvane::EstimatorSession session{silent, silent, silent, store};
};

std::string fileText(korvane::EstimatorSession& s) {
  return korvane::projectfile::Project_File_Text(
      {s.model.project, s.catalogue, s.values, s.header, "1/1/2026"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  World first;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!first.session.Open_Project_Text(bytes).opened) return 0;

  // What was read must compute without fault.
  auto& project = first.session.model.project;
  for (int i = 1; i <= project.SystemCount(); ++i) {
    (void)project.Get_System(i)->Payback(korvane::model::Case::Present);
  }
  (void)project.Project_Payback();

  // What was read must write, and the written file must read back the same.
  const std::string written = fileText(first.session);
  World second;
  if (!second.session.Open_Project_Text(written).opened) __builtin_trap();
  auto& again = second.session.model.project;
  if (again.SystemCount() != project.SystemCount()) __builtin_trap();
  for (int i = 1; i <= project.SystemCount(); ++i) {
    if (!again.Get_System(i)->Same_System(*project.Get_System(i))) __builtin_trap();
  }
  if (fileText(second.session) != written) __builtin_trap();
  return 0;
}
