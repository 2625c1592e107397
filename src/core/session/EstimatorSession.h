#pragma once

#include "model/EfficiencyCurves.h"
#include "model/EnergyModel.h"
#include "model/ParameterCatalogue.h"
#include "platform/TextField.h"
#include "preferences/PreferenceProcedures.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectHeader.h"

namespace korvane {

class AlertSound;
class MessageSink;
class ProgramExit;
class SettingsStore;

// Everything a project is worked on with, wired together as the desktop
// program does it: the model, the parameter catalogue bound to the wizard's
// and the preferences dialog's fields, the curves and the preferences. The
// batch tool and the tests use it with plain fields instead of windows.
class EstimatorSession {
 public:
  EstimatorSession(MessageSink& messages, AlertSound& alert, ProgramExit& exit,
                   SettingsStore& store, preferences::NumberFormat format = {},
                   InputForm* wizardForm = nullptr);

  // Builds the catalogue and binds it to the forms' fields.
  bool Build_Catalogue();
  // Builds the catalogue and runs the start-up load of the preferences.
  bool Start();

  // After a project file was applied: its customer and utility data become the
  // wizard's, as when the desktop program opens a project. False when the
  // file did not say whether it holds one system or several.
  bool Adopt_Opened_Project(const projectfile::StagedProject& staged);

  MessageSink& messages;
  SettingsStore& store;
  model::EnergyModel model;
  FieldForm plainWizardFields;
  preferences::PreferencesControls controls;
  preferences::PreferenceValues values;
  model::ParameterCatalogue catalogue;
  model::EfficiencyCurves curves;
  preferences::PreferenceProcedures procedures;
  projectfile::ProjectHeader header;
  projectfile::ProjectFileReader reader{*this};

 private:
  InputForm* wizardForm_;
};

}  // namespace korvane
