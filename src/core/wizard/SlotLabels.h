#pragma once

#include <array>
#include <vector>

#include "model/ResultSlots.h"

namespace korvane {
class BoundLabel;
}

namespace korvane::wizard {

// The labels each result slot is shown in: writing a slot rewrites every
// label attached to it.
class SlotLabels : public model::ResultSlotSink {
 public:
  // False for a slot outside 0..80.
  bool Attach(int slot, BoundLabel& label);
  void Write_Result_Slot(int slot, std::string_view text, model::SlotColour colour) override;
  // Every slot "N/A", as before any calculation.
  void Reset() { model::Reset_Result_Slots(*this); }

 private:
  std::array<std::vector<BoundLabel*>, model::kResultSlotCount> labels_;
};

}  // namespace korvane::wizard
