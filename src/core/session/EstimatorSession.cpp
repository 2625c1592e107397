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

bool EstimatorSession::Start() {
  if (!catalogue.Build(wizardForm_, &controls)) return false;
  procedures.Load_OPT2();
  return true;
}

}  // namespace korvane
