// libFuzzer target: any byte sequence as a project file, through both passes
// of the reader. Nothing may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"
#include "session/EstimatorSession.h"

namespace {

class Silent : public korvane::MessageSink, public korvane::AlertSound, public korvane::ProgramExit {
 public:
  korvane::MessageAnswer show(korvane::MessageKind, std::string_view,
                              korvane::MessageButtons) override {
    return korvane::MessageAnswer::Ok;
  }
  void play() override {}
  void endProgram(std::string_view) override { __builtin_trap(); }
};

struct World {
  World() { session.Start(); }
  Silent silent;
  korvane::MemorySettingsStore store;
  korvane::EstimatorSession session{silent, silent, silent, store};
  korvane::projectfile::ProjectFileReader reader{session};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static World world;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream validate(bytes);
  if (!world.reader.Read_Project_Stream(validate, korvane::projectfile::ReadPass::Validate)) {
    return 0;
  }
  std::istringstream apply(bytes);
  if (world.reader.Read_Project_Stream(apply, korvane::projectfile::ReadPass::Apply)) {
    world.session.Adopt_Opened_Project(world.reader.Staged());
    // What was read must compute and write without fault.
    auto& project = world.session.model.project;
    for (int i = 1; i <= project.SystemCount(); ++i) {
      (void)project.Get_System(i)->Payback(korvane::model::Case::Present);
    }
    (void)project.Project_Payback();
    (void)korvane::projectfile::Project_File_Text({project, world.session.catalogue,
                                                   world.session.values, world.session.header,
                                                   "1/1/2026"});
  }
  return 0;
}
