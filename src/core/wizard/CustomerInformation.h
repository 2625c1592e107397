#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/WizardFields.h"

namespace korvane::model {
class ParameterCatalogue;
}
namespace korvane::projectfile {
struct ProjectHeader;
}
namespace korvane::shell {
struct RunState;
}

namespace korvane::wizard {

// The customer and utility steps: their texts live in the project header,
// the utility numbers in the parameter catalogue.
class CustomerInformation {
 public:
  CustomerInformation(projectfile::ProjectHeader& header, shell::RunState& state,
                      model::ParameterCatalogue& catalogue);

  const std::string& Text(model::FieldValue field) const;
  // What the user typed into a field. A different text is an unsaved change;
  // a new project name is also shown in the main window's status line.
  void Set_Text(model::FieldValue field, std::string_view text);
  // Called after the project name changed.
  std::function<void()> ProjectNameChanged;

  // Empties every customer field, the project name included.
  void Clear();
  // The utility step's defaults: one-time incentive, "KW", no utility name
  // and the factory texts of its rates (and of the system editor's rebate).
  void Restore_Utility();

  // The customer block of the report: contact, title, company and address
  // when filled, then the location line.
  void Rebuild_Prepared_For();
  const std::vector<std::string>& Prepared_For() const { return preparedFor_; }

 private:
  // Nothing for a value that is not one of the step texts.
  std::string* field(model::FieldValue f);

  projectfile::ProjectHeader& header_;
  shell::RunState& state_;
  model::ParameterCatalogue& catalogue_;
  std::vector<std::string> preparedFor_;
};

}  // namespace korvane::wizard
