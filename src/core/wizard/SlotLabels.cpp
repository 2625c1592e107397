#include "wizard/SlotLabels.h"

#include "platform/BoundLabel.h"

namespace korvane::wizard {

bool SlotLabels::Attach(model::ResultSlot slot, BoundLabel& label) {
  if (!model::IsKnown(slot)) return false;
  labels_[static_cast<size_t>(model::ToNumber(slot))].push_back(&label);
  return true;
}

void SlotLabels::Write_Result_Slot(model::ResultSlot slot, std::string_view text,
                                   model::SlotColour colour) {
  if (!model::IsKnown(slot)) return;
  for (BoundLabel* label : labels_[static_cast<size_t>(model::ToNumber(slot))]) {
    label->Show_Result(text, colour);
  }
}

}  // namespace korvane::wizard
