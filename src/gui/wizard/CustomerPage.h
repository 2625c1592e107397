#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <vector>

#include "wizard/CustomerInformation.h"

namespace korvane::wizard {
class EstimationWizard;
}

namespace korvane::gui {

// Step 1: the project name and the customer, the rows built from the field
// table. The texts live in the project header; the page shows and edits them.
class CustomerPage : public QWidget {
 public:
  CustomerPage(wizard::EstimationWizard& wizard, QWidget* parent = nullptr);

  // Shows what the header holds; the titles follow the project type.
  void load(const QString& title);
  QLineEdit* projectName() const { return projectName_; }

  // "Edit contact information": the preferences on "Report Layout".
  std::function<void()> EditContactInformation;

 private:
  struct Input {
    QLineEdit* edit;
    model::FieldValue field;
  };

  wizard::EstimationWizard& wizard_;
  std::vector<Input> inputs_;
  QLineEdit* projectName_ = nullptr;
  QLabel* heading_ = nullptr;
};

}  // namespace korvane::gui
