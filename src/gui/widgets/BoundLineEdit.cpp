#include "gui/widgets/BoundLineEdit.h"

#include <QKeyEvent>

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
  if (text.size() == 1 && text[0].isDigit()) return false;
  if (text == decimal_ || text == thousands_) return false;
  return true;  // anything else is swallowed
}

}  // namespace korvane::gui
