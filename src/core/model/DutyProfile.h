#pragma once

#include <array>

#include "model/ObjectState.h"

namespace korvane::model {

// A default duty cycle: flow % and share of operating time at each point.
struct DutyProfile {
  std::array<int, kPointCount> flowPercent;
  std::array<int, kPointCount> timePercent;
};

inline constexpr DutyProfile kStandardDutyProfile{{100, 90, 80, 70, 60, 50, 40, 30, 20, 10},
                                                  {1, 2, 9, 17, 24, 17, 13, 11, 6, 0}};

// Profiles 1 (fan), 2 (pump) and 3 (cooling tower); today all the same.
inline constexpr std::array<DutyProfile, 3> kDutyProfiles{
    kStandardDutyProfile, kStandardDutyProfile, kStandardDutyProfile};

}  // namespace korvane::model
