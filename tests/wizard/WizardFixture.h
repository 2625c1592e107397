#pragma once

#include <map>
#include <string>
#include <vector>

#include "SessionFixture.h"
#include "platform/BoundLabel.h"
#include "shell/RunState.h"
#include "wizard/EstimationWizard.h"

namespace korvane::testing {

class FakeWizardWindow : public wizard::WizardWindow {
 public:
  void Show_Step(int step) override { shownStep = step; }
  void Close_Wizard() override { ++closes; }
  void Focus_Project_Name() override { ++focusProjectName; }
  void Show_System_Counter(std::string_view count) override { counter = count; }

  int shownStep = 0;
  int closes = 0;
  int focusProjectName = 0;
  std::string counter;
};

class FakeLabel : public BoundLabel {
 public:
  void Show_Result(std::string_view shown, model::SlotColour c) override {
    text = shown;
    colour = c;
  }
  std::string text;
  model::SlotColour colour = model::SlotColour::WindowText;
};

// A started session with the wizard's logic on plain fields.
class WizardFixture : public SessionFixture {
 protected:
  void SetUp() override { start(); }

  // Types into a parameter's field as the user does: enter, type, leave.
  void type(int parameter, const std::string& text) {
    wiz.editor.Enter_Field(parameter);
    session.catalogue.Bound_Edit(parameter)->setText(text);
    wiz.editor.Leave_Field(parameter);
  }
  std::string field(int parameter) const { return session.catalogue.Bound_Edit(parameter)->text(); }
  void setTimes(const std::vector<int>& times) {
    for (size_t i = 0; i < times.size(); ++i) {
      session.catalogue.Bound_Edit(model::kPrmFirstTimePercent + static_cast<int>(i))
          ->setText(std::to_string(times[i]));
    }
  }
  void setFlow(int row, int flow) {
    session.catalogue.Bound_Edit(model::kPrmFirstFlowPercent + row - 1)
        ->setText(std::to_string(flow));
  }

  // A new project of that type shown by the wizard, as after New Project.
  void newProject(int projectType, int application = 0) {
    state.ProjectActive = true;
    state.ProjectType = projectType;
    state.NewProjectPending = true;
    state.NewProjectApplication = projectType == 1 ? -1 : application;
    state.ResumeProject = false;
    project.Set_System_Count(0);
    wiz.Form_Show();
  }

  // Adds a system to a project of several through the editor.
  void addSystem(const std::string& name, int application) {
    wiz.Add_System_Clicked();
    wiz.Set_Application_Type(application);
    wiz.editor.choices.identification = name;
    ASSERT_TRUE(wiz.Add_System());
  }

  shell::RunState state;
  FakeWizardWindow window;
  wizard::EstimationWizard wiz{session, state, window};
};

}  // namespace korvane::testing
