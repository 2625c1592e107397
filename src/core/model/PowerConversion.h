#pragma once

namespace korvane::model {

// HP to kW. What the user types, the records' HP and kW setters and the limit
// of the motor-power input use the rounded factor; the energy analysis and the
// formula calculators the finer one. Neither stands in for the other.
inline constexpr double kKwPerHpInput = 0.746;
inline constexpr double kKwPerHpAnalysis = 0.7457;

}  // namespace korvane::model
