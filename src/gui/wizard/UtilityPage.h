#pragma once

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace korvane {
class EstimatorSession;
}
namespace korvane::wizard {
class EstimationWizard;
}

namespace korvane::gui {

class ParameterEdit;

// Step 2: the utility's name, rates and incentive, built from the field table.
class UtilityPage : public QWidget {
 public:
  UtilityPage(EstimatorSession& session, wizard::EstimationWizard& wizard,
              QWidget* parent = nullptr);

  // Shows the header's choices, the rate fields and the currency symbol.
  void load();

 private:
  EstimatorSession& session_;
  wizard::EstimationWizard& wizard_;
  QLineEdit* utilityName_ = nullptr;
  std::vector<ParameterEdit*> rates_;
  std::vector<QLabel*> currencyLabels_;
  QRadioButton* oneTime_ = nullptr;
  QRadioButton* yearly_ = nullptr;
  QComboBox* demandUnit_ = nullptr;
};

}  // namespace korvane::gui
