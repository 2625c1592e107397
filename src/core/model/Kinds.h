#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

// The kinds a project and its systems are made of. Each is stored, written to
// the project file and shown in lists by the number beside its name, so the
// numbers are fixed. A record may hold a number no name stands for (an old or
// damaged file); the code that uses it checks the range.

namespace korvane::model {

// The number a kind is stored and written as.
template <typename Kind>
requires std::is_enum_v<Kind>
constexpr std::underlying_type_t<Kind> ToNumber(Kind kind) {
  return static_cast<std::underlying_type_t<Kind>>(kind);
}

enum class ProjectType : std::int32_t {
  SingleSystem = 0,
  MultiSystem = 1,
};

enum class ApplicationType : std::int32_t {
  Fan = 0,
  Pump = 1,
  CoolingTower = 2,
};

inline constexpr std::array<ApplicationType, 3> kApplicationTypes = {
    ApplicationType::Fan, ApplicationType::Pump, ApplicationType::CoolingTower};

// The present flow control of a system. Value 0 is the inlet vane for a fan
// and the throttling valve for a pump; cooling towers always run across the
// line.
enum class FlowControl : std::int32_t {
  InletVaneOrValve = 0,
  OutletDamper = 1,
  Custom1 = 2,
  Custom2 = 3,
  AcrossTheLine = 4,
};

// True for a number a name stands for (a record read from a file may hold
// others).
constexpr bool IsKnown(ApplicationType application) {
  return ToNumber(application) >= ToNumber(ApplicationType::Fan) &&
         ToNumber(application) <= ToNumber(ApplicationType::CoolingTower);
}
constexpr bool IsKnown(FlowControl control) {
  return ToNumber(control) >= ToNumber(FlowControl::InletVaneOrValve) &&
         ToNumber(control) <= ToNumber(FlowControl::AcrossTheLine);
}

// What the demand charge and rebate are counted per.
enum class DemandUnit : std::int32_t {
  Kw = 0,
  Kva = 1,
};

// What the motor-power incentive is paid per.
enum class IncentiveUnit : std::int32_t {
  PerPowerUnit = 0,
  PerSystem = 1,
};

// The kinds of efficiency curve; the numbers index the preferences' curve
// sets. Across the line has no curve (constant full power).
enum class EfficiencyType : int {
  Custom1 = 0,
  Custom2 = 1,
  InletVane = 2,
  AcrossTheLine = 3,
  OutletDamper = 4,
  ThrottlingValve = 5,
  Drive = 6,
};

}  // namespace korvane::model
