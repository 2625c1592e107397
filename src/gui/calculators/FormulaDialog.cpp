#include "gui/calculators/FormulaDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/QtText.h"
#include "gui/widgets/BoundLineEdit.h"

namespace korvane::gui {

namespace {

using calculators::Calculator;

}  // namespace

FormulaDialog::FormulaDialog(calculators::UnitSystem units, const preferences::NumberFormat& format,
                             AlertSound& alert, MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      calculator_(units, format),
      format_(format),
      alert_(alert),
      messages_(messages) {
  const bool metric = units == calculators::UnitSystem::Metric;
  setWindowTitle(metric ? QStringLiteral("Useful Formulas (Metric Units)")
                        : QStringLiteral("Useful Formulas (English Units)"));
  setObjectName(metric ? QStringLiteral("TFm2") : QStringLiteral("TFm"));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  layout->addWidget(tabs_);

  std::vector<QVBoxLayout*> columns;
  for (const std::string& title : calculator_.Page_Titles()) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    columns.push_back(column);
    tabs_->addTab(page, toQString(title));
  }
  for (const calculators::CalculatorLayout& c : calculator_.Layout()) {
    buildCalculator(c, tabs_->widget(c.page), columns[static_cast<size_t>(c.page)]);
  }
  for (QVBoxLayout* column : columns) column->addStretch();

  auto* bar = new QHBoxLayout;
  auto* back = new QPushButton(QStringLiteral("&Go Back"), this);
  auto* next = new QPushButton(QStringLiteral("&Next Page"), this);
  auto* help = new QPushButton(QStringLiteral("&Help"), this);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  back->setObjectName(QStringLiteral("GoBack"));
  next->setObjectName(QStringLiteral("NextPage"));
  bar->addWidget(back);
  bar->addWidget(next);
  bar->addStretch();
  bar->addWidget(help);
  bar->addWidget(close);
  layout->addLayout(bar);
  connect(back, &QPushButton::clicked, this, [this] {
    if (tabs_->currentIndex() > 0) tabs_->setCurrentIndex(tabs_->currentIndex() - 1);
  });
  connect(next, &QPushButton::clicked, this, [this] {
    if (tabs_->currentIndex() + 1 < tabs_->count())
      tabs_->setCurrentIndex(tabs_->currentIndex() + 1);
  });
  connect(help, &QPushButton::clicked, this, [this] {
    if (Help) Help("FORMULAS");
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  // Enter in a field leaves it to the field's own recalculation.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
  setMinimumWidth(560);
}

void FormulaDialog::buildCalculator(const calculators::CalculatorLayout& c, QWidget* page,
                                    QVBoxLayout* column) {
  auto* box = new QGroupBox(toQString(c.title), page);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (const calculators::InputField& input : c.inputs) {
    auto* caption = new QLabel(toQString(input.caption), box);
    auto* field = new QLineEdit(box);
    field->setObjectName(toQString(input.name));
    field->setFixedWidth(90);
    field->setAlignment(Qt::AlignRight);
    field->installEventFilter(new NumberKeyFilter(toQString(format_.decimalSeparator),
                                                  toQString(format_.thousandsSeparator), field,
                                                  input.maxLength));
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    const bool pressure = input.name == "FANPRESS" || input.name == "PUMPPRES";
    if (pressure) {
      auto* units = new QComboBox(box);
      units->setObjectName(toQString(input.name + "_UNITS"));
      for (const std::string& unit : c.units) units->addItem(toQString(unit));
      const Calculator calculator = c.calculator;
      connect(units, &QComboBox::activated, this, [this, calculator](int index) {
        readFields(calculator);
        calculator_.Set_Pressure_Unit(calculator, index);
        calculator_.Compute(calculator, messages_);
        refresh();
      });
      unitLists_[c.calculator] = units;
      grid->addWidget(units, row, 2);
    } else {
      grid->addWidget(new QLabel(toQString(input.unit), box), row, 2);
    }
    const std::string name = input.name;
    connect(field, &QLineEdit::editingFinished, this, [this, name] {
      calculator_.Set_Text(name, inputs_[name]->text().toStdString());
      calculator_.Field_Left(name, alert_, messages_);
      refresh();
    });
    inputs_[input.name] = field;
    ++row;
  }
  if (c.calculator == Calculator::ThreePhase) {
    grid->addWidget(new QLabel(QStringLiteral("Select Calculation"), box), row, 0);
    threePhase_ = new QComboBox(box);
    threePhase_->setObjectName(QStringLiteral("ACSelection"));
    for (const std::string& selection : calculators::ThreePhaseSelections()) {
      threePhase_->addItem(toQString(selection));
    }
    // Choosing only changes which fields take input.
    connect(threePhase_, &QComboBox::activated, this, [this](int index) {
      calculator_.Set_Three_Phase_Selection(index);
      applyThreePhaseEnabling();
    });
    grid->addWidget(threePhase_, row, 1, 1, 2);
    ++row;
  }
  auto* result = new QLineEdit(box);
  result->setObjectName(toQString(c.result));
  result->setReadOnly(true);
  result->setFocusPolicy(Qt::NoFocus);
  QFont bold = result->font();
  bold.setBold(true);
  result->setFont(bold);
  results_[c.result] = result;
  auto* calculate = new QPushButton(QStringLiteral("&Calculate"), box);
  calculate->setObjectName(toQString(c.result + "_CALCULATE"));
  calculate->setToolTip(QStringLiteral("Click here to calculate"));
  const Calculator calculator = c.calculator;
  connect(calculate, &QPushButton::clicked, this, [this, calculator] {
    readFields(calculator);
    calculator_.Compute(calculator, messages_);
    refresh();
  });
  grid->addWidget(calculate, row, 0);
  grid->addWidget(result, row, 1, 1, 2);
  grid->setColumnMinimumWidth(0, 150);
  grid->setColumnStretch(2, 1);
  column->addWidget(box);
}

void FormulaDialog::readFields(Calculator calculator) {
  for (const calculators::CalculatorLayout& c : calculator_.Layout()) {
    if (c.calculator != calculator) continue;
    for (const calculators::InputField& input : c.inputs) {
      calculator_.Set_Text(input.name, inputs_[input.name]->text().toStdString());
    }
  }
}

void FormulaDialog::refresh() {
  for (auto& [name, field] : inputs_) field->setText(toQString(calculator_.Field_Text(name)));
  for (auto& [name, field] : results_) field->setText(toQString(calculator_.Result(name)));
}

void FormulaDialog::applyThreePhaseEnabling() {
  const auto enabled = calculator_.Three_Phase_Enabled_Fields();
  for (const char* name : {"CURR5", "HP5", "PF5", "EFF5"}) {
    inputs_[name]->setEnabled(std::find(enabled.begin(), enabled.end(), name) != enabled.end());
  }
}

void FormulaDialog::Prepare_Show() {
  for (auto& [calculator, list] : unitLists_) {
    list->setCurrentIndex(calculator_.Pressure_Unit(calculator));
  }
  threePhase_->setCurrentIndex(calculator_.Three_Phase_Selection());
  calculator_.Compute_All(messages_);
  refresh();
  applyThreePhaseEnabling();
  tabs_->setCurrentIndex(0);
}

int FormulaDialog::Open() {
  Prepare_Show();
  return exec();
}

}  // namespace korvane::gui
