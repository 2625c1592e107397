#pragma once

#include <QPainter>
#include <QRect>

namespace korvane::gui {

// The product picture: a fan wheel driven through a frequency inverter on a
// deep blue ground, with the product name. Drawn, so it is sharp at any size;
// used by the splash screen, the About dialog and the main window.
void PaintProductPicture(QPainter& painter, const QRect& area, bool withTitle);

}  // namespace korvane::gui
