#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "model/ObjectState.h"
#include "model/WizardFields.h"
#include "wizard/SystemEditor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace korvane {
class EstimatorSession;
}
namespace korvane::wizard {
class EstimationWizard;
}

namespace korvane::gui {

class DutyCycleChart;
class ParameterEdit;

// Step 3's system editor, "System Information": one system's inputs, its rows
// built from the field table, and the duty-cycle table with its check.
class SystemEditorPanel : public QWidget {
 public:
  SystemEditorPanel(EstimatorSession& session, wizard::EstimationWizard& wizard,
                    QWidget* parent = nullptr);

  // Shows the catalogue's fields and the editor's choices, units and check.
  void load();
  // The total, the "Duplicate" label and the chart after a check.
  void showCheck();
  // Members of the wizard's hours-entry and application-type switches.
  void showHoursRows(int view, bool shown);
  void showApplicationLayout(const wizard::EditorLayout& layout);

 private:
  struct Row {
    const model::WizardField* field;
    QWidget* widget;
    QLabel* unit;
  };

  QWidget* buildGroup(model::FieldGroup group);
  QWidget* buildRow(const model::WizardField& f, QWidget* parent);
  QWidget* buildInput(const model::WizardField& f, QWidget* parent);
  QComboBox* buildList(const model::WizardField& f, QWidget* parent);
  QWidget* buildDutyCycle();
  ParameterEdit* parameterEdit(const model::WizardField& f, QWidget* parent);
  void fieldLeft(int n);
  void loadChoices();

  EstimatorSession& session_;
  wizard::EstimationWizard& wizard_;
  std::vector<Row> rows_;
  std::vector<ParameterEdit*> edits_;
  QLineEdit* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QComboBox* fanFlow_ = nullptr;
  QComboBox* pumpFlow_ = nullptr;
  QComboBox* voltage_ = nullptr;
  QComboBox* incentiveUnit_ = nullptr;
  QRadioButton* hoursPerDay_ = nullptr;
  QRadioButton* hoursPerYear_ = nullptr;
  QRadioButton* incentiveOneTime_ = nullptr;
  QRadioButton* incentiveYearly_ = nullptr;
  QButtonGroup* hoursChoice_ = nullptr;
  QButtonGroup* incentiveChoice_ = nullptr;
  std::array<QCheckBox*, model::kPointCount> alternate_{};
  std::vector<QWidget*> wetBulb_;
  QLabel* total_ = nullptr;
  QLabel* duplicate_ = nullptr;
  DutyCycleChart* chart_ = nullptr;
};

}  // namespace korvane::gui
