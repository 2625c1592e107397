#include "wizard/CustomerInformation.h"

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "projectfile/ProjectHeader.h"
#include "shell/RunState.h"

namespace korvane::wizard {

CustomerInformation::CustomerInformation(projectfile::ProjectHeader& header, shell::RunState& state,
                                         model::ParameterCatalogue& catalogue)
    : header_(header), state_(state), catalogue_(catalogue) {}

std::string& CustomerInformation::field(CustomerField f) {
  projectfile::ProjectHeader& h = header_;
  switch (f) {
    case CustomerField::ProjectName:
      return h.projectName;
    case CustomerField::Contact:
      return h.contact;
    case CustomerField::Title:
      return h.title;
    case CustomerField::Company:
      return h.company;
    case CustomerField::Address:
      return h.address;
    case CustomerField::City:
      return h.city;
    case CustomerField::State:
      return h.state;
    case CustomerField::Zip:
      return h.zip;
    case CustomerField::Country:
      return h.country;
    case CustomerField::AreaCode:
      return h.telArea;
    case CustomerField::Telephone:
      return h.telNumber;
    case CustomerField::Fax:
      return h.faxNumber;
    case CustomerField::Email:
      return h.email;
    case CustomerField::UtilityName:
      break;
  }
  return h.utilityName;
}

const std::string& CustomerInformation::Text(CustomerField f) const {
  return const_cast<CustomerInformation*>(this)->field(f);
}

void CustomerInformation::Set_Text(CustomerField f, std::string_view text) {
  std::string& stored = field(f);
  if (stored == text) return;
  stored = text;
  state_.ProjectModified = true;
  if (f == CustomerField::ProjectName && ProjectNameChanged) ProjectNameChanged();
}

void CustomerInformation::Clear() {
  for (CustomerField f :
       {CustomerField::ProjectName, CustomerField::Contact, CustomerField::Title,
        CustomerField::Company, CustomerField::Address, CustomerField::City, CustomerField::State,
        CustomerField::Zip, CustomerField::Country, CustomerField::AreaCode,
        CustomerField::Telephone, CustomerField::Fax, CustomerField::Email}) {
    Set_Text(f, "");
  }
}

void CustomerInformation::Restore_Utility() {
  header_.utilityIncentiveOneTime = true;
  header_.demandUnitItem = 0;
  Set_Text(CustomerField::UtilityName, "");
  // Hidden rows are reset too: their values still enter the calculation.
  for (int n : {model::kPrmAlternateRate, model::kPrmDemandCharge, model::kPrmDemandRebate,
                model::kPrmUtilityIncentive, model::kPrmEnergyRate}) {
    catalogue_.Show_Prm_Default(n);
  }
}

void CustomerInformation::Rebuild_Prepared_For() {
  const projectfile::ProjectHeader& h = header_;
  preparedFor_.clear();
  for (const std::string* line : {&h.contact, &h.title, &h.company, &h.address}) {
    if (!line->empty()) preparedFor_.push_back(*line);
  }
  if (model::FeatureOff(model::NoStateField)) {
    // City, state and zip are typed as one text into the zip field then.
    if (!h.zip.empty()) preparedFor_.push_back(h.zip);
  } else if (!h.city.empty()) {
    preparedFor_.push_back(h.city + ", " + h.state + " " + h.zip);
  }
}

}  // namespace korvane::wizard
