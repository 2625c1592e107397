#include "gui/platform/QtText.h"

#include <QDate>
#include <QLocale>

namespace korvane::gui {

std::string TodayShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace korvane::gui
