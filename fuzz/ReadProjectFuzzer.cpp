// libFuzzer target: any byte sequence as a project file, opened as the
// programs open it. Nothing may crash, hang or read out of bounds, and a file
// that opens must write and read back to the same project.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"
#include "text/Cp1252.h"

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

// The bytes a save writes (Windows-1252).
std::string fileText(korvane::EstimatorSession& s) {
  return korvane::text::utf8ToCp1252(korvane::projectfile::Project_File_Text(
      {s.model.project, s.catalogue, s.values, s.header, "1/1/2026"}));
}

// A finding: what went wrong, then the crash that makes libFuzzer keep the input.
[[noreturn]] void finding(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "finding: %s\n%s\n", what, detail.c_str());
  __builtin_trap();
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

  // What was read must write, and the written file must open. Values are
  // written with their fixed decimals, so from then on a project must come
  // back exactly: the same systems, and the same file written again.
  const std::string written = fileText(first.session);
  World second;
  const auto reopened = second.session.Open_Project_Text(written);
  if (!reopened.opened) {
    finding("the written file does not open", reopened.message + "\n" + written);
  }
  if (reopened.systemCount != project.SystemCount()) finding("other system count");
  const std::string rewritten = fileText(second.session);
  if (rewritten != written)
    finding("written again, the file differs", written + "\n----\n" + rewritten);
  World third;
  if (!third.session.Open_Project_Text(rewritten).opened) finding("the file does not open again");
  auto& again = second.session.model.project;
  for (int i = 1; i <= again.SystemCount(); ++i) {
    if (!third.session.model.project.Get_System(i)->Same_System(*again.Get_System(i))) {
      finding("a system reads back otherwise", std::to_string(i));
    }
  }
  return 0;
}
