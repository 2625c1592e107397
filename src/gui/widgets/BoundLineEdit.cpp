#include "gui/widgets/BoundLineEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace korvane::gui {

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  // Editing, moving and shortcut keys pass; so do digits and the separators.
  if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
      key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Return ||
      key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
    return false;
  }
  const bool allowed =
      (text.size() == 1 && text[0].isDigit()) || text == decimal_ || text == thousands_;
  if (!allowed) return true;  // anything else is swallowed
  if (maxTyped_ > 0) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(watched)) {
      if (edit->text().size() - edit->selectedText().size() >= maxTyped_) return true;
    }
  }
  return false;
}

bool TypingLimit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const auto* edit = qobject_cast<const QLineEdit*>(watched);
  if (!edit || key->text().isEmpty() || !key->text()[0].isPrint() ||
      key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    return false;
  }
  return edit->text().size() - edit->selectedText().size() >= maxTyped_;
}

}  // namespace korvane::gui
