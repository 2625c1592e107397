#pragma once

#include <QLineEdit>
#include <QObject>

#include "platform/BoundInput.h"

namespace korvane::gui {

// A line edit a catalogue parameter can be bound to.
class BoundLineEdit : public QLineEdit, public BoundInput {
 public:
  explicit BoundLineEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

  std::string text() const override { return QLineEdit::text().toStdString(); }
  void setText(std::string_view text) override {
    QLineEdit::setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  int tag() const override { return tag_; }
  void setTag(int tag) override { tag_ = tag; }
  void setEnabled(bool enabled) override { QLineEdit::setEnabled(enabled); }
  void repaint() override { QLineEdit::repaint(); }

 private:
  int tag_ = 0;
};

// Lets only digits, the user's separators and editing keys into a number field.
class NumberKeyFilter : public QObject {
 public:
  NumberKeyFilter(QString decimalSeparator, QString thousandsSeparator, QObject* parent)
      : QObject(parent),
        decimal_(std::move(decimalSeparator)),
        thousands_(std::move(thousandsSeparator)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString decimal_;
  QString thousands_;
};

}  // namespace korvane::gui
