#include "gui/shell/Artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace korvane::gui {

namespace {

void paintFan(QPainter& p, QPointF centre, double radius) {
  p.save();
  p.translate(centre);
  QRadialGradient glow(QPointF(0, 0), radius * 1.25);
  glow.setColorAt(0, QColor(120, 190, 255, 90));
  glow.setColorAt(1, QColor(120, 190, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(0, 0), radius * 1.25, radius * 1.25);
  p.setPen(QPen(QColor(200, 225, 250), radius * 0.05));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), radius, radius);
  p.setPen(Qt::NoPen);
  for (int blade = 0; blade < 6; ++blade) {
    p.save();
    p.rotate(blade * 60.0 + 12);
    QPainterPath path;
    path.moveTo(radius * 0.12, -radius * 0.06);
    path.cubicTo(radius * 0.45, -radius * 0.38, radius * 0.85, -radius * 0.32, radius * 0.88,
                 -radius * 0.05);
    path.cubicTo(radius * 0.7, radius * 0.08, radius * 0.35, radius * 0.12, radius * 0.12,
                 radius * 0.06);
    path.closeSubpath();
    QLinearGradient g(QPointF(0, -radius * 0.3), QPointF(radius, radius * 0.1));
    g.setColorAt(0, QColor(235, 245, 255));
    g.setColorAt(1, QColor(120, 175, 230));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
  }
  p.setBrush(QColor(230, 240, 250));
  p.drawEllipse(QPointF(0, 0), radius * 0.16, radius * 0.16);
  p.restore();
}

void paintDrive(QPainter& p, QRectF box) {
  p.save();
  p.setPen(QPen(QColor(200, 225, 250), 2));
  QLinearGradient g(box.topLeft(), box.bottomRight());
  g.setColorAt(0, QColor(40, 80, 130));
  g.setColorAt(1, QColor(20, 45, 80));
  p.setBrush(g);
  p.drawRoundedRect(box, 8, 8);
  const QRectF display(box.left() + box.width() * 0.15, box.top() + box.height() * 0.12,
                       box.width() * 0.7, box.height() * 0.28);
  p.setBrush(QColor(25, 35, 45));
  p.drawRoundedRect(display, 3, 3);
  p.setPen(QPen(QColor(110, 230, 140), 2));
  QPainterPath curve;
  for (int i = 0; i <= 20; ++i) {
    const double x = display.left() + 4 + (display.width() - 8) * i / 20.0;
    const double y = display.bottom() - 4 - (display.height() - 8) * std::pow(i / 20.0, 3);
    if (i == 0) {
      curve.moveTo(x, y);
    } else {
      curve.lineTo(x, y);
    }
  }
  p.drawPath(curve);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(i == 1 ? QColor(110, 230, 140) : QColor(150, 180, 210));
    p.drawEllipse(
        QPointF(box.left() + box.width() * (0.3 + 0.2 * i), box.top() + box.height() * 0.6),
        box.width() * 0.05, box.width() * 0.05);
  }
  p.restore();
}

}  // namespace

void PaintProductPicture(QPainter& p, const QRect& area, bool withTitle) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(area.topLeft(), area.bottomRight());
  ground.setColorAt(0, QColor(10, 38, 74));
  ground.setColorAt(0.6, QColor(16, 70, 128));
  ground.setColorAt(1, QColor(28, 110, 170));
  p.fillRect(area, ground);

  const double unit = std::min(area.width(), area.height());
  // Energy saved: a falling cube-law curve across the picture.
  p.setPen(QPen(QColor(255, 255, 255, 40), unit * 0.012));
  QPainterPath wave;
  for (int i = 0; i <= 40; ++i) {
    const double x = area.left() + area.width() * i / 40.0;
    const double y = area.top() + area.height() * (0.92 - 0.55 * std::pow(1 - i / 40.0, 3));
    if (i == 0) {
      wave.moveTo(x, y);
    } else {
      wave.lineTo(x, y);
    }
  }
  p.drawPath(wave);

  const QPointF fanCentre(area.left() + area.width() * 0.74, area.top() + area.height() * 0.52);
  paintFan(p, fanCentre, unit * 0.3);
  paintDrive(p, QRectF(area.left() + area.width() * 0.44, area.top() + area.height() * 0.36,
                       unit * 0.2, unit * 0.3));

  if (withTitle) {
    QFont brand(QStringLiteral("DejaVu Sans"));
    brand.setBold(true);
    brand.setPixelSize(static_cast<int>(unit * 0.12));
    brand.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(brand);
    p.setPen(Qt::white);
    const QRectF titleBox(area.left() + unit * 0.08, area.top() + area.height() * 0.1,
                          area.width() * 0.6, unit * 0.16);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KORVANE"));
    QFont product = brand;
    product.setBold(false);
    product.setLetterSpacing(QFont::PercentageSpacing, 100);
    product.setPixelSize(static_cast<int>(unit * 0.058));
    p.setFont(product);
    p.setPen(QColor(205, 225, 245));
    p.drawText(QRectF(titleBox.left(), titleBox.bottom(), area.width() * 0.6, unit * 0.2),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Energy Savings\nEstimator"));
  }
  p.restore();
}

}  // namespace korvane::gui
