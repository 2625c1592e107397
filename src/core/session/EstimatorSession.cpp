#include "session/EstimatorSession.h"

namespace korvane {

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

bool EstimatorSession::Adopt_Opened_Project(const projectfile::StagedProject& staged) {
  header = staged.header;
  header.systemOrder.clear();
  header.projectType = staged.projectMode;
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
  return staged.projectMode == 0 || staged.projectMode == 1;
}

}  // namespace korvane
