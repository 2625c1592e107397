#include "gui/shell/AboutDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/shell/Artwork.h"
#include "shell/RunState.h"

namespace korvane::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About KORVANE Energy Savings Estimator"));
  setObjectName(QStringLiteral("AboutDialog"));
  setFixedSize(513, 340);
  auto* layout = new QVBoxLayout(this);
  auto* version = new QLabel(
      QStringLiteral("Version %1").arg(QString::fromLatin1(shell::kProgramVersion.data())), this);
  version->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  auto* edition = new QLabel(QString(), this);  // no edition line in this edition
  edition->setStyleSheet(QStringLiteral("color: white;"));
  auto* link = new QLabel(QStringLiteral("<a style=\"color:#cfe6ff\" href=\"%1\">%1</a>")
                              .arg(QString::fromLatin1(kWebSite)),
                          this);
  link->setOpenExternalLinks(true);
  link->setToolTip(QStringLiteral("Click here to visit our website"));
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(version);
  layout->addWidget(edition);
  layout->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(link);
  bottom->addStretch();
  bottom->addWidget(close);
  layout->addLayout(bottom);
}

void AboutDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintProductPicture(p, rect(), true);
}

SplashScreen::SplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("SplashScreen"));
  setFixedSize(513, 340);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void SplashScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintProductPicture(p, rect(), true);
  p.setPen(QColor(205, 225, 245));
  p.drawText(rect().adjusted(0, 0, -14, -10), Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("Version %1").arg(QString::fromLatin1(shell::kProgramVersion.data())));
}

void SplashScreen::mousePressEvent(QMouseEvent*) {
  hide();
}

}  // namespace korvane::gui
