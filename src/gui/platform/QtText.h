#pragma once

#include <QString>
#include <string>
#include <string_view>

// What passes between the core's texts and Qt's.

namespace korvane::gui {

// The core's texts are UTF-8.
inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Today's date in the user's short format, as the project file's DATE line
// carries it.
std::string TodayShortDate();

}  // namespace korvane::gui
