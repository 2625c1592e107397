#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/AlertSound.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "preferences/PreferenceProcedures.h"

namespace korvane::gui {

// Message boxes of the four kinds, modal over the window given (or the active one).
class QtMessageSink : public MessageSink {
 public:
  MessageAnswer show(MessageKind kind, std::string_view text, MessageButtons buttons) override;
  void setParent(QWidget* parent) { parent_ = parent; }

 private:
  QPointer<QWidget> parent_;
};

class QtAlertSound : public AlertSound {
 public:
  void play() override;
};

// A fault in one of the program's fixed tables: the message was shown, the
// program ends.
class QtProgramExit : public ProgramExit {
 public:
  void endProgram(std::string_view reason) override;
};

// The decimal and thousands separators of the system's locale, read once at
// start-up ("." and "," when the locale uses one character for both).
preferences::NumberFormat SystemNumberFormat();

}  // namespace korvane::gui
