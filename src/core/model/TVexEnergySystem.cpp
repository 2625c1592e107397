#include "model/TVexEnergySystem.h"

#include "model/ChangeCode.h"

namespace korvane::model {

TVexEnergySystem::TVexEnergySystem() {
  state_ = ObjectState::Ready;
}

TVexEnergySystem::~TVexEnergySystem() {
  listeners_.clear();
  state_ = ObjectState::Unusable;
}

bool TVexEnergySystem::Add_Listener(ChangeProc proc, void* data) {
  if (!Ready() || proc == nullptr) return false;
  for (const Listener& l : listeners_) {
    if (l.proc == proc && l.data == data) return true;
  }
  listeners_.push_back({proc, data});
  return true;
}

void TVexEnergySystem::notify(int code) {
  // A listener may not add listeners while being told; iterate by index so a
  // grown list stays safe all the same.
  for (size_t i = 0; i < listeners_.size(); ++i) {
    const Listener l = listeners_[i];
    l.proc(l.data, *this, code);
  }
}

template <typename T>
void TVexEnergySystem::assign(T& field, T value, int code) {
  if (!Ready() || field == value) return;
  field = value;
  notify(code);
}

void TVexEnergySystem::assignAmount(float& field, float value, int code) {
  if (!(value >= 0)) return;  // negative amounts (and NaN) are ignored
  assign(field, value, code);
}

void TVexEnergySystem::Set_PresentAcrossTheLine(std::uint8_t value) {
  assign(presentAcrossTheLine_, value, kChangePresentAcrossTheLine);
}

std::uint8_t TVexEnergySystem::AltRateAtPoint(int point) const {
  return Ready() && validPoint(point) ? altRateAtPoint_[static_cast<size_t>(point - 1)] : 0;
}

void TVexEnergySystem::Set_AltRateAtPoint(int point, std::uint8_t value) {
  if (!validPoint(point)) return;
  assign(altRateAtPoint_[static_cast<size_t>(point - 1)], value, kChangeAltRateAtPoint);
}

void TVexEnergySystem::Set_ApplicationType(std::int32_t value) {
  assign(applicationType_, value, kChangeApplicationType);
}
void TVexEnergySystem::Set_FlowControl(std::int32_t value) {
  assign(flowControl_, value, kChangeFlowControl);
}
void TVexEnergySystem::Set_DemandUnit(std::int32_t value) {
  assign(demandUnit_, value, kChangeDemandUnit);
}
void TVexEnergySystem::Set_IncentiveUnit(std::int32_t value) {
  if (value != incentiveUnit_) kept_.incentiveUnit.reset();
  assign(incentiveUnit_, value, kChangeIncentiveUnit);
}
void TVexEnergySystem::Set_InstallCost(float value) {
  assignAmount(installCost_, value, kChangeInstallCost);
}
void TVexEnergySystem::Set_DriveMotorEfficiency(float value) {
  if (value != driveMotorEfficiency_) kept_.driveMotorEfficiency.reset();
  assignAmount(driveMotorEfficiency_, value, kChangeDriveMotorEfficiency);
}
void TVexEnergySystem::Set_DriveCost(float value) {
  assignAmount(driveCost_, value, kChangeDriveCost);
}
void TVexEnergySystem::Set_MotorEfficiency(float value) {
  assignAmount(motorEfficiency_, value, kChangeMotorEfficiency);
}

void TVexEnergySystem::Set_MotorHp(float value) {
  if (!Ready() || !(value >= 0) || value == motorHp_) return;
  motorHp_ = value;
  motorKw_ = static_cast<float>(static_cast<double>(value) * kKwPerHp);
  notify(kChangeMotorHp);
}

void TVexEnergySystem::Set_MotorKw(float value) {
  if (!Ready() || !(value >= 0) || value == motorKw_) return;
  motorKw_ = value;
  motorHp_ = static_cast<float>(static_cast<double>(value) / kKwPerHp);
  notify(kChangeMotorKw);
}

void TVexEnergySystem::Set_AlternateRate(float value) {
  assignAmount(alternateRate_, value, kChangeAlternateRate);
}
void TVexEnergySystem::Set_DemandCharge(float value) {
  if (value != demandCharge_) kept_.demandCharge.reset();
  assignAmount(demandCharge_, value, kChangeDemandCharge);
}
void TVexEnergySystem::Set_DemandRebate(float value) {
  if (value != demandRebate_) kept_.demandRebate.reset();
  assignAmount(demandRebate_, value, kChangeDemandRebate);
}
void TVexEnergySystem::Set_UtilityIncentive(float value) {
  if (value != utilityIncentive_) kept_.utilityIncentive.reset();
  assignAmount(utilityIncentive_, value, kChangeUtilityIncentive);
}
void TVexEnergySystem::Set_PowerIncentive(float value) {
  assignAmount(powerIncentive_, value, kChangePowerIncentive);
}
void TVexEnergySystem::Set_EnergyRate(float value) {
  assignAmount(energyRate_, value, kChangeEnergyRate);
}

std::uint16_t TVexEnergySystem::FlowPercent(int point) const {
  return Ready() && validPoint(point) ? flowPercent_[static_cast<size_t>(point - 1)] : 0;
}
void TVexEnergySystem::Set_FlowPercent(int point, std::uint16_t value) {
  if (!validPoint(point)) return;
  assign(flowPercent_[static_cast<size_t>(point - 1)], value, kChangeFlowPercent);
}
std::uint16_t TVexEnergySystem::TimePercent(int point) const {
  return Ready() && validPoint(point) ? timePercent_[static_cast<size_t>(point - 1)] : 0;
}
void TVexEnergySystem::Set_TimePercent(int point, std::uint16_t value) {
  if (!validPoint(point)) return;
  assign(timePercent_[static_cast<size_t>(point - 1)], value, kChangeTimePercent);
}

void TVexEnergySystem::Set_Quantity(std::uint16_t value) {
  assign(quantity_, value, kChangeQuantity);
}
void TVexEnergySystem::Set_IncentiveOneTime(std::int16_t value) {
  if (value != incentiveOneTime_) kept_.incentiveOneTime.reset();
  assign(incentiveOneTime_, value, kChangeIncentiveOneTime);
}
void TVexEnergySystem::Set_PowerIncentiveOneTime(std::int16_t value) {
  assign(powerIncentiveOneTime_, value, kChangePowerIncentiveOneTime);
}
void TVexEnergySystem::Set_DaysPerWeek(std::uint16_t value) {
  assign(daysPerWeek_, value, kChangeDaysPerWeek);
}
void TVexEnergySystem::Set_HoursPerDay(std::uint16_t value) {
  assign(hoursPerDay_, value, kChangeHoursPerDay);
}
void TVexEnergySystem::Set_HoursPerYear(std::uint16_t value) {
  assign(hoursPerYear_, value, kChangeHoursPerYear);
}
void TVexEnergySystem::Set_HoursPerYearMode(std::int16_t value) {
  assign(hoursPerYearMode_, value, kChangeHoursPerYearMode);
}
void TVexEnergySystem::Set_WeeksPerYear(std::uint16_t value) {
  assign(weeksPerYear_, value, kChangeWeeksPerYear);
}

// Fields without a change code.
void TVexEnergySystem::Set_UserOverride(std::uint8_t value) {
  if (Ready()) userOverride_ = value;
}
void TVexEnergySystem::Set_AutoCatalog(std::uint8_t value) {
  if (Ready()) autoCatalog_ = value;
}
void TVexEnergySystem::Set_VoltageClass(std::int32_t value) {
  if (value != voltageClass_) kept_.voltageClass.reset();
  if (Ready()) voltageClass_ = value;
}
void TVexEnergySystem::Set_MinimumHead(float value) {
  if (value != minimumHead_) kept_.minimumHead.reset();
  if (Ready()) minimumHead_ = value;
}
void TVexEnergySystem::Set_MotorFla(float value) {
  if (value != motorFla_) kept_.motorFla.reset();
  if (Ready()) motorFla_ = value;
}
void TVexEnergySystem::Set_Identification(std::string_view value) {
  if (Ready()) identification_ = value;
}
void TVexEnergySystem::Set_CatalogNumber(std::string_view value) {
  if (Ready()) catalogNumber_ = value;
}
void TVexEnergySystem::Set_UtilityName(std::string_view value) {
  if (Ready()) utilityName_ = value;
}
void TVexEnergySystem::Set_BypassRequired(std::int16_t value) {
  if (value != bypassRequired_) kept_.bypassRequired.reset();
  if (Ready()) bypassRequired_ = value;
}

void TVexEnergySystem::Set_Motor_Power(float value, bool powerInKw) {
  if (powerInKw) {
    Set_MotorKw(value);
  } else {
    Set_MotorHp(value);
  }
}

float TVexEnergySystem::Get_Motor_Power(bool powerInKw) const {
  if (!Ready()) return 0;
  return powerInKw ? motorKw_ : motorHp_;
}

void TVexEnergySystem::Reset_System() {
  if (!Ready()) return;
  Set_PresentAcrossTheLine(0);
  Set_UserOverride(0);
  Set_AutoCatalog(0);
  Set_ApplicationType(0);
  Set_FlowControl(0);
  Set_DemandUnit(0);
  Set_VoltageClass(0);
  Set_IncentiveUnit(0);
  Set_InstallCost(0);
  Set_DriveMotorEfficiency(0);
  Set_DriveCost(0);
  Set_MinimumHead(0);
  Set_MotorEfficiency(0);
  Set_MotorFla(0);
  Set_MotorHp(0);
  Set_MotorKw(0);
  Set_AlternateRate(0);
  Set_DemandCharge(0);
  Set_DemandRebate(0);
  Set_UtilityIncentive(0);
  Set_PowerIncentive(0);
  Set_EnergyRate(0);
  Set_Identification("");
  Set_CatalogNumber("");
  Set_UtilityName("");
  Set_BypassRequired(0);
  Set_Quantity(0);
  Set_IncentiveOneTime(0);
  Set_PowerIncentiveOneTime(0);
  Set_DaysPerWeek(0);
  Set_HoursPerDay(0);
  Set_HoursPerYear(0);
  Set_HoursPerYearMode(0);
  Set_WeeksPerYear(0);
  for (int i = 1; i <= kPointCount; ++i) {
    Set_AltRateAtPoint(i, 0);
    Set_FlowPercent(i, 0);
    Set_TimePercent(i, 0);
  }
  kept_ = {};
}

bool TVexEnergySystem::Copy_System(const TVexEnergySystem& source) {
  if (!Ready() || !source.Ready()) return false;
  if (&source == this) return true;
  Set_PresentAcrossTheLine(source.presentAcrossTheLine_);
  Set_UserOverride(source.userOverride_);
  Set_AutoCatalog(source.autoCatalog_);
  Set_ApplicationType(source.applicationType_);
  Set_FlowControl(source.flowControl_);
  Set_DemandUnit(source.demandUnit_);
  Set_VoltageClass(source.voltageClass_);
  Set_IncentiveUnit(source.incentiveUnit_);
  Set_InstallCost(source.installCost_);
  Set_DriveMotorEfficiency(source.driveMotorEfficiency_);
  Set_DriveCost(source.driveCost_);
  Set_MinimumHead(source.minimumHead_);
  Set_MotorEfficiency(source.motorEfficiency_);
  Set_MotorFla(source.motorFla_);
  // HP first: its setter derives kW, and the kW setter then only acts when the
  // source's kW differs from that.
  Set_MotorHp(source.motorHp_);
  Set_MotorKw(source.motorKw_);
  Set_AlternateRate(source.alternateRate_);
  Set_DemandCharge(source.demandCharge_);
  Set_DemandRebate(source.demandRebate_);
  Set_UtilityIncentive(source.utilityIncentive_);
  Set_PowerIncentive(source.powerIncentive_);
  Set_EnergyRate(source.energyRate_);
  Set_Identification(source.identification_);
  Set_CatalogNumber(source.catalogNumber_);
  Set_UtilityName(source.utilityName_);
  Set_BypassRequired(source.bypassRequired_);
  Set_Quantity(source.quantity_);
  Set_IncentiveOneTime(source.incentiveOneTime_);
  Set_PowerIncentiveOneTime(source.powerIncentiveOneTime_);
  Set_DaysPerWeek(source.daysPerWeek_);
  Set_HoursPerDay(source.hoursPerDay_);
  Set_HoursPerYear(source.hoursPerYear_);
  Set_HoursPerYearMode(source.hoursPerYearMode_);
  Set_WeeksPerYear(source.weeksPerYear_);
  for (int i = 1; i <= kPointCount; ++i) {
    const auto k = static_cast<size_t>(i - 1);
    Set_AltRateAtPoint(i, source.altRateAtPoint_[k]);
    Set_FlowPercent(i, source.flowPercent_[k]);
    Set_TimePercent(i, source.timePercent_[k]);
  }
  kept_ = source.kept_;
  return true;
}

// A kept value of 0 and no kept value over a field of 0 are the same input.
KeptInputs TVexEnergySystem::keptOrOwn() const {
  KeptInputs k;
  k.minimumHead = kept_.minimumHead.value_or(minimumHead_);
  k.motorFla = kept_.motorFla.value_or(motorFla_);
  k.driveMotorEfficiency = kept_.driveMotorEfficiency.value_or(driveMotorEfficiency_);
  k.demandCharge = kept_.demandCharge.value_or(demandCharge_);
  k.demandRebate = kept_.demandRebate.value_or(demandRebate_);
  k.utilityIncentive = kept_.utilityIncentive.value_or(utilityIncentive_);
  k.voltageClass = kept_.voltageClass.value_or(voltageClass_);
  k.incentiveUnit = kept_.incentiveUnit.value_or(incentiveUnit_);
  k.bypassRequired = kept_.bypassRequired.value_or(bypassRequired_);
  k.incentiveOneTime = kept_.incentiveOneTime.value_or(incentiveOneTime_);
  return k;
}

bool TVexEnergySystem::Same_System(const TVexEnergySystem& other) const {
  if (!Ready() || !other.Ready()) return false;
  return presentAcrossTheLine_ == other.presentAcrossTheLine_ &&
         altRateAtPoint_ == other.altRateAtPoint_ && userOverride_ == other.userOverride_ &&
         autoCatalog_ == other.autoCatalog_ && applicationType_ == other.applicationType_ &&
         flowControl_ == other.flowControl_ && demandUnit_ == other.demandUnit_ &&
         voltageClass_ == other.voltageClass_ && incentiveUnit_ == other.incentiveUnit_ &&
         installCost_ == other.installCost_ &&
         driveMotorEfficiency_ == other.driveMotorEfficiency_ && driveCost_ == other.driveCost_ &&
         minimumHead_ == other.minimumHead_ && motorEfficiency_ == other.motorEfficiency_ &&
         motorFla_ == other.motorFla_ && motorHp_ == other.motorHp_ && motorKw_ == other.motorKw_ &&
         alternateRate_ == other.alternateRate_ && demandCharge_ == other.demandCharge_ &&
         demandRebate_ == other.demandRebate_ && utilityIncentive_ == other.utilityIncentive_ &&
         powerIncentive_ == other.powerIncentive_ && energyRate_ == other.energyRate_ &&
         identification_ == other.identification_ && catalogNumber_ == other.catalogNumber_ &&
         utilityName_ == other.utilityName_ && bypassRequired_ == other.bypassRequired_ &&
         flowPercent_ == other.flowPercent_ && timePercent_ == other.timePercent_ &&
         quantity_ == other.quantity_ && incentiveOneTime_ == other.incentiveOneTime_ &&
         powerIncentiveOneTime_ == other.powerIncentiveOneTime_ &&
         daysPerWeek_ == other.daysPerWeek_ && hoursPerDay_ == other.hoursPerDay_ &&
         hoursPerYear_ == other.hoursPerYear_ && hoursPerYearMode_ == other.hoursPerYearMode_ &&
         weeksPerYear_ == other.weeksPerYear_ && keptOrOwn() == other.keptOrOwn();
}

}  // namespace korvane::model
