#include <gtest/gtest.h>

#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"

namespace korvane::model {
namespace {

TEST(FeatureSwitches, EditionWordSwitchesOffExactlyItsFeatures) {
  ASSERT_EQ(FeatureWord(), 0x2710392Cu);
  const FeatureBit off[] = {NoBypass,       NoCoolingTower,     NoDriveMotorEfficiency,
                            NoMinimumHead,  NoMotorDefaults,    NoFla,
                            NoVoltage,      NoCompanyLogo,      NoDemandCharge,
                            NoDemandRebate, NoUtilityIncentive, NoPerSystemRebateUnit};
  std::uint32_t rebuilt = 0;
  for (FeatureBit bit : off) {
    EXPECT_TRUE(FeatureOff(bit)) << bit;
    rebuilt |= 1u << bit;
  }
  EXPECT_EQ(rebuilt, kEditionFeatureWord);
  for (FeatureBit on : {HideApplicationType, NoUpdateCheck, NoFan, NoPump, NoCustomCurves,
                        SingleSystemOnly, NoAlternateRate, NoSystemIncentive}) {
    EXPECT_FALSE(FeatureOff(on)) << on;
  }
}

TEST(FeatureSwitches, BitsOutsideTheWordNeverSwitchOff) {
  testing::ScopedFeatureWord all(0xFFFFFFFFu);
  EXPECT_TRUE(FeatureOff(31));
  for (int bit : {32, 33, 64, 1000, -1}) EXPECT_FALSE(FeatureOff(bit)) << bit;
}

TEST(FeatureSwitches, TestWordIsRestoredAfterTheScope) {
  {
    testing::ScopedFeatureWord none(0);
    for (int bit = 0; bit < 32; ++bit) EXPECT_FALSE(FeatureOff(bit));
  }
  EXPECT_EQ(FeatureWord(), kEditionFeatureWord);
}

}  // namespace
}  // namespace korvane::model
