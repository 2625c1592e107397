#pragma once

#include <optional>
#include <string_view>

namespace korvane::wizard {

// Motor efficiency (%) a new motor of that power (HP) is assumed to have.
double DefaultMotorEfficiency(double hp);

// Full-load current (A) of a motor of that power (HP) at the selected voltage
// text. Nothing when the power is beyond the table.
std::optional<double> DefaultMotorFla(double hp, std::string_view voltage);

}  // namespace korvane::wizard
