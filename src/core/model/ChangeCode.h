#pragma once

namespace korvane::model {

// The fixed codes a system record's setters notify with. Listeners decide by
// code what a change makes stale.
enum class ChangeCode : int {
  ApplicationType = 1,
  InstallCost = 6,
  DriveMotorEfficiency = 7,
  DriveCost = 8,
  PresentAcrossTheLine = 9,
  AltRateAtPoint = 10,
  FlowPercent = 12,
  TimePercent = 13,
  FlowControl = 14,
  DemandUnit = 15,
  MotorEfficiency = 16,
  MotorHp = 18,
  MotorKw = 19,
  Quantity = 21,
  DaysPerWeek = 22,
  HoursPerDay = 23,
  HoursPerYear = 24,
  HoursPerYearMode = 25,
  WeeksPerYear = 26,
  AlternateRate = 27,
  DemandCharge = 28,
  DemandRebate = 29,
  UtilityIncentive = 30,
  IncentiveOneTime = 31,
  PowerIncentive = 32,
  PowerIncentiveOneTime = 33,
  IncentiveUnit = 34,
  EnergyRate = 36,
};

// True for the codes after which a system's computed results are stale: all
// but the application type and the flow control, which choose the curves and
// so re-prepare the system instead. The kW setter counts too: it is not always
// run beside the HP setter (motor power typed in kW goes through it alone), and
// a result must never outlive the motor power it was computed for.
constexpr bool InvalidatesResults(ChangeCode code) {
  switch (code) {
    case ChangeCode::ApplicationType:
    case ChangeCode::FlowControl:
      return false;
    case ChangeCode::InstallCost:
    case ChangeCode::DriveMotorEfficiency:
    case ChangeCode::DriveCost:
    case ChangeCode::PresentAcrossTheLine:
    case ChangeCode::AltRateAtPoint:
    case ChangeCode::FlowPercent:
    case ChangeCode::TimePercent:
    case ChangeCode::DemandUnit:
    case ChangeCode::MotorEfficiency:
    case ChangeCode::MotorHp:
    case ChangeCode::MotorKw:
    case ChangeCode::Quantity:
    case ChangeCode::DaysPerWeek:
    case ChangeCode::HoursPerDay:
    case ChangeCode::HoursPerYear:
    case ChangeCode::HoursPerYearMode:
    case ChangeCode::WeeksPerYear:
    case ChangeCode::AlternateRate:
    case ChangeCode::DemandCharge:
    case ChangeCode::DemandRebate:
    case ChangeCode::UtilityIncentive:
    case ChangeCode::IncentiveOneTime:
    case ChangeCode::PowerIncentive:
    case ChangeCode::PowerIncentiveOneTime:
    case ChangeCode::IncentiveUnit:
    case ChangeCode::EnergyRate:
      return true;
  }
  return false;
}

// True for the codes after which a system must be prepared again, because
// they choose the curves it runs on.
constexpr bool ChoosesCurves(ChangeCode code) {
  return code == ChangeCode::ApplicationType || code == ChangeCode::FlowControl;
}

}  // namespace korvane::model
