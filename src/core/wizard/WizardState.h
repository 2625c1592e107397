#pragma once

namespace korvane::wizard {

// What the wizard remembers between its steps while it is shown.
struct WizardState {
  int CurrentSystem = -1;  // 1-based; -1 when none is selected
  bool EditingExistingSystem = false;
  bool ReturnToStep4 = false;
  bool WizardReady = false;
};

}  // namespace korvane::wizard
