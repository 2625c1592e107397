#include "gui/wizard/FieldWidgets.h"

#include <QFocusEvent>

#include "gui/widgets/BoundLineEdit.h"
#include "platform/BoundInput.h"

namespace korvane::gui {

using model::FieldGroup;
using model::FieldKind;
using model::FieldValue;
using model::WizardField;

QString qtext(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QValidator::State KeyFilterValidator::validate(QString& input, int& /*pos*/) const {
  for (const char32_t c : input.toUcs4()) {
    if (!model::KeyAccepted(filter_, c)) return Invalid;
  }
  return Acceptable;
}

QLineEdit* NewFieldEdit(const WizardField& field, const QString& accessibleName, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(qtext(field.name));
  edit->setAccessibleName(accessibleName);
  edit->setValidator(new KeyFilterValidator(field.keys, edit));
  if (field.maxLength > 0) edit->installEventFilter(new TypingLimit(field.maxLength, edit));
  return edit;
}

ParameterEdit::ParameterEdit(const WizardField& field, BoundInput* bound,
                             const QString& accessibleName, QWidget* parent)
    : QLineEdit(parent), parameter_(static_cast<int>(field.parameter)), bound_(bound) {
  setObjectName(qtext(field.name));
  setAccessibleName(accessibleName);
  setValidator(new KeyFilterValidator(field.keys, this));
  if (field.maxLength > 0) installEventFilter(new TypingLimit(field.maxLength, this));
  setMaximumWidth(90);
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (bound_) bound_->setText(text.toStdString());
  });
  // Return moves on as Tab does, so the range check runs once, on leaving.
  connect(this, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
  load();
}

void ParameterEdit::load() {
  if (!bound_) return;
  const QString text = qtext(bound_->text());
  if (text != QLineEdit::text()) setText(text);
}

void ParameterEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (Entered) Entered(parameter_);
}

void ParameterEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A menu or dialog taking the focus for a moment is not leaving the field.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
    return;
  }
  if (Left) Left(parameter_);
}

void ResultValueLabel::Show_Result(std::string_view text, model::SlotColour colour) {
  const QString shown = qtext(text);
  setText(shown);
  setAccessibleDescription(shown);
  switch (colour) {
    case model::SlotColour::WindowText:
      setStyleSheet(QString());
      break;
    case model::SlotColour::Red:
      setStyleSheet(QStringLiteral("color: red;"));
      break;
    case model::SlotColour::Blue:
      setStyleSheet(QStringLiteral("color: blue;"));
      break;
  }
}

namespace {

QString withoutColon(std::string_view caption) {
  QString text = qtext(caption).trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text;
}

// True when another row of the table, in another group, shows the same caption.
bool captionRepeats(const WizardField& field) {
  for (const WizardField& other : model::kWizardFields) {
    if (other.caption == field.caption && other.group != field.group) return true;
  }
  return false;
}

}  // namespace

QString FieldAccessibleName(const WizardField& field) {
  const QString point = QString::number(field.point);
  if (field.group == FieldGroup::DutyCycle) {
    if (field.kind == FieldKind::CheckBox) return QStringLiteral("Alt. ") + point;
    if (field.parameter == model::fields::FlowPoint(field.point)) {
      return QStringLiteral("Flow % ") + point;
    }
    return QStringLiteral("Time % ") + point;
  }
  const QString caption = withoutColon(field.caption);
  switch (field.value) {
    case FieldValue::City:
      return QStringLiteral("City");
    case FieldValue::State:
      return QStringLiteral("State");
    case FieldValue::TelArea:
      return QStringLiteral("Telephone area code");
    case FieldValue::UtilityIncentiveOneTime:
      return withoutColon(model::fields::kUtilityIncentive) + QLatin1Char(' ') + caption;
    default:
      break;
  }
  QString name = caption;
  const bool hoursChoice =
      field.kind == FieldKind::RadioButton && field.group == FieldGroup::HoursOfOperation;
  if (hoursChoice || (captionRepeats(field) && !model::FieldGroupCaption(field.group).empty())) {
    name = qtext(model::FieldGroupCaption(field.group)) + QLatin1Char(' ') + caption;
  }
  if (field.value == FieldValue::IncentiveUnit) name += QStringLiteral(" unit");
  return name;
}

}  // namespace korvane::gui
