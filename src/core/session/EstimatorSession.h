#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/EfficiencyCurves.h"
#include "model/EnergyModel.h"
#include "model/ParameterCatalogue.h"
#include "platform/MessageSink.h"
#include "platform/TextField.h"
#include "preferences/PreferenceProcedures.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectHeader.h"

namespace korvane {

class AlertSound;
class ProgramExit;
class SettingsStore;

// What opening a project file came to, for the caption, the status bar and
// the batch tool's output.
struct OpenOutcome {
  bool opened = false;
  // What was shown when the file did not become the project.
  std::string message;
  // The system's words when the file itself could not be read.
  std::string fileReason;
  int projectType = -1;
  int systemCount = 0;
  // Systems whose own utility values differed from the project's (which
  // they now carry).
  std::vector<int> otherUtilityValues;
  // The utility step's choices of the last block, which the wizard shows.
  bool powerIncentiveOneTime = true;
  int incentiveUnit = 0;
};

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

  // The one way a project file is opened, by the desktop program and the
  // batch tool alike: the file is read once and checked, and only a file
  // that will become the project changes anything (preferences, settings
  // store, catalogue, curves, systems). Messages go to the message sink.
  OpenOutcome Open_Project_File(const std::filesystem::path& path);
  OpenOutcome Open_Project_Text(std::string_view bytes);

  // Makes a staged project the current one. The staged project must have
  // passed the checks of the open above.
  void Apply_Staged_Project(const projectfile::StagedProject& staged, OpenOutcome& outcome);

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

 private:
  // Passes messages on and remembers the last, for the open's outcome.
  class RecordingSink : public MessageSink {
   public:
    explicit RecordingSink(MessageSink& target) : target_(target) {}
    MessageAnswer show(MessageKind kind, std::string_view text, MessageButtons buttons) override {
      last = std::string(text);
      return target_.show(kind, text, buttons);
    }
    std::string last;

   private:
    MessageSink& target_;
  };

  OpenOutcome decideAndApply(bool read, std::string fileReason);
  void adoptHeader(const projectfile::StagedProject& staged);
  void applyPreferences(const projectfile::StagedProject& staged);
  void takeUtilityValues(const projectfile::StagedProject& staged, OpenOutcome& outcome);

  InputForm* wizardForm_;
  RecordingSink openMessages_{messages};
  projectfile::ProjectFileReader reader_{catalogue, openMessages_};
};

}  // namespace korvane
