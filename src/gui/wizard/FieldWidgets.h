#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>
#include <functional>
#include <string_view>

#include "model/WizardFields.h"
#include "platform/BoundLabel.h"

namespace korvane {
class BoundInput;
}

namespace korvane::gui {

QString qtext(std::string_view text);

// Lets a text through only when every character passes the field's key
// filter, so pasted text is held to the same rule as typed text.
class KeyFilterValidator : public QValidator {
 public:
  KeyFilterValidator(model::KeyFilter filter, QObject* parent)
      : QValidator(parent), filter_(filter) {}
  State validate(QString& input, int& pos) const override;

 private:
  model::KeyFilter filter_;
};

// A line edit for one row of the field table: its object name, key filter,
// typing limit and accessible name.
QLineEdit* NewFieldEdit(const model::WizardField& field, const QString& accessibleName,
                        QWidget* parent);

// The edit of a catalogue parameter. The catalogue keeps its own field; this
// widget mirrors it, writing each keystroke through and reading it back after
// the program changed it. Entering and leaving are reported for the checks.
class ParameterEdit : public QLineEdit {
 public:
  ParameterEdit(const model::WizardField& field, BoundInput* bound, const QString& accessibleName,
                QWidget* parent);

  int parameter() const { return parameter_; }
  // Shows what the catalogue's field holds now.
  void load();

  std::function<void(int)> Entered;
  std::function<void(int)> Left;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int parameter_;
  BoundInput* bound_;
};

// A label that shows one result slot. Its text is also its accessible
// description: a label with an accessible name no longer exposes its text.
class ResultValueLabel : public QLabel, public BoundLabel {
 public:
  explicit ResultValueLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  void Show_Result(std::string_view text, model::SlotColour colour) override;
};

// The accessible name of a table row: its caption without the colon, led by
// its group where the caption repeats.
QString FieldAccessibleName(const model::WizardField& field);

}  // namespace korvane::gui
