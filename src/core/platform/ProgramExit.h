#pragma once

#include <string_view>

namespace korvane {

// Ends the program after a fault in one of its fixed tables. The desktop and
// batch programs end the process; tests record the request instead, so the
// caller must itself stop all further work after asking.
class ProgramExit {
 public:
  virtual ~ProgramExit() = default;
  virtual void endProgram(std::string_view reason) = 0;
};

}  // namespace korvane
