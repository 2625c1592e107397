#pragma once

#include <string>
#include <vector>

#include "model/Kinds.h"

namespace korvane::projectfile {

// The project's own data that is not part of any system record: the customer
// step, the utility values shared by every system, and how the project is kept.
struct ProjectHeader {
  std::string projectName;
  std::string contact;
  std::string company;
  std::string title;
  std::string address;
  std::string city;
  std::string state;
  std::string zip;
  std::string country;
  std::string telArea;
  std::string telNumber;
  std::string faxNumber;
  std::string email;

  std::string utilityName;
  model::DemandUnit demandUnit = model::DemandUnit::Kw;
  bool utilityIncentiveOneTime = true;

  model::ProjectType projectType = model::ProjectType::SingleSystem;
  // System numbers in the order of the systems tree; empty means 1, 2, 3, ...
  std::vector<int> systemOrder;

  // The customer step's fields (project name to e-mail) emptied.
  void Clear_Customer_Information() {
    for (std::string* field : {&projectName, &contact, &company, &title, &address, &city, &state,
                               &zip, &country, &telArea, &telNumber, &faxNumber, &email}) {
      field->clear();
    }
  }
};

}  // namespace korvane::projectfile
