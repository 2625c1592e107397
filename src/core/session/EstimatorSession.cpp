#include "session/EstimatorSession.h"

#include <algorithm>

#include "model/FeatureSwitches.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "preferences/Co2Factors.h"
#include "text/NumberText.h"

namespace korvane {

namespace {

constexpr std::string_view kSystemNotCalculable =
    "A system of the project file cannot be calculated: its application type or flow control "
    "is not known to this program.";

bool calculable(const model::TVexEnergySystem& system) {
  return model::IsKnown(system.ApplicationType()) && model::IsKnown(system.FlowControl());
}

}  // namespace

EstimatorSession::EstimatorSession(MessageSink& messagesSink, AlertSound& alert, ProgramExit& exit,
                                   SettingsStore& settings, preferences::NumberFormat format,
                                   InputForm* wizardForm)
    : messages(messagesSink),
      store(settings),
      catalogue(messagesSink, alert, exit),
      curves(catalogue, model.project, settings),
      procedures(settings, values, controls, catalogue, model.project, curves, std::move(format)),
      wizardForm_(wizardForm ? wizardForm : &plainWizardFields) {}

bool EstimatorSession::Build_Catalogue() {
  return catalogue.Build(wizardForm_, &controls);
}

bool EstimatorSession::Start() {
  if (!Build_Catalogue()) return false;
  procedures.Load_OPT2();
  return true;
}

OpenOutcome EstimatorSession::Open_Project_File(const std::filesystem::path& path) {
  openMessages_.last.clear();
  std::string reason;
  const bool read = reader_.ReadProjectFile(path, &reason);
  return decideAndApply(read, reason);
}

OpenOutcome EstimatorSession::Open_Project_Text(std::string_view bytes) {
  openMessages_.last.clear();
  return decideAndApply(reader_.Read_Project_Text(bytes), {});
}

OpenOutcome EstimatorSession::decideAndApply(bool read, std::string fileReason) {
  OpenOutcome outcome;
  outcome.fileReason = std::move(fileReason);
  const projectfile::StagedProject& staged = reader_.Staged();
  // Everything is decided here, before anything changes.
  auto refuse = [&](std::string_view message) {
    if (!message.empty()) openMessages_.show(MessageKind::Plain, message, MessageButtons::Ok);
    outcome.message = openMessages_.last;
    return outcome;
  };
  if (!read) return refuse({});
  if (!staged.projectType) {
    return refuse(projectfile::kNoValidInformation);
  }
  if (!std::all_of(staged.systems.begin(), staged.systems.end(),
                   [](const auto& system) { return calculable(*system); })) {
    openMessages_.show(MessageKind::Error, kSystemNotCalculable, MessageButtons::Ok);
    return refuse({});
  }
  Apply_Staged_Project(staged, outcome);
  return outcome;
}

void EstimatorSession::Apply_Staged_Project(const projectfile::StagedProject& staged,
                                            OpenOutcome& outcome) {
  applyPreferences(staged);
  adoptHeader(staged);

  auto& project = model.project;
  // A project of one system holds one, whatever the file carries.
  const int count = staged.projectType == model::ProjectType::SingleSystem
                        ? std::min(staged.systemCount, 1)
                        : staged.systemCount;
  for (int i = 1; i <= count; ++i) {
    project.Get_System(i)->Copy_System(*staged.systems[static_cast<size_t>(i - 1)]);
  }
  project.Set_System_Count(count);
  takeUtilityValues(staged, outcome);
  for (int i = 1; i <= count; ++i) project.Prepare_System(i);

  outcome.opened = true;
  outcome.projectType = staged.projectType;
  outcome.systemCount = count;
  outcome.powerIncentiveOneTime = staged.powerIncentiveOneTime;
  outcome.incentiveUnit = staged.incentiveUnit;
}

void EstimatorSession::applyPreferences(const projectfile::StagedProject& staged) {
  auto& project = model.project;

  if (staged.co2Mode) {
    project.Set_Co2Source(*staged.co2Mode);
    controls.fuelButton = *staged.co2Mode;
  }
  if (staged.co2Title) {
    values.co2Description = *staged.co2Title;
    controls.fuelDescription = *staged.co2Title;
  }
  project.Set_PowerInKw(staged.powerInKw.value_or(false) ? 1 : 0);
  values.metricUnits = staged.metricUnits.value_or(false);
  values.weightLabel = values.metricUnits ? preferences::kKg : preferences::kLbs;

  if (staged.customCurrency) values.customCurrency = *staged.customCurrency;
  const int mode = staged.currencyMode.value_or(1);
  procedures.Apply_Currency_Mode(mode >= 1 && mode <= 3 ? mode : 0, true);
  for (size_t i = 0; i < 2; ++i) {
    if (staged.customTitles[i]) values.customTitles[i] = *staged.customTitles[i];
  }
  controls.customTitles = values.customTitles;
  controls.powerKw = project.PowerInKw() != 0;
  controls.metricUnits = values.metricUnits;

  settings::kPowerInKw.write(store, project.PowerInKw() != 0);
  settings::kMetricUnits.write(store, values.metricUnits);
  settings::kCurrencyMode.write(store, values.currencyMode);
  settings::kCustomCurrency.write(store, values.customCurrency);
  if (staged.co2Mode) settings::kCo2Source.write(store, *staged.co2Mode);
  if (staged.co2Title) settings::kCo2Description.write(store, *staged.co2Title);

  for (size_t i = 0; i < staged.co2Factors.size(); ++i) {
    if (!staged.co2Factors[i]) continue;
    const preferences::Co2Factor& factor = preferences::kCo2Factors[preferences::kCo2FileOrder[i]];
    (project.*factor.set)(*staged.co2Factors[i]);
    // The catalogue too: the factor fields and the next save show this value.
    catalogue.Set_Prm_Value(factor.parameter, *staged.co2Factors[i]);
    factor.stored->write(store, text::formatFixed(*staged.co2Factors[i], 3));
  }
  procedures.Show_Factor_Fields();
  for (size_t i = 0; i < staged.customSelected.size(); ++i) {
    if (!staged.customSelected[i]) continue;
    values.customSelected[i] = *staged.customSelected[i];
    controls.customSelected[i] = *staged.customSelected[i];
    settings::kCustomSelected[i].write(store, *staged.customSelected[i]);
  }

  // The curves the file carries: into the catalogue and the store, and (so
  // that this project is calculated with them) into the curve table.
  struct CurveTarget {
    std::optional<std::array<double, 10>> values;
    model::EfficiencyType type;
    int firstParameter;
    bool skipped;
  };
  std::optional<std::array<double, 10>> drive;
  if (staged.driveEfficiency) {
    drive = std::array<double, 10>{};
    drive->fill(*staged.driveEfficiency);
  }
  using E = model::EfficiencyType;
  const CurveTarget targets[6] = {
      {staged.curves[projectfile::kStagedCustom1], E::Custom1, model::kPrmFirstCustom1, false},
      {staged.curves[projectfile::kStagedCustom2], E::Custom2, model::kPrmFirstCustom2, false},
      {staged.curves[projectfile::kStagedOutletDamper], E::OutletDamper,
       model::kPrmFirstOutletDamper, model::FeatureOff(model::NoOutletDamper)},
      {drive, E::Drive, model::kPrmDriveEfficiency, false},
      {staged.curves[projectfile::kStagedThrottlingValve], E::ThrottlingValve,
       model::kPrmFirstThrottlingValve, false},
      {staged.curves[projectfile::kStagedInletVane], E::InletVane, model::kPrmFirstInletVane,
       model::FeatureOff(model::NoInletVane)},
  };
  for (const CurveTarget& curve : targets) {
    if (!curve.values || curve.skipped) continue;
    for (int i = 0; i < 10; ++i) {
      const int parameter =
          curve.type == E::Drive ? curve.firstParameter : curve.firstParameter + i;
      catalogue.Set_Prm_Value(parameter, (*curve.values)[static_cast<size_t>(i)]);
    }
    curves.Store_Efficiency(curve.type, model::CurveOrigin::Parameters);
    curves.Apply_Efficiency(curve.type, model::CurveSource::Stored);
  }
}

void EstimatorSession::adoptHeader(const projectfile::StagedProject& staged) {
  header = staged.header;
  header.systemOrder.clear();
  header.projectType = staged.projectType.value_or(model::ProjectType::SingleSystem);
  const std::pair<int, double> utility[] = {
      {model::kPrmEnergyRate, staged.energyRate},
      {model::kPrmAlternateRate, staged.alternateRate},
      {model::kPrmDemandCharge, staged.demandCharge},
      {model::kPrmUtilityIncentive, staged.utilityIncentive},
      {model::kPrmDemandRebate, staged.demandRebate},
      {model::kPrmPowerIncentive, staged.powerIncentive},
  };
  for (auto [parameter, value] : utility) {
    catalogue.Set_Prm_Value(parameter, value);
    catalogue.Show_Prm_Value(parameter);
  }
}

// The utility values belong to the project (the wizard's utility step shows
// one set and copies it into every system before calculating it): those of
// the last block read. Only the values this edition uses are copied.
void EstimatorSession::takeUtilityValues(const projectfile::StagedProject& staged,
                                         OpenOutcome& outcome) {
  using model::FeatureOff;
  using System = model::TVexEnergySystem;
  const auto f = [](double x) { return static_cast<float>(x); };
  const bool utilityOn = !FeatureOff(model::NoUtilityIncentive);
  const bool systemOn = !FeatureOff(model::NoSystemIncentive);
  for (int i = 1; i <= model.project.SystemCount(); ++i) {
    System& s = *model.project.Get_System(i);
    bool differs = false;
    auto take = [&](bool on, auto value, auto get, auto set) {
      if (!on) return;
      if ((s.*get)() != value) differs = true;
      (s.*set)(value);
    };
    take(true, f(staged.energyRate), &System::EnergyRate, &System::Set_EnergyRate);
    take(!FeatureOff(model::NoAlternateRate), f(staged.alternateRate), &System::AlternateRate,
         &System::Set_AlternateRate);
    take(!FeatureOff(model::NoDemandCharge), f(staged.demandCharge), &System::DemandCharge,
         &System::Set_DemandCharge);
    take(!FeatureOff(model::NoDemandRebate), f(staged.demandRebate), &System::DemandRebate,
         &System::Set_DemandRebate);
    take(utilityOn, f(staged.utilityIncentive), &System::UtilityIncentive,
         &System::Set_UtilityIncentive);
    take(utilityOn && !FeatureOff(model::NoYearlyIncentive),
         static_cast<std::int16_t>(staged.header.utilityIncentiveOneTime ? 1 : 0),
         &System::IncentiveOneTime, &System::Set_IncentiveOneTime);
    take(systemOn, f(staged.powerIncentive), &System::PowerIncentive, &System::Set_PowerIncentive);
    take(systemOn, static_cast<std::int16_t>(staged.powerIncentiveOneTime ? 1 : 0),
         &System::PowerIncentiveOneTime, &System::Set_PowerIncentiveOneTime);
    take(systemOn && !FeatureOff(model::NoPerSystemRebateUnit), staged.incentiveUnit,
         &System::IncentiveUnit, &System::Set_IncentiveUnit);
    take(true, staged.header.demandUnit, &System::DemandUnit, &System::Set_DemandUnit);
    if (differs) outcome.otherUtilityValues.push_back(i);
  }
}

}  // namespace korvane
