#pragma once

namespace korvane::model {

// The fixed codes a system record's setters notify with. Listeners decide by
// code what a change makes stale.
enum ChangeCode : int {
  kChangeApplicationType = 1,
  kChangeInstallCost = 6,
  kChangeDriveMotorEfficiency = 7,
  kChangeDriveCost = 8,
  kChangePresentAcrossTheLine = 9,
  kChangeAltRateAtPoint = 10,
  kChangeFlowPercent = 12,
  kChangeTimePercent = 13,
  kChangeFlowControl = 14,
  kChangeDemandUnit = 15,
  kChangeMotorEfficiency = 16,
  kChangeMotorHp = 18,
  kChangeMotorKw = 19,
  kChangeQuantity = 21,
  kChangeDaysPerWeek = 22,
  kChangeHoursPerDay = 23,
  kChangeHoursPerYear = 24,
  kChangeHoursPerYearMode = 25,
  kChangeWeeksPerYear = 26,
  kChangeAlternateRate = 27,
  kChangeDemandCharge = 28,
  kChangeDemandRebate = 29,
  kChangeUtilityIncentive = 30,
  kChangeIncentiveOneTime = 31,
  kChangePowerIncentive = 32,
  kChangePowerIncentiveOneTime = 33,
  kChangeIncentiveUnit = 34,
  kChangeEnergyRate = 36,
};

// True for the codes after which a system's computed results are stale. The
// kW setter counts too: it is not always run beside the HP setter (motor power
// typed in kW goes through it alone), and a result must never outlive the
// motor power it was computed for.
constexpr bool InvalidatesResults(int code) {
  switch (code) {
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 12:
    case 13:
    case 15:
    case 16:
    case 18:
    case 19:
    case 36:
      return true;
    default:
      return code >= 21 && code <= 34;
  }
}

}  // namespace korvane::model
