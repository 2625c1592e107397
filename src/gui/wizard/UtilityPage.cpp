#include "gui/wizard/UtilityPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "gui/wizard/FieldWidgets.h"
#include "model/FeatureSwitches.h"
#include "session/EstimatorSession.h"
#include "wizard/EstimationWizard.h"

namespace korvane::gui {

namespace {

using model::FieldKind;
using model::FieldValue;
using model::WizardField;

constexpr std::string_view kHeading = "Utility Information";
constexpr std::array<std::string_view, 2> kDemandUnits = {"KW", "KVA"};
constexpr std::string_view kOrYearly = "or yearly ";

struct Description {
  std::string_view name;
  std::string_view text;
};
// What each row says on its right.
constexpr std::array kDescriptions{
    Description{"UtilityName", "Name of the utility."},
    Description{"A104", "Rate the utility company charges for your electricity."},
    Description{"A105",
                "Alternative rate, e.g, a \"night rate\", \"off-peak rate\", \"summer rate\", etc. "
                "\nWhen the utility charges a different rate at certain times of the day or year."},
    Description{"A106",
                "In many industrial settings, the utility charges customers not only for the total "
                "amount of power used,\nbut also for the maximum demand. (Average maximum power "
                "drawn over the billing period). "},
    Description{"A107",
                "Some utilities offer a one-time or yearly incentive for customers that install a "
                "drive system."},
};

QString description(std::string_view name) {
  for (const Description& d : kDescriptions) {
    if (d.name != name) continue;
    QString text = qtext(d.text);
    // Without a yearly choice the incentive is one-time only.
    if (model::FeatureOff(model::NoYearlyIncentive)) {
      text.remove(qtext(kOrYearly), Qt::CaseInsensitive);
    }
    return text;
  }
  return {};
}

}  // namespace

UtilityPage::UtilityPage(EstimatorSession& session, wizard::EstimationWizard& wizard,
                         QWidget* parent)
    : QWidget(parent), session_(session), wizard_(wizard) {
  setObjectName(QStringLiteral("Step2"));
  auto* page = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* heading = new QLabel(qtext(kHeading), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  heading->setFont(big);
  top->addWidget(heading);
  top->addStretch();
  auto* restore = new QPushButton(QStringLiteral("Restore"), this);
  restore->setObjectName(QStringLiteral("bibStp2_Restore"));
  restore->setToolTip(QStringLiteral("Restore default values for utility information"));
  top->addWidget(restore);
  page->addLayout(top);

  auto* rows = new QGridLayout;
  rows->setVerticalSpacing(18);
  rows->setColumnStretch(3, 1);
  page->addLayout(rows);
  int row = 0;
  QHBoxLayout* choice = nullptr;
  for (const WizardField& f : model::kWizardFields) {
    if (f.step != model::WizardStep::Utility || model::SwitchedOff(f.hiddenBy)) continue;
    const QString name = FieldAccessibleName(f);
    if (f.kind == FieldKind::TextEdit) {
      utilityName_ = NewFieldEdit(f, name, this);
      connect(utilityName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        wizard_.customer.Set_Text(model::FieldValue::UtilityName, text.toStdString());
      });
      auto* caption = new QLabel(qtext(f.caption), this);
      caption->setBuddy(utilityName_);
      rows->addWidget(caption, row, 0);
      rows->addWidget(utilityName_, row, 1, 1, 2);
    } else if (f.kind == FieldKind::ParameterEdit) {
      auto* edit = new ParameterEdit(f, session_.catalogue.Bound_Edit(f.parameter), name, this);
      edit->Entered = [this](int n) { wizard_.editor.Enter_Field(n); };
      edit->Left = [this, edit](int n) {
        wizard_.editor.Leave_Field(n);
        edit->load();
      };
      rates_.push_back(edit);
      auto* caption = new QLabel(qtext(f.caption), this);
      caption->setBuddy(edit);
      auto* currency = new QLabel(this);
      currencyLabels_.push_back(currency);
      rows->addWidget(caption, row, 0);
      rows->addWidget(currency, row, 1, Qt::AlignRight);
      rows->addWidget(edit, row, 2);
    } else if (f.kind == FieldKind::RadioButton) {
      // The one-time / yearly choice sits below the incentive's input.
      if (!choice) {
        choice = new QHBoxLayout;
        rows->addLayout(choice, row++, 2, 1, 2);
      }
      auto* radio = new QRadioButton(qtext(f.caption), this);
      radio->setObjectName(qtext(f.name));
      radio->setAccessibleName(name);
      choice->addWidget(radio);
      (f.item == 1 ? oneTime_ : yearly_) = radio;
      connect(radio, &QRadioButton::toggled, this, [this, item = f.item](bool on) {
        if (on) session_.header.utilityIncentiveOneTime = item == 1;
      });
      continue;
    } else if (f.kind == FieldKind::List) {
      auto* group = new QGroupBox(qtext(f.caption), this);
      auto* box = new QHBoxLayout(group);
      demandUnit_ = new QComboBox(group);
      demandUnit_->setObjectName(qtext(f.name));
      demandUnit_->setAccessibleName(name);
      for (std::string_view unit : kDemandUnits) demandUnit_->addItem(qtext(unit));
      box->addWidget(demandUnit_);
      box->addStretch();
      connect(demandUnit_, &QComboBox::activated, this, [this](int item) {
        session_.header.demandUnit = item == 1 ? model::DemandUnit::Kva : model::DemandUnit::Kw;
      });
      rows->addWidget(group, row++, 0, 1, 4);
      continue;
    }
    auto* note = new QLabel(description(f.name), this);
    note->setWordWrap(true);
    rows->addWidget(note, row, 3);
    ++row;
  }
  page->addStretch();

  connect(restore, &QPushButton::clicked, this, [this] {
    wizard_.customer.Restore_Utility();
    load();
  });
}

void UtilityPage::load() {
  if (utilityName_) {
    utilityName_->setText(qtext(wizard_.customer.Text(model::FieldValue::UtilityName)));
  }
  for (ParameterEdit* edit : rates_) edit->load();
  for (QLabel* label : currencyLabels_) label->setText(qtext(session_.values.currencySymbol));
  if (oneTime_ && yearly_) {
    (session_.header.utilityIncentiveOneTime ? oneTime_ : yearly_)->setChecked(true);
  }
  if (demandUnit_) {
    demandUnit_->setCurrentIndex(session_.header.demandUnit == model::DemandUnit::Kva ? 1 : 0);
  }
}

}  // namespace korvane::gui
