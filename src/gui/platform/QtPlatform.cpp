#include "gui/platform/QtPlatform.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <cstdlib>

#include "gui/platform/QtText.h"
#include "shell/RunState.h"

namespace korvane::gui {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesCancel:
      return QMessageBox::Yes | QMessageBox::Cancel;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesNoAbort:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort;
  }
  return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Abort:
      return MessageAnswer::Abort;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace

MessageAnswer QtMessageSink::show(MessageKind kind, std::string_view text, MessageButtons buttons) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case MessageKind::Error:
      icon = QMessageBox::Critical;
      break;
    case MessageKind::Warning:
      icon = QMessageBox::Warning;
      break;
    case MessageKind::Information:
      icon = QMessageBox::Information;
      break;
    case MessageKind::Confirmation:
      icon = QMessageBox::Question;
      break;
    case MessageKind::Plain:
      icon = QMessageBox::NoIcon;
      break;
  }
  QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
  QMessageBox box(icon, toQString(shell::kApplicationTitle), toQString(text),
                  standardButtons(buttons), parent);
  // Escape answers Cancel (or No) where there is one.
  if (buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::YesCancel ||
      buttons == MessageButtons::OkCancel) {
    box.setEscapeButton(QMessageBox::Cancel);
  }
  return answerOf(box.exec());
}

void QtAlertSound::play() {
  QApplication::beep();
}

void QtProgramExit::endProgram(std::string_view) {
  std::exit(EXIT_FAILURE);
}

preferences::NumberFormat SystemNumberFormat() {
  const QLocale locale = QLocale::system();
  QString decimal = locale.decimalPoint();
  QString group = locale.groupSeparator();
  if (decimal.isEmpty() || group.isEmpty() || decimal == group) {
    decimal = QStringLiteral(".");
    group = QStringLiteral(",");
  }
  return {decimal.toStdString(), group.toStdString()};
}

}  // namespace korvane::gui
