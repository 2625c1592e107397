#pragma once

#include "Fakes.h"
#include "model/EnergyModel.h"

namespace korvane::testing {

inline constexpr double kOutletDamper[10] = {1,      0.7683, 0.5725, 0.4098, 0.2789,
                                             0.1767, 0.1012, 0.049,  0.0179, 0.0033};

// The factory curves a fresh program gets from its preferences: drive 97 % and
// the outlet damper for fans, the coal factor 0.705.
inline void setFactoryFanCurves(model::TVexEnergyProjectAnalysis& project) {
  for (int p = 1; p <= 10; ++p) {
    for (int a = 1; a <= 3; ++a) project.Set_Curve(a, 1, p, 97);
    project.Set_Curve(1, 4, p, kOutletDamper[p - 1]);
  }
  project.Set_Co2Coal(0.705);
  project.Set_Co2Gas(0.419);
  project.Set_Co2Oil(0.55);
}

// Adds the worked example: a 20 HP fan with an outlet damper, 95 % motor,
// running all year at 0.10 per kWh with a drive of 3000.
inline model::TVexEnergySystemAnalysis& addReferenceFan(model::TVexEnergyProjectAnalysis& project) {
  FakeMessageSink messages;
  const int i = project.Add_System(messages);
  auto& fan = *project.Get_System(i);
  fan.Set_ApplicationType(model::ApplicationType::Fan);
  fan.Set_FlowControl(model::FlowControl::OutletDamper);
  fan.Set_MotorHp(20);
  fan.Set_MotorEfficiency(95);
  fan.Set_HoursPerDay(24);
  fan.Set_DaysPerWeek(7);
  fan.Set_WeeksPerYear(52);
  fan.Set_HoursPerYear(8760);
  fan.Set_EnergyRate(0.1f);
  fan.Set_AlternateRate(0.1f);
  fan.Set_DriveCost(3000);
  project.Prepare_System(i);
  return fan;
}

}  // namespace korvane::testing
