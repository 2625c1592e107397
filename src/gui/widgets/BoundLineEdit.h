#pragma once

#include <QLineEdit>
#include <QObject>

#include "gui/platform/QtText.h"
#include "platform/BoundInput.h"

namespace korvane::gui {

// A line edit a catalogue parameter can be bound to.
class BoundLineEdit : public QLineEdit, public BoundInput {
 public:
  explicit BoundLineEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

  std::string text() const override { return QLineEdit::text().toStdString(); }
  void setText(std::string_view text) override { QLineEdit::setText(toQString(text)); }
  int tag() const override { return tag_; }
  void setTag(int tag) override { tag_ = tag; }
  void setEnabled(bool enabled) override { QLineEdit::setEnabled(enabled); }
  void repaint() override { QLineEdit::repaint(); }

 private:
  int tag_ = 0;
};

// Lets only digits, the user's separators and editing keys into a number field.
// A maximum length limits what is typed, not what the program shows there.
class NumberKeyFilter : public QObject {
 public:
  NumberKeyFilter(QString decimalSeparator, QString thousandsSeparator, QObject* parent,
                  int maxTyped = 0)
      : QObject(parent),
        decimal_(std::move(decimalSeparator)),
        thousands_(std::move(thousandsSeparator)),
        maxTyped_(maxTyped) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString decimal_;
  QString thousands_;
  int maxTyped_;
};

// Limits how many characters can be typed into a line edit. Unlike
// QLineEdit::setMaxLength it never cuts a longer text the program puts there
// (a value stored by another program or read from a project file).
class TypingLimit : public QObject {
 public:
  TypingLimit(int maxTyped, QObject* parent) : QObject(parent), maxTyped_(maxTyped) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int maxTyped_;
};

}  // namespace korvane::gui
