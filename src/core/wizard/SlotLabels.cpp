#include "wizard/SlotLabels.h"

#include "platform/BoundLabel.h"

namespace korvane::wizard {

bool SlotLabels::Attach(int slot, BoundLabel& label) {
  if (slot < 0 || slot >= model::kResultSlotCount) return false;
  labels_[static_cast<size_t>(slot)].push_back(&label);
  return true;
}

void SlotLabels::Write_Result_Slot(int slot, std::string_view text, model::SlotColour colour) {
  if (slot < 0 || slot >= model::kResultSlotCount) return;
  for (BoundLabel* label : labels_[static_cast<size_t>(slot)]) label->Show_Result(text, colour);
}

}  // namespace korvane::wizard
