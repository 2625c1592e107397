#include "wizard/MotorDefaults.h"

#include <array>
#include <utility>

namespace korvane::wizard {

namespace {

struct FlaRow {
  double hp;
  double amperes;  // at 460 V
};

constexpr std::array<FlaRow, 27> kFlaAt460V{{
    {0.5, 1.1}, {0.75, 1.6}, {1, 2.1},   {1.5, 3.0}, {2, 3.4},   {3, 4.8},   {5, 7.6},
    {7.5, 11},  {10, 14},    {15, 21},   {20, 27},   {25, 34},   {30, 40},   {40, 52},
    {50, 65},   {60, 77},    {75, 96},   {100, 124}, {125, 156}, {150, 180}, {200, 240},
    {250, 302}, {300, 361},  {350, 414}, {400, 477}, {450, 515}, {500, 590},
}};

constexpr std::array<std::pair<std::string_view, double>, 9> kVoltageFactors{{
    {"208", 2.2},
    {"230", 2.0},
    {"240", 1.92},
    {"380", 1.21052},
    {"400", 1.15},
    {"415", 1.1057},
    {"460", 1.0},
    {"480", 0.96},
    {"575", 0.8},
}};

// The current at 460 V. Between two rows it lies on the straight line through
// the rows either side of the power, so a row's own power gives its own
// current and the value never jumps between rows (450 HP gives 515 A, not the
// next row's 590 A). Below the smallest row the smallest motor's current is
// taken, since the line would head towards nothing. Above 500 HP the table
// says nothing about such motors, so no default is given and the field keeps
// what it holds.
std::optional<double> flaAt460V(double hp) {
  if (hp <= kFlaAt460V.front().hp) return kFlaAt460V.front().amperes;
  if (hp > kFlaAt460V.back().hp) return std::nullopt;
  for (size_t k = 1; k < kFlaAt460V.size(); ++k) {
    const FlaRow& upper = kFlaAt460V[k];
    if (hp > upper.hp) continue;
    const FlaRow& lower = kFlaAt460V[k - 1];
    return lower.amperes +
           (hp - lower.hp) * (upper.amperes - lower.amperes) / (upper.hp - lower.hp);
  }
  return kFlaAt460V.back().amperes;
}

}  // namespace

double DefaultMotorEfficiency(double hp) {
  if (hp <= 5) return 87.9;
  if (hp <= 15) return 91.5;
  if (hp <= 40) return 93.6;
  if (hp <= 100) return 94.5;
  if (hp <= 200) return 95.2;
  return 95.8;
}

std::optional<double> DefaultMotorFla(double hp, std::string_view voltage) {
  const std::optional<double> amperes = flaAt460V(hp);
  if (!amperes) return std::nullopt;
  for (const auto& [text, factor] : kVoltageFactors) {
    if (text == voltage) return *amperes * factor;
  }
  return amperes;
}

}  // namespace korvane::wizard
