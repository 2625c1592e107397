#pragma once

#include <string_view>

#include "model/ResultSlots.h"

namespace korvane {

// A label on a window that shows one result text. The gui's labels implement
// it; tests record what they were given.
class BoundLabel {
 public:
  virtual ~BoundLabel() = default;
  virtual void Show_Result(std::string_view text, model::SlotColour colour) = 0;
};

}  // namespace korvane
