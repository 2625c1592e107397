#pragma once

#include <cstdint>

namespace korvane::model {

// Each set bit of the feature word switches one feature of the product off.
// The word is fixed when the program starts and never changes afterwards.
enum FeatureBit : int {
  HideApplicationType = 0,
  NoUpdateCheck = 1,
  NoBypass = 2,
  NoCoolingTower = 3,
  NoCustomCurves = 4,
  NoDriveMotorEfficiency = 5,
  NoFan = 6,
  NoFlowControlType = 7,
  NoMinimumHead = 8,
  FixedFlowPoints = 9,
  NoInletVane = 10,
  NoMotorDefaults = 11,
  NoFla = 12,
  NoVoltage = 13,
  SingleSystemOnly = 14,
  NoSystemCount = 15,
  NoOutletDamper = 16,
  NoCumulativePayback = 17,
  NoPump = 19,
  NoCompanyLogo = 20,
  NoStateField = 22,
  NoAlternateRate = 23,
  NoDemandCharge = 24,
  NoDemandRebate = 25,
  NoUtilityIncentive = 26,
  NoYearlyIncentive = 27,
  NoSystemIncentive = 28,
  NoPerSystemRebateUnit = 29,
};

// The word of the edition this program is built as.
inline constexpr std::uint32_t kEditionFeatureWord = 0x2710392C;

// The word in force for this run.
std::uint32_t FeatureWord();

// True when the feature of that bit is switched off. Bits outside 0..31 never
// switch anything off, so list builders may pass "no bit" as a large number.
bool FeatureOff(int bit);

}  // namespace korvane::model
