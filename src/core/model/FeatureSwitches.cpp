#include "model/FeatureSwitches.h"

#include "model/FeatureSwitchesForTests.h"

namespace korvane::model {

namespace {
// Set before main() runs and, outside tests, never written again.
std::uint32_t gFeatureWord = kEditionFeatureWord;
}  // namespace

std::uint32_t FeatureWord() {
  return gFeatureWord;
}

bool FeatureOff(int bit) {
  if (bit < 0 || bit > 31) return false;
  return (gFeatureWord >> bit) & 1U;
}

namespace testing {

ScopedFeatureWord::ScopedFeatureWord(std::uint32_t word) : previous_(gFeatureWord) {
  gFeatureWord = word;
}

ScopedFeatureWord::~ScopedFeatureWord() {
  gFeatureWord = previous_;
}

}  // namespace testing

}  // namespace korvane::model
