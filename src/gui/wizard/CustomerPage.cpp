#include "gui/wizard/CustomerPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/wizard/FieldWidgets.h"
#include "wizard/EstimationWizard.h"

namespace korvane::gui {

namespace {

using model::FieldValue;
using model::WizardField;

constexpr std::string_view kNote =
    "Please enter customer information on the left hand side of this screen. This information "
    "will be displayed together with the estimation results on the final report.";

// The words that stand between the inputs of one line.
QString textBefore(FieldValue value) {
  switch (value) {
    case FieldValue::State:
      return QStringLiteral(",");
    case FieldValue::TelArea:
      return QStringLiteral("(");
    case FieldValue::TelNumber:
      return QStringLiteral(")");
    default:
      return {};
  }
}

// The zip input shares the city's line while the state has an input of its own.
bool joinsLine(const WizardField& previous, const WizardField& field) {
  return previous.caption == field.caption ||
         (field.value == FieldValue::Zip && previous.value == FieldValue::State);
}

}  // namespace

CustomerPage::CustomerPage(wizard::EstimationWizard& wizard, QWidget* parent)
    : QWidget(parent), wizard_(wizard) {
  setObjectName(QStringLiteral("Step1"));
  auto* page = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("lblStp1_Heading"));
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  heading_->setFont(big);
  page->addWidget(heading_);

  auto* columns = new QHBoxLayout;
  page->addLayout(columns);
  auto* form = new QFormLayout;
  columns->addLayout(form, 3);
  auto* note = new QLabel(qtext(kNote), this);
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  columns->addWidget(note, 2);

  const WizardField* previous = nullptr;
  QHBoxLayout* line = nullptr;
  for (const WizardField& f : model::kWizardFields) {
    if (f.step != model::WizardStep::Customer || model::SwitchedOff(f.hiddenBy)) continue;
    QLineEdit* edit = NewFieldEdit(f, FieldAccessibleName(f), this);
    // Short fields are as wide as what they take.
    if (f.maxLength <= 5) {
      edit->setMaximumWidth(24 + 10 * f.maxLength);
    } else {
      edit->setMinimumWidth(260);
    }
    if (previous && line && joinsLine(*previous, f)) {
      if (f.caption != previous->caption) line->addWidget(new QLabel(qtext(f.caption), this));
    } else {
      line = new QHBoxLayout;
      auto* caption = new QLabel(qtext(f.caption), this);
      caption->setBuddy(edit);
      form->addRow(caption, line);
    }
    if (const QString before = textBefore(f.value); !before.isEmpty()) {
      line->addWidget(new QLabel(before, this));
    }
    line->addWidget(edit, f.maxLength > 5 ? 1 : 0);
    const FieldValue field = f.value;
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      wizard_.customer.Set_Text(field, text.toStdString());
    });
    if (f.value == FieldValue::ProjectName) {
      projectName_ = edit;
      connect(edit, &QLineEdit::editingFinished, this, [this] { wizard_.Project_Name_Left(); });
    }
    inputs_.push_back({edit, field});
    previous = &f;
  }
  if (line) line->addStretch();

  auto* buttons = new QHBoxLayout;
  auto* clear = new QPushButton(QStringLiteral("Clear"), this);
  clear->setObjectName(QStringLiteral("bibStp1_Clear"));
  clear->setToolTip(QStringLiteral("Clear project and customer information"));
  connect(clear, &QPushButton::clicked, this, [this] {
    wizard_.customer.Clear();
    for (const Input& input : inputs_)
      input.edit->setText(qtext(wizard_.customer.Text(input.field)));
  });
  auto* contact = new QPushButton(QStringLiteral("Edit contact information"), this);
  contact->setObjectName(QStringLiteral("bibStp1_EditContact"));
  contact->setToolTip(QStringLiteral("Edit \"Prepared by\" information"));
  connect(contact, &QPushButton::clicked, this, [this] {
    if (EditContactInformation) EditContactInformation();
  });
  buttons->addWidget(clear);
  buttons->addWidget(contact);
  buttons->addStretch();
  page->addLayout(buttons);
  page->addStretch();
}

void CustomerPage::load(const QString& title) {
  heading_->setText(title);
  for (const Input& input : inputs_) {
    input.edit->setText(qtext(wizard_.customer.Text(input.field)));
  }
}

}  // namespace korvane::gui
