#include "wizard/SystemEditor.h"

#include <algorithm>
#include <cstdint>

#include "model/EnergyModel.h"
#include "model/FeatureSwitches.h"
#include "projectfile/ProjectHeader.h"
#include "shell/RunState.h"
#include "text/NumberText.h"
#include "wizard/MotorDefaults.h"

namespace korvane::wizard {

namespace {

using namespace model;

constexpr int kFallbackFlowControl = 3;
constexpr int kAcrossTheLine = 4;
constexpr int kCoolingTower = 2;

// Counts and percentages are 16-bit fields; a value still being typed may lie
// outside, and must not wrap round.
std::uint16_t count16(int value) {
  return static_cast<std::uint16_t>(std::clamp(value, 0, 65535));
}

}  // namespace

EditorLayout ApplicationTypeLayout(int applicationType) {
  EditorLayout layout;
  switch (applicationType) {
    case 0:
      layout.fanList = true;
      layout.flowControlRow = !FeatureOff(NoFlowControlType);
      break;
    case 1:
      layout.pumpList = true;
      layout.flowControlRow = !FeatureOff(NoFlowControlType);
      layout.minimumHeadRow = !FeatureOff(NoMinimumHead);
      break;
    case kCoolingTower:
      layout.wetBulbColumn = true;
      break;
    default:
      break;
  }
  return layout;
}

SystemEditor::SystemEditor(EnergyModel& model, ParameterCatalogue& catalogue,
                           projectfile::ProjectHeader& header, shell::RunState& state)
    : model_(model), catalogue_(catalogue), header_(header), state_(state) {}

RangeCheckContext SystemEditor::rangeContext() const {
  return {model_.project.PowerInKw() != 0, choices.incentiveUnit};
}

void SystemEditor::Enter_Field(int n) {
  if (n < 1 || n > kParameterCount) return;
  const BoundInput* edit = catalogue_.Bound_Edit(n);
  if (!edit) return;
  entered_[static_cast<size_t>(n)] =
      catalogue_.Format_Prm(n, text::parseNumber(edit->text()).value_or(0));
}

void SystemEditor::Leave_Field(int n) {
  BoundInput* edit = catalogue_.Bound_Edit(n);
  if (!edit || catalogue_.Owner(n) != EditOwner::Wizard) return;
  // Without a recorded entry the field is compared with its stored value.
  std::optional<std::string>& entered = entered_[static_cast<size_t>(n)];
  const std::string before =
      entered ? *entered : catalogue_.Format_Prm(n, catalogue_.Get_Prm_Value(n));
  entered.reset();
  catalogue_.Check_Prm_Edit(*edit, rangeContext());
  const bool changed = edit->text() != before;
  switch (n) {
    case kPrmMotorPower:
      if (!changed) break;
      userOverride_ = false;
      if (!FeatureOff(NoMotorDefaults)) Apply_Motor_Defaults();
      break;
    case kPrmMotorFla:
      if (changed) userOverride_ = false;
      break;
    case kPrmMotorEfficiency:
    case kPrmDriveMotorEfficiency:
    case kPrmDriveCost:
    case kPrmPowerIncentive:
      // The user's own figures are kept against the motor defaults.
      if (changed) userOverride_ = true;
      break;
    default:
      if (n >= kPrmFirstTimePercent && n < kPrmFirstFlowPercent + kPointCount) {
        Check_Duty_Cycle(nullptr);
      }
      break;
  }
}

void SystemEditor::Set_Incentive_Unit(int unit) {
  choices.incentiveUnit = unit;
  // The limit depends on the unit: the amount is checked again.
  Enter_Field(kPrmPowerIncentive);
  Leave_Field(kPrmPowerIncentive);
}

EditorLayout SystemEditor::Set_Application_Type(int applicationType) {
  choices.applicationType = applicationType;
  return ApplicationTypeLayout(applicationType);
}

double SystemEditor::motorPowerHp() const {
  const double typed = catalogue_.Read_Prm_Edit_Float(kPrmMotorPower, 0);
  return model_.project.PowerInKw() ? typed / kKwPerHp : typed;
}

void SystemEditor::Apply_Motor_Defaults() {
  catalogue_.Write_Prm_Edit_Value(kPrmMotorEfficiency, DefaultMotorEfficiency(motorPowerHp()));
  Apply_Fla_Default();
}

void SystemEditor::Apply_Fla_Default() {
  const int item = choices.voltageItem;
  const std::string_view voltage = item >= 0 && item < static_cast<int>(kVoltageTexts.size())
                                       ? kVoltageTexts[static_cast<size_t>(item)]
                                       : std::string_view();
  if (const auto fla = DefaultMotorFla(motorPowerHp(), voltage)) {
    catalogue_.Write_Prm_Edit_Value(kPrmMotorFla, *fla);
  }
}

bool SystemEditor::Check_Duty_Cycle(MessageSink* messages) {
  lastCheck_ = wizard::Check_Duty_Cycle(Read_Duty_Cycle(catalogue_, choices.alternate), messages);
  return lastCheck_.passed;
}

void SystemEditor::Restore_Duty_Cycle() {
  catalogue_.Reset_Duty_Cycle(std::max(choices.applicationType, 0));
  Check_Duty_Cycle(nullptr);
}

void SystemEditor::Show_Cancelled_Total() {
  lastCheck_.duplicateLabel.clear();
  lastCheck_.totalLabel = kTotalAfterCancel;
  lastCheck_.totalRed = false;
}

void SystemEditor::Reset_For_New_Project(int application) {
  choices.autoCatalog = false;
  choices.bypass = false;
  choices.powerIncentiveOneTime = true;
  header_.utilityIncentiveOneTime = true;
  if (application >= 0) choices.applicationType = application;
  Restore_Duty_Cycle();
  if (!FeatureOff(NoMotorDefaults)) Apply_Fla_Default();
}

bool SystemEditor::Update_Record_System(int i) {
  TVexEnergySystem* system = model_.project.Get_System(i);
  if (!system) return false;
  catalogue_.Set_Fields(1);
  TVexEnergySystem& r = model_.editorRecord;
  const int type =
      choices.applicationType >= 0 ? choices.applicationType : system->ApplicationType();
  r.Set_ApplicationType(type);
  r.Set_AlternateRate(value(kPrmAlternateRate));
  r.Set_Identification(choices.identification);
  r.Set_UserOverride(userOverride_ ? 1 : 0);
  r.Set_AutoCatalog(choices.autoCatalog ? 1 : 0);
  r.Set_BypassRequired(choices.bypass ? 1 : 0);
  r.Set_CatalogNumber(choices.catalogNumber);

  r.Set_DaysPerWeek(count16(rounded(kPrmDaysPerWeek)));
  r.Set_DemandCharge(value(kPrmDemandCharge));
  r.Set_DemandRebate(value(kPrmDemandRebate));
  r.Set_DriveMotorEfficiency(value(kPrmDriveMotorEfficiency));
  r.Set_DriveCost(static_cast<float>(rounded(kPrmDriveCost)));
  if (!FeatureOff(NoFla)) r.Set_MotorFla(value(kPrmMotorFla));

  int flowControl = kAcrossTheLine;
  if (type == 0 || type == 1) {
    const int selected = type == 0 ? choices.fanFlowControl : choices.pumpFlowControl;
    flowControl = selected >= 0 ? selected : kFallbackFlowControl;
  }
  r.Set_FlowControl(flowControl);
  r.Set_PresentAcrossTheLine(flowControl == kAcrossTheLine ? 1 : 0);

  for (int p = 1; p <= kPointCount; ++p) {
    r.Set_FlowPercent(p, count16(rounded(kPrmFirstFlowPercent + p - 1)));
    r.Set_TimePercent(p, count16(rounded(kPrmFirstTimePercent + p - 1)));
    r.Set_AltRateAtPoint(p, choices.alternate[static_cast<size_t>(p - 1)] ? 1 : 0);
  }

  r.Set_MinimumHead(value(kPrmMinimumHead));
  r.Set_HoursPerDay(count16(rounded(kPrmHoursPerDay)));
  r.Set_HoursPerYear(count16(rounded(kPrmHoursPerYear)));
  r.Set_HoursPerYearMode(choices.hoursPerYear ? 1 : 0);
  r.Set_InstallCost(static_cast<float>(rounded(kPrmInstallCost)));
  r.Set_DemandUnit(header_.demandUnitItem);
  r.Set_Motor_Power(value(kPrmMotorPower), model_.project.PowerInKw() != 0);
  r.Set_MotorEfficiency(value(kPrmMotorEfficiency));

  r.Set_Quantity(count16(rounded(kPrmQuantity)));
  r.Set_IncentiveOneTime(header_.utilityIncentiveOneTime ? 1 : 0);
  r.Set_PowerIncentive(value(kPrmPowerIncentive));
  r.Set_PowerIncentiveOneTime(choices.powerIncentiveOneTime ? 1 : 0);
  r.Set_IncentiveUnit(std::max(choices.incentiveUnit, 0));
  r.Set_UtilityName(header_.utilityName);
  r.Set_EnergyRate(value(kPrmEnergyRate));
  r.Set_UtilityIncentive(value(kPrmUtilityIncentive));
  if (!FeatureOff(NoVoltage)) r.Set_VoltageClass(choices.voltageItem);
  r.Set_WeeksPerYear(count16(rounded(kPrmWeeksPerYear)));

  if (system->Same_System(r)) return false;
  if (!system->Copy_System(r)) return false;
  state_.ProjectModified = true;
  return true;
}

void SystemEditor::Transfer_Record_To_System(int i) {
  TVexEnergySystem* system = model_.project.Get_System(i);
  if (!system) return;
  catalogue_.Set_Fields(1);
  const int type = system->ApplicationType();
  choices.applicationType = type;
  choices.autoCatalog = system->AutoCatalog() != 0;
  if (!FeatureOff(NoBypass)) choices.bypass = system->BypassRequired() != 0;
  choices.catalogNumber = system->CatalogNumber();
  if (type == 0) choices.fanFlowControl = system->FlowControl();
  if (type == 1) choices.pumpFlowControl = system->FlowControl();
  if (type == kCoolingTower) {
    // A cooling tower has no list: it always runs across the line.
    system->Set_FlowControl(kAcrossTheLine);
    system->Set_PresentAcrossTheLine(1);
  }
  header_.utilityIncentiveOneTime = system->IncentiveOneTime() != 0;
  choices.powerIncentiveOneTime = system->PowerIncentiveOneTime() != 0;
  choices.incentiveUnit = system->IncentiveUnit();
  for (int p = 1; p <= kPointCount; ++p) {
    choices.alternate[static_cast<size_t>(p - 1)] = system->AltRateAtPoint(p) != 0;
  }
  header_.demandUnitItem = system->DemandUnit();
  choices.identification = system->Identification();
  header_.utilityName = system->UtilityName();
  choices.voltageItem = system->VoltageClass();
  choices.hoursPerYear = system->HoursPerYearMode() == 1;

  const std::pair<int, double> values[] = {
      {kPrmInstallCost, system->InstallCost()},
      {kPrmDriveCost, system->DriveCost()},
      {kPrmMinimumHead, system->MinimumHead()},
      {kPrmDriveMotorEfficiency, system->DriveMotorEfficiency()},
      {kPrmMotorEfficiency, system->MotorEfficiency()},
      {kPrmMotorFla, system->MotorFla()},
      {kPrmMotorPower, system->Get_Motor_Power(model_.project.PowerInKw() != 0)},
      {kPrmQuantity, system->Quantity()},
      {kPrmDaysPerWeek, system->DaysPerWeek()},
      {kPrmHoursPerDay, system->HoursPerDay()},
      {kPrmHoursPerYear, system->HoursPerYear()},
      {kPrmWeeksPerYear, system->WeeksPerYear()},
      {kPrmAlternateRate, system->AlternateRate()},
      {kPrmDemandCharge, system->DemandCharge()},
      {kPrmDemandRebate, system->DemandRebate()},
      {kPrmUtilityIncentive, system->UtilityIncentive()},
      {kPrmPowerIncentive, system->PowerIncentive()},
      {kPrmEnergyRate, system->EnergyRate()},
  };
  for (auto [n, v] : values) catalogue_.Set_Prm_Value(n, v);
  for (int p = 1; p <= kPointCount; ++p) {
    catalogue_.Set_Prm_Value(kPrmFirstFlowPercent + p - 1, system->FlowPercent(p));
    catalogue_.Set_Prm_Value(kPrmFirstTimePercent + p - 1, system->TimePercent(p));
  }
  userOverride_ = system->UserOverride() != 0;
}

}  // namespace korvane::wizard
