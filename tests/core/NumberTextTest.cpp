#include <gtest/gtest.h>

#include <optional>

#include "text/NumberText.h"

namespace korvane::text {
namespace {

TEST(NumberText, ParsesOnlyCompleteDecimalNumbers) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {{"12", 12},
                        {"0.705", 0.705},
                        {" 3.5 ", 3.5},
                        {"-2", -2},
                        {"+4", 4},
                        {".5", 0.5},
                        {"5.", 5},
                        {"1e3", 1000},
                        {"", std::nullopt},
                        {"abc", std::nullopt},
                        {"1,5", std::nullopt},
                        {"12abc", std::nullopt},
                        {"1e", std::nullopt},
                        {"inf", std::nullopt},
                        {"nan", std::nullopt},
                        {"0x10", std::nullopt},
                        {"-", std::nullopt},
                        {"1.2.3", std::nullopt},
                        {"1e999", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ParsesWholeNumbersOnly) {
  EXPECT_EQ(parseInteger("42"), 42);
  EXPECT_EQ(parseInteger(" -7 "), -7);
  EXPECT_EQ(parseInteger("+3"), 3);
  EXPECT_EQ(parseInteger("4.0"), std::nullopt);
  EXPECT_EQ(parseInteger("++3"), std::nullopt);
  EXPECT_EQ(parseInteger(""), std::nullopt);
}

TEST(NumberText, RoundsHalvesAwayFromZeroOnTheDecimalDigits) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0.125, 2, "0.13"},   {-0.125, 2, "-0.13"},
      {1.005, 2, "1.01"},   {2.675, 2, "2.68"},
      {0.5, 0, "1"},        {1.5, 0, "2"},
      {2.5, 0, "3"},        {-2.5, 0, "-3"},
      {9.995, 2, "10.00"},  {0.0004, 3, "0.000"},
      {0.0005, 3, "0.001"}, {-0.001, 2, "0.00"},
      {3000, 0, "3000"},    {0, 4, "0.0000"},
      {0.43, 3, "0.430"},   {123456789.0, 0, "123456789"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value << " / " << c.decimals;
  }
  // A float keeps the digits it was typed with.
  EXPECT_EQ(formatFixed(2.675f, 2), "2.68");
  EXPECT_EQ(formatFixed(0.7683f, 4), "0.7683");
  EXPECT_EQ(formatFixed(0.705f, 3), "0.705");
}

TEST(NumberText, GroupsUpToTheBillionsOnly) {
  EXPECT_EQ(groupThousands("1234567890123", ","), "1234,567,890,123");
  EXPECT_EQ(groupThousands("31882", ","), "31,882");
  EXPECT_EQ(groupThousands("6976.46", ","), "6,976.46");
  EXPECT_EQ(groupThousands("-1000000.5", " "), "-1 000 000.5");
  EXPECT_EQ(groupThousands("999", ","), "999");
  EXPECT_EQ(groupThousands("0.705", ","), "0.705");
}

TEST(NumberText, ResultNumbersNeverGroupWithTheirDecimalPoint) {
  struct Case {
    const char* localeSeparator;
    const char* text;
  };
  const Case cases[] = {{",", "26,276.50"},
                        {".", "26,276.50"},
                        {"", "26,276.50"},
                        {" ", "26 276.50"},
                        {"'", "26'276.50"}};
  for (const Case& c : cases) {
    EXPECT_EQ(formatResultNumber(26276.5, 2, c.localeSeparator), c.text)
        << '"' << c.localeSeparator << '"';
  }
}

}  // namespace
}  // namespace korvane::text
