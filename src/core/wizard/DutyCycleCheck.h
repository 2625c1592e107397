#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/ObjectState.h"

namespace korvane {
class MessageSink;
}

namespace korvane::model {
class ParameterCatalogue;
}

namespace korvane::wizard {

inline constexpr std::string_view kDuplicateFlow =
    "Duplicate Flow Percentage entered!\nPlease re-enter Flow Percentages or click Restore button.";
inline constexpr std::string_view kDutyTotalWrong =
    "Total Duty Cycle Percentages should equal 100%\nPercentages entered currently equal: ";
inline constexpr std::string_view kDuplicateLabel = "Duplicate";

// The ten rows of the duty-cycle table as typed: flow and time percentages
// (whole numbers; anything else reads 0) and the "Alt." boxes.
struct DutyCycleEntries {
  std::array<int, model::kPointCount> flow{};
  std::array<int, model::kPointCount> time{};
  std::array<bool, model::kPointCount> alternate{};
};

// The rows as the editor's fields hold them.
DutyCycleEntries Read_Duty_Cycle(const model::ParameterCatalogue& catalogue,
                                 const std::array<bool, model::kPointCount>& alternate);

struct DutyBar {
  int flow;  // x
  int time;  // height
};

struct Rgb {
  int red, green, blue;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kDutyBarColour{21, 180, 255};
inline constexpr Rgb kDutyBarFailedColour{255, 0, 0};

// What the check found, and how the editor shows it.
struct DutyCycleResult {
  bool passed = true;
  bool duplicate = false;
  int total = 0;
  std::string duplicateLabel;  // "Duplicate" or empty
  std::string totalLabel;      // e.g. "100%"
  bool totalRed = false;
  std::vector<DutyBar> bars;  // rows whose flow and time are both above 0
  double barWidthPercent = 0;
  Rgb barColour = kDutyBarColour;
};

// Two rows with the same flow above 0 at the same rate are a duplicate, and
// the times must add up to 100. With a message sink the first fault found is
// reported (a duplicate before a wrong total); without one the check is silent.
DutyCycleResult Check_Duty_Cycle(const DutyCycleEntries& entries, MessageSink* messages);

}  // namespace korvane::wizard
