#include "wizard/CustomerInformation.h"

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "projectfile/ProjectHeader.h"
#include "shell/RunState.h"

namespace korvane::wizard {

CustomerInformation::CustomerInformation(projectfile::ProjectHeader& header, shell::RunState& state,
                                         model::ParameterCatalogue& catalogue)
    : header_(header), state_(state), catalogue_(catalogue) {}

std::string* CustomerInformation::field(model::FieldValue f) {
  using model::FieldValue;
  projectfile::ProjectHeader& h = header_;
  switch (f) {
    case FieldValue::ProjectName:
      return &h.projectName;
    case FieldValue::Contact:
      return &h.contact;
    case FieldValue::Title:
      return &h.title;
    case FieldValue::Company:
      return &h.company;
    case FieldValue::Address:
      return &h.address;
    case FieldValue::City:
      return &h.city;
    case FieldValue::State:
      return &h.state;
    case FieldValue::Zip:
      return &h.zip;
    case FieldValue::Country:
      return &h.country;
    case FieldValue::TelArea:
      return &h.telArea;
    case FieldValue::TelNumber:
      return &h.telNumber;
    case FieldValue::FaxNumber:
      return &h.faxNumber;
    case FieldValue::Email:
      return &h.email;
    case FieldValue::UtilityName:
      return &h.utilityName;
    default:
      return nullptr;
  }
}

const std::string& CustomerInformation::Text(model::FieldValue f) const {
  static const std::string kNone;
  const std::string* text = const_cast<CustomerInformation*>(this)->field(f);
  return text ? *text : kNone;
}

void CustomerInformation::Set_Text(model::FieldValue f, std::string_view text) {
  std::string* stored = field(f);
  if (!stored || *stored == text) return;
  *stored = text;
  state_.ProjectModified = true;
  if (f == model::FieldValue::ProjectName && ProjectNameChanged) ProjectNameChanged();
}

void CustomerInformation::Clear() {
  using model::FieldValue;
  for (FieldValue f : {FieldValue::ProjectName, FieldValue::Contact, FieldValue::Title,
                       FieldValue::Company, FieldValue::Address, FieldValue::City,
                       FieldValue::State, FieldValue::Zip, FieldValue::Country, FieldValue::TelArea,
                       FieldValue::TelNumber, FieldValue::FaxNumber, FieldValue::Email}) {
    Set_Text(f, "");
  }
}

void CustomerInformation::Restore_Utility() {
  header_.utilityIncentiveOneTime = true;
  header_.demandUnit = model::DemandUnit::Kw;
  Set_Text(model::FieldValue::UtilityName, "");
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
