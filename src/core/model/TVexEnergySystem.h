#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ObjectState.h"

namespace korvane::model {

class TVexEnergySystem;

// Values of tags this edition reads but does not use (its feature switches
// hide them), kept as read so that saving the project writes them back
// instead of defaults. They never enter a calculation. A setter that changes
// its field drops the kept value, so an edited value is written as edited.
struct KeptInputs {
  std::optional<float> minimumHead;
  std::optional<float> motorFla;
  std::optional<float> driveMotorEfficiency;
  std::optional<float> demandCharge;
  std::optional<float> demandRebate;
  std::optional<float> utilityIncentive;
  std::optional<std::int32_t> voltageClass;
  std::optional<std::int32_t> incentiveUnit;
  std::optional<std::int16_t> bypassRequired;
  std::optional<std::int16_t> incentiveOneTime;
  bool operator==(const KeptInputs&) const = default;
};

// A change listener: called with its own data, the record and the change code.
using ChangeProc = void (*)(void* data, TVexEnergySystem& system, int code);

// Everything the user enters for one driven machine. Every field that enters a
// calculation is changed through a setter that ignores unchanged values (and,
// for amounts, negative ones) and tells the listeners with a fixed code.
// Fields without a code never enter a calculation and are stored silently.
// Duty points are numbered 1..10; other indexes read 0 and write nothing.
class TVexEnergySystem {
 public:
  TVexEnergySystem();
  virtual ~TVexEnergySystem();
  TVexEnergySystem(const TVexEnergySystem&) = delete;
  TVexEnergySystem& operator=(const TVexEnergySystem&) = delete;

  ObjectState State() const { return state_; }
  bool Ready() const { return state_ == ObjectState::Ready; }

  bool Add_Listener(ChangeProc proc, void* data);

  // --- fields with a change code
  std::uint8_t PresentAcrossTheLine() const { return presentAcrossTheLine_; }
  void Set_PresentAcrossTheLine(std::uint8_t value);
  std::uint8_t AltRateAtPoint(int point) const;
  void Set_AltRateAtPoint(int point, std::uint8_t value);
  std::int32_t ApplicationType() const { return applicationType_; }
  void Set_ApplicationType(std::int32_t value);
  std::int32_t FlowControl() const { return flowControl_; }
  void Set_FlowControl(std::int32_t value);
  std::int32_t DemandUnit() const { return demandUnit_; }
  void Set_DemandUnit(std::int32_t value);
  std::int32_t IncentiveUnit() const { return incentiveUnit_; }
  void Set_IncentiveUnit(std::int32_t value);
  float InstallCost() const { return installCost_; }
  void Set_InstallCost(float value);
  float DriveMotorEfficiency() const { return driveMotorEfficiency_; }
  void Set_DriveMotorEfficiency(float value);
  float DriveCost() const { return driveCost_; }
  void Set_DriveCost(float value);
  float MotorEfficiency() const { return motorEfficiency_; }
  void Set_MotorEfficiency(float value);
  float MotorHp() const { return motorHp_; }
  void Set_MotorHp(float value);  // also sets MotorKw = HP x 0.746
  float MotorKw() const { return motorKw_; }
  void Set_MotorKw(float value);  // also sets MotorHp = kW / 0.746
  float AlternateRate() const { return alternateRate_; }
  void Set_AlternateRate(float value);
  float DemandCharge() const { return demandCharge_; }
  void Set_DemandCharge(float value);
  float DemandRebate() const { return demandRebate_; }
  void Set_DemandRebate(float value);
  float UtilityIncentive() const { return utilityIncentive_; }
  void Set_UtilityIncentive(float value);
  float PowerIncentive() const { return powerIncentive_; }
  void Set_PowerIncentive(float value);
  float EnergyRate() const { return energyRate_; }
  void Set_EnergyRate(float value);
  std::uint16_t FlowPercent(int point) const;
  void Set_FlowPercent(int point, std::uint16_t value);
  std::uint16_t TimePercent(int point) const;
  void Set_TimePercent(int point, std::uint16_t value);
  std::uint16_t Quantity() const { return quantity_; }
  void Set_Quantity(std::uint16_t value);
  std::int16_t IncentiveOneTime() const { return incentiveOneTime_; }
  void Set_IncentiveOneTime(std::int16_t value);
  std::int16_t PowerIncentiveOneTime() const { return powerIncentiveOneTime_; }
  void Set_PowerIncentiveOneTime(std::int16_t value);
  std::uint16_t DaysPerWeek() const { return daysPerWeek_; }
  void Set_DaysPerWeek(std::uint16_t value);
  std::uint16_t HoursPerDay() const { return hoursPerDay_; }
  void Set_HoursPerDay(std::uint16_t value);
  std::uint16_t HoursPerYear() const { return hoursPerYear_; }
  void Set_HoursPerYear(std::uint16_t value);
  std::int16_t HoursPerYearMode() const { return hoursPerYearMode_; }
  void Set_HoursPerYearMode(std::int16_t value);
  std::uint16_t WeeksPerYear() const { return weeksPerYear_; }
  void Set_WeeksPerYear(std::uint16_t value);

  // --- fields without a change code (display only, stored silently)
  std::uint8_t UserOverride() const { return userOverride_; }
  void Set_UserOverride(std::uint8_t value);
  std::uint8_t AutoCatalog() const { return autoCatalog_; }
  void Set_AutoCatalog(std::uint8_t value);
  std::int32_t VoltageClass() const { return voltageClass_; }
  void Set_VoltageClass(std::int32_t value);
  float MinimumHead() const { return minimumHead_; }
  void Set_MinimumHead(float value);
  float MotorFla() const { return motorFla_; }
  void Set_MotorFla(float value);
  const std::string& Identification() const { return identification_; }
  void Set_Identification(std::string_view value);
  const std::string& CatalogNumber() const { return catalogNumber_; }
  void Set_CatalogNumber(std::string_view value);
  const std::string& UtilityName() const { return utilityName_; }
  void Set_UtilityName(std::string_view value);
  std::int16_t BypassRequired() const { return bypassRequired_; }
  void Set_BypassRequired(std::int16_t value);

  const KeptInputs& Kept() const { return kept_; }
  KeptInputs& Kept() { return kept_; }

  // Motor power in the unit shown: kW when powerInKw, else HP.
  void Set_Motor_Power(float value, bool powerInKw);
  float Get_Motor_Power(bool powerInKw) const;

  // Every field to zero or empty, through the setters.
  void Reset_System();
  // Every field from another record, through the setters (duty points last).
  bool Copy_System(const TVexEnergySystem& source);
  // True when every input field equals the other record's.
  bool Same_System(const TVexEnergySystem& other) const;

 protected:
  void setState(ObjectState state) { state_ = state; }

 private:
  struct Listener {
    ChangeProc proc;
    void* data;
  };

  void notify(int code);
  KeptInputs keptOrOwn() const;
  template <typename T>
  void assign(T& field, T value, int code);
  void assignAmount(float& field, float value, int code);
  static bool validPoint(int point) { return point >= 1 && point <= kPointCount; }

  ObjectState state_ = ObjectState::UnderConstruction;
  std::vector<Listener> listeners_;

  std::uint8_t presentAcrossTheLine_ = 0;
  std::array<std::uint8_t, kPointCount> altRateAtPoint_{};
  std::uint8_t userOverride_ = 0;
  std::uint8_t autoCatalog_ = 0;
  std::int32_t applicationType_ = 0;
  std::int32_t flowControl_ = 0;
  std::int32_t demandUnit_ = 0;
  std::int32_t voltageClass_ = 0;
  std::int32_t incentiveUnit_ = 0;
  float installCost_ = 0;
  float driveMotorEfficiency_ = 0;
  float driveCost_ = 0;
  float minimumHead_ = 0;
  float motorEfficiency_ = 0;
  float motorFla_ = 0;
  float motorHp_ = 0;
  float motorKw_ = 0;
  float alternateRate_ = 0;
  float demandCharge_ = 0;
  float demandRebate_ = 0;
  float utilityIncentive_ = 0;
  float powerIncentive_ = 0;
  float energyRate_ = 0;
  std::string identification_;
  std::string catalogNumber_;
  std::string utilityName_;
  std::int16_t bypassRequired_ = 0;
  std::array<std::uint16_t, kPointCount> flowPercent_{};
  std::array<std::uint16_t, kPointCount> timePercent_{};
  std::uint16_t quantity_ = 0;
  std::int16_t incentiveOneTime_ = 0;
  std::int16_t powerIncentiveOneTime_ = 0;
  std::uint16_t daysPerWeek_ = 0;
  std::uint16_t hoursPerDay_ = 0;
  std::uint16_t hoursPerYear_ = 0;
  std::int16_t hoursPerYearMode_ = 0;
  std::uint16_t weeksPerYear_ = 0;
  KeptInputs kept_;
};

}  // namespace korvane::model
