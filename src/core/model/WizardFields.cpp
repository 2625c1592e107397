#include "model/WizardFields.h"

#include "model/ResultSlots.h"

namespace korvane::model {

bool SwitchedOff(const SwitchRule& rule) {
  const bool first = FeatureOff(rule.first);
  const bool second = FeatureOff(rule.second);
  switch (rule.mode) {
    case SwitchRule::Mode::Either:
      return first || second;
    case SwitchRule::Mode::Both:
      return first && second;
    case SwitchRule::Mode::OnlyWhileSet:
      return !first;
  }
  return false;
}

bool KeyAccepted(KeyFilter filter, char32_t key) {
  const bool digit = key >= U'0' && key <= U'9';
  switch (filter) {
    case KeyFilter::None:
      return true;
    case KeyFilter::Number:
      return digit || key == U'-' || key == U'.' || key == kBackspace;
    case KeyFilter::Digits:
      return digit || key == kBackspace;
    case KeyFilter::Text:
      return key != U'=' && key != U'[' && key != U']';
    case KeyFilter::List:
      return key != kBackspace;
  }
  return false;
}

const WizardField* FindWizardField(std::string_view name) {
  // A hidden row is still on the form; of two rows of one name (the zip
  // input) the switches keep one.
  const WizardField* found = nullptr;
  for (const WizardField& f : kWizardFields) {
    if (f.name != name) continue;
    if (!SwitchedOff(f.hiddenBy)) return &f;
    if (!found) found = &f;
  }
  return found;
}

std::string UnitLabelText(const WizardField& field, const ResultDisplay& display, bool powerInKw) {
  switch (field.unitRule) {
    case UnitRule::Fixed:
      return std::string(field.unit);
    case UnitRule::PowerUnit:
      return GetPowerUnits(display, powerInKw);
    case UnitRule::PressureUnit:
      return GetPressureUnits(display);
    case UnitRule::Currency:
      return display.currencySymbol;
    case UnitRule::None:
    case UnitRule::IncentiveUnitList:
      break;
  }
  return {};
}

}  // namespace korvane::model
