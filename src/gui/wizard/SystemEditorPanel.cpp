#include "gui/wizard/SystemEditorPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/wizard/DutyCycleChart.h"
#include "gui/wizard/FieldWidgets.h"
#include "model/EfficiencyCurves.h"
#include "model/FeatureSwitches.h"
#include "preferences/PreferenceProcedures.h"
#include "session/EstimatorSession.h"
#include "shell/ProjectTypeChoice.h"
#include "wizard/EstimationWizard.h"

namespace korvane::gui {

namespace {

using model::FieldGroup;
using model::FieldKind;
using model::FieldValue;
using model::RowCondition;
using model::WizardField;

constexpr std::string_view kHeading = "System Information";
constexpr std::string_view kWetBulbHeading = "Wet Bulb Temp. (F)";
constexpr std::array<std::string_view, model::kPointCount> kWetBulbTexts = {
    "< 40",    "40 - 45", "46 - 50", "51 - 55", "56 - 60",
    "61 - 65", "66 - 70", "71 - 75", "76 - 80", "> 80"};
constexpr std::string_view kTotalLine = "______ +";
constexpr int kCaptionWidth = 105;

struct Hint {
  std::string_view name;
  std::string_view text;
};
constexpr std::array kHints{
    Hint{"rdbStp3_EditSyst_HourDays", "Enter operation time in hours, days and weeks"},
    Hint{"rdbStp3_EditSyst_HourYear", "Enter operation time in total yearly hours"},
};
constexpr std::string_view kAltHint = "Check to select off-peak/alternate rate";
constexpr std::string_view kFlowHint = "Enter flow rate in percentage";
constexpr std::string_view kTimeHint = "Enter duty cycle percentage, total 100%";

// The groups of the left column, top to bottom.
constexpr std::array kLeftGroups = {FieldGroup::SystemData, FieldGroup::MotorData,
                                    FieldGroup::DriveData, FieldGroup::HoursOfOperation,
                                    FieldGroup::Incentive};

bool sideBySide(FieldGroup group) {
  return group == FieldGroup::MotorData || group == FieldGroup::DriveData;
}

// List items carry the number a kind is stored as.
template <typename Kind>
int itemData(Kind kind) {
  return static_cast<int>(kind);
}

void selectData(QComboBox* list, int value) {
  if (!list) return;
  const QSignalBlocker block(list);
  list->setCurrentIndex(list->findData(value));
}

// Nothing selects no item.
template <typename Kind>
void selectData(QComboBox* list, std::optional<Kind> kind) {
  selectData(list, kind ? itemData(*kind) : -1);
}

}  // namespace

SystemEditorPanel::SystemEditorPanel(EstimatorSession& session, wizard::EstimationWizard& wizard,
                                     QWidget* parent)
    : QWidget(parent), session_(session), wizard_(wizard) {
  setObjectName(QStringLiteral("pnlStp3_EditSyst"));
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  auto* heading = new QLabel(qtext(kHeading), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  heading->setFont(big);
  page->addWidget(heading);

  auto* columns = new QHBoxLayout;
  page->addLayout(columns, 1);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 3);
  for (FieldGroup group : kLeftGroups) {
    if (QWidget* box = buildGroup(group)) left->addWidget(box);
  }
  left->addStretch();
  columns->addWidget(buildDutyCycle(), 2);
}

QWidget* SystemEditorPanel::buildGroup(FieldGroup group) {
  auto* box = new QGroupBox(qtext(model::FieldGroupCaption(group)), this);
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(4);
  int line = 0;
  int column = 0;
  QHBoxLayout* sameLine = nullptr;
  const WizardField* previous = nullptr;
  for (const WizardField& f : model::kWizardFields) {
    if (f.step != model::WizardStep::System || f.group != group) continue;
    if (model::SwitchedOff(f.hiddenBy)) continue;
    // The incentive's unit list stands beside its amount; its choice below it.
    if (previous && f.value == FieldValue::IncentiveUnit && sameLine) {
      sameLine->insertWidget(sameLine->count() - 1, buildInput(f, box));
      previous = &f;
      continue;
    }
    QWidget* row = buildRow(f, box);
    sameLine = row->findChild<QHBoxLayout*>();
    if (sideBySide(group)) {
      grid->addWidget(row, line, column);
      if (++column == 2) {
        column = 0;
        ++line;
      }
    } else {
      grid->addWidget(row, line++, 0);
    }
    previous = &f;
  }
  if (line == 0 && column == 0) {
    delete box;
    return nullptr;
  }
  return box;
}

QWidget* SystemEditorPanel::buildRow(const WizardField& f, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  QLabel* unit = nullptr;
  QWidget* input = buildInput(f, row);
  if (f.kind != FieldKind::RadioButton) {
    auto* caption = new QLabel(qtext(f.caption), row);
    caption->setMinimumWidth(kCaptionWidth);
    caption->setBuddy(input);
    line->addWidget(caption);
  }
  line->addWidget(input);
  if (f.unitRule != model::UnitRule::None && f.unitRule != model::UnitRule::IncentiveUnitList) {
    unit = new QLabel(row);
    line->addWidget(unit);
  }
  line->addStretch();
  rows_.push_back({&f, row, unit});
  return row;
}

ParameterEdit* SystemEditorPanel::parameterEdit(const WizardField& f, QWidget* parent) {
  auto* edit = new ParameterEdit(f, session_.catalogue.Bound_Edit(f.parameter),
                                 FieldAccessibleName(f), parent);
  edit->Entered = [this](int n) { wizard_.editor.Enter_Field(n); };
  edit->Left = [this](int n) { fieldLeft(n); };
  edits_.push_back(edit);
  return edit;
}

QWidget* SystemEditorPanel::buildInput(const WizardField& f, QWidget* parent) {
  switch (f.kind) {
    case FieldKind::ParameterEdit:
      return parameterEdit(f, parent);
    case FieldKind::TextEdit: {
      name_ = NewFieldEdit(f, FieldAccessibleName(f), parent);
      name_->setMinimumWidth(240);
      connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        wizard_.editor.choices.identification = text.toStdString();
      });
      return name_;
    }
    case FieldKind::List:
      return buildList(f, parent);
    case FieldKind::RadioButton:
    case FieldKind::CheckBox:
      break;
  }
  auto* radio = new QRadioButton(qtext(f.caption), parent);
  radio->setObjectName(qtext(f.name));
  radio->setAccessibleName(FieldAccessibleName(f));
  // The captions "1" and "2" say little when heard; their hints say what they choose.
  for (const Hint& h : kHints) {
    if (h.name != f.name) continue;
    radio->setToolTip(qtext(h.text));
    radio->setAccessibleDescription(qtext(h.text));
  }
  // Each choice's buttons sit in rows of their own, so they are grouped by hand.
  const bool hours = f.value == FieldValue::HoursPerYearMode;
  QButtonGroup*& group = hours ? hoursChoice_ : incentiveChoice_;
  if (!group) group = new QButtonGroup(this);
  group->addButton(radio);
  if (hours) {
    (f.item == 1 ? hoursPerYear_ : hoursPerDay_) = radio;
    connect(radio, &QRadioButton::toggled, this, [this, item = f.item](bool on) {
      if (on) wizard_.Set_Hours_Per_Year(item == 1);
    });
  } else {
    (f.item == 1 ? incentiveOneTime_ : incentiveYearly_) = radio;
    connect(radio, &QRadioButton::toggled, this, [this, item = f.item](bool on) {
      if (on) wizard_.editor.choices.powerIncentiveOneTime = item == 1;
    });
  }
  return radio;
}

QComboBox* SystemEditorPanel::buildList(const WizardField& f, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(qtext(f.name));
  list->setAccessibleName(FieldAccessibleName(f));
  wizard::EditorChoices& choices = wizard_.editor.choices;
  switch (f.value) {
    case FieldValue::ApplicationType:
      for (const shell::ApplicationEntry& e : shell::ApplicationEntries()) {
        list->addItem(qtext(e.name), itemData(e.application));
      }
      type_ = list;
      connect(list, &QComboBox::activated, this, [this, list](int item) {
        wizard_.Set_Application_Type(
            static_cast<model::ApplicationType>(list->itemData(item).toInt()));
      });
      break;
    case FieldValue::FlowControl: {
      const bool pump = f.condition == RowCondition::PumpOnly;
      const auto type = pump ? model::ApplicationType::Pump : model::ApplicationType::Fan;
      for (const model::FlowControlItem& item :
           model::FlowControlItems(type, session_.values.customTitles)) {
        list->addItem(qtext(item.name), itemData(item.value));
      }
      (pump ? pumpFlow_ : fanFlow_) = list;
      std::optional<model::FlowControl>& chosen =
          pump ? choices.pumpFlowControl : choices.fanFlowControl;
      const auto flowOf = [list](int item) {
        return static_cast<model::FlowControl>(list->itemData(item).toInt());
      };
      // Every list starts on its first item.
      if (!chosen && list->count() > 0) chosen = flowOf(0);
      connect(list, &QComboBox::activated, this,
              [flowOf, &chosen](int item) { chosen = flowOf(item); });
      break;
    }
    case FieldValue::VoltageClass:
      for (size_t i = 0; i < wizard::kVoltageTexts.size(); ++i) {
        list->addItem(qtext(wizard::kVoltageTexts[i]), static_cast<int>(i));
      }
      voltage_ = list;
      connect(list, &QComboBox::activated, this,
              [&choices](int item) { choices.voltageItem = item; });
      break;
    case FieldValue::IncentiveUnit:
      incentiveUnit_ = list;
      connect(list, &QComboBox::activated, this, [this, list](int item) {
        wizard_.editor.Set_Incentive_Unit(
            static_cast<model::IncentiveUnit>(list->itemData(item).toInt()));
        for (ParameterEdit* edit : edits_) edit->load();
      });
      break;
    default:
      break;
  }
  return list;
}

QWidget* SystemEditorPanel::buildDutyCycle() {
  auto* box = new QGroupBox(qtext(model::FieldGroupCaption(FieldGroup::DutyCycle)), this);
  auto* column = new QVBoxLayout(box);
  auto* table = new QGridLayout;
  auto* tableRow = new QHBoxLayout;
  tableRow->addLayout(table);
  tableRow->addStretch();
  column->addLayout(tableRow);
  table->setVerticalSpacing(2);
  auto* wetHeading = new QLabel(qtext(kWetBulbHeading), box);
  wetBulb_.push_back(wetHeading);
  table->addWidget(wetHeading, 0, 0);
  for (const WizardField& f : model::kWizardFields) {
    if (f.group != FieldGroup::DutyCycle || model::SwitchedOff(f.hiddenBy)) continue;
    const int col = f.kind == FieldKind::CheckBox
                        ? 1
                        : (f.parameter == model::fields::FlowPoint(f.point) ? 2 : 3);
    if (f.point == 1) table->addWidget(new QLabel(qtext(f.caption), box), 0, col);
    if (f.kind == FieldKind::CheckBox) {
      auto* alt = new QCheckBox(box);
      alt->setObjectName(qtext(f.name));
      alt->setAccessibleName(FieldAccessibleName(f));
      alt->setToolTip(qtext(kAltHint));
      const auto index = static_cast<size_t>(f.point - 1);
      alternate_[index] = alt;
      connect(alt, &QCheckBox::toggled, this, [this, index](bool on) {
        wizard_.editor.choices.alternate[index] = on;
        wizard_.editor.Check_Duty_Cycle(nullptr);
        showCheck();
      });
      table->addWidget(alt, f.point, col, Qt::AlignCenter);
      continue;
    }
    ParameterEdit* edit = parameterEdit(f, box);
    edit->setMaximumWidth(60);
    const bool flow = col == 2;
    edit->setToolTip(qtext(flow ? kFlowHint : kTimeHint));
    if (flow && model::FeatureOff(model::FixedFlowPoints)) {
      // Fixed flow points are shown, not typed.
      edit->setReadOnly(true);
      edit->setFrame(false);
      edit->setFocusPolicy(Qt::NoFocus);
      edit->setToolTip(QString());
    }
    table->addWidget(edit, f.point, col);
    if (flow) {
      auto* wet = new QLabel(qtext(kWetBulbTexts[static_cast<size_t>(f.point - 1)]), box);
      wetBulb_.push_back(wet);
      table->addWidget(wet, f.point, 0);
    }
  }
  auto* totalLine = new QHBoxLayout;
  totalLine->addStretch();
  totalLine->addWidget(new QLabel(qtext(kTotalLine), box));
  total_ = new QLabel(box);
  total_->setObjectName(QStringLiteral("lblStp3_EditSyst_DutyTotl"));
  total_->setAccessibleName(QStringLiteral("Total Time %"));
  totalLine->addWidget(total_);
  column->addLayout(totalLine);
  duplicate_ = new QLabel(box);
  duplicate_->setObjectName(QStringLiteral("lblStp3_EditSyst_Duplicate"));
  duplicate_->setAccessibleName(QStringLiteral("Duplicate flow"));
  duplicate_->setStyleSheet(QStringLiteral("color: red;"));
  column->addWidget(duplicate_);
  chart_ = new DutyCycleChart(box);
  column->addWidget(chart_, 1);
  auto* restore = new QPushButton(QStringLiteral("Restore"), box);
  restore->setObjectName(QStringLiteral("bibStp3_EditSyst_Restore"));
  restore->setAccessibleName(QStringLiteral("Restore duty cycle"));
  connect(restore, &QPushButton::clicked, this, [this] {
    wizard_.editor.Restore_Duty_Cycle();
    for (ParameterEdit* edit : edits_) edit->load();
    showCheck();
  });
  column->addWidget(restore, 0, Qt::AlignRight);
  return box;
}

void SystemEditorPanel::fieldLeft(int n) {
  wizard_.editor.Leave_Field(n);
  // Leaving the motor power may rewrite the efficiency and the current.
  for (ParameterEdit* edit : edits_) edit->load();
  showCheck();
}

void SystemEditorPanel::showCheck() {
  const wizard::DutyCycleResult& check = wizard_.editor.Last_Check();
  total_->setText(qtext(check.totalLabel));
  total_->setAccessibleDescription(total_->text());
  total_->setStyleSheet(check.totalRed ? QStringLiteral("color: red;") : QString());
  duplicate_->setText(qtext(check.duplicateLabel));
  duplicate_->setAccessibleDescription(duplicate_->text());
  chart_->show(check);
}

void SystemEditorPanel::showHoursRows(int view, bool shown) {
  const RowCondition rows =
      view == wizard::kHoursPerYearView ? RowCondition::HoursPerYear : RowCondition::HoursPerDay;
  for (const Row& row : rows_) {
    if (row.field->condition == rows) row.widget->setVisible(shown);
  }
}

void SystemEditorPanel::showApplicationLayout(const wizard::EditorLayout& layout) {
  for (const Row& row : rows_) {
    const model::WizardField& f = *row.field;
    if (f.value == FieldValue::FlowControl) {
      const bool fan = f.condition == RowCondition::FanOnly;
      row.widget->setVisible(layout.flowControlRow && (fan ? layout.fanList : layout.pumpList));
    } else if (f.parameter == model::kPrmMinimumHead) {
      row.widget->setVisible(layout.minimumHeadRow);
    }
  }
  for (QWidget* wet : wetBulb_) wet->setVisible(layout.wetBulbColumn);
}

void SystemEditorPanel::loadChoices() {
  const wizard::EditorChoices& choices = wizard_.editor.choices;
  selectData(type_, choices.applicationType);
  selectData(fanFlow_, choices.fanFlowControl);
  selectData(pumpFlow_, choices.pumpFlowControl);
  selectData(voltage_, choices.voltageItem);
  if (incentiveUnit_) {
    const QSignalBlocker block(incentiveUnit_);
    incentiveUnit_->clear();
    const bool kw = session_.model.project.PowerInKw() != 0;
    const int items = model::FeatureOff(model::NoPerSystemRebateUnit) ? 1 : 2;
    for (int item = 0; item < items; ++item) {
      const auto unit = static_cast<model::IncentiveUnit>(item);
      incentiveUnit_->addItem(qtext(preferences::IncentiveUnitItemText(session_.values, unit, kw)),
                              item);
    }
    incentiveUnit_->setCurrentIndex(incentiveUnit_->findData(itemData(choices.incentiveUnit)));
  }
  if (name_) name_->setText(qtext(choices.identification));
  for (auto [radio, on] : {std::pair{hoursPerDay_, !choices.hoursPerYear},
                           std::pair{hoursPerYear_, choices.hoursPerYear},
                           std::pair{incentiveOneTime_, choices.powerIncentiveOneTime},
                           std::pair{incentiveYearly_, !choices.powerIncentiveOneTime}}) {
    if (!radio) continue;
    const QSignalBlocker block(radio);
    radio->setChecked(on);
  }
  for (size_t i = 0; i < alternate_.size(); ++i) {
    if (!alternate_[i]) continue;
    const QSignalBlocker block(alternate_[i]);
    alternate_[i]->setChecked(choices.alternate[i]);
  }
}

void SystemEditorPanel::load() {
  loadChoices();
  for (ParameterEdit* edit : edits_) edit->load();
  const preferences::DisplaySettings display = wizard_.Display_Settings();
  for (const Row& row : rows_) {
    if (row.unit) {
      row.unit->setText(
          qtext(model::UnitLabelText(*row.field, display.results, display.powerInKw)));
    }
  }
  showCheck();
}

}  // namespace korvane::gui
