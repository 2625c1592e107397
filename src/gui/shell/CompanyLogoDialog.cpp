#include "gui/shell/CompanyLogoDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/MessageSink.h"

namespace korvane::gui {

namespace {
constexpr int kImageWidth = 250;
constexpr int kImageHeight = 100;
}  // namespace

CompanyLogoDialog::CompanyLogoDialog(const QString& fileName, MessageSink& messages,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      messages_(messages),
      fileName_(fileName),
      previous_(fileName) {
  setWindowTitle(QStringLiteral("Company Logo"));
  auto* layout = new QVBoxLayout(this);
  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("LogoImage"));
  image_->setFixedWidth(kImageWidth);
  image_->setAlignment(Qt::AlignCenter);
  layout->addWidget(image_, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("Maximum size 250 x 100 pixels"), this));
  auto* bar = new QHBoxLayout;
  auto* select = new QPushButton(QStringLiteral("&Select File"), this);
  select->setToolTip(QStringLiteral("Select graphics file"));
  auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
  ok->setToolTip(QStringLiteral("Accept"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setToolTip(QStringLiteral("Press here to cancel"));
  bar->addWidget(select);
  bar->addStretch();
  bar->addWidget(ok);
  bar->addWidget(cancel);
  layout->addLayout(bar);
  connect(select, &QPushButton::clicked, this, [this] { Select_File(); });
  connect(ok, &QPushButton::clicked, this, [this] {
    accepted_ = chosen_;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] { Cancel(); });

  if (QFileInfo::exists(fileName_)) {
    chosen_ = Load_Picture(fileName_);
  } else {
    image_->setFixedHeight(0);
  }
  setMinimumWidth(300);
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

bool CompanyLogoDialog::Load_Picture(const QString& fileName) {
  QImageReader reader(fileName);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    messages_.show(MessageKind::Warning, "Invalid graphic format, company logo not loaded !",
                   MessageButtons::Ok);
    return false;
  }
  image_->setFixedHeight(kImageHeight);
  image_->setPixmap(QPixmap::fromImage(
      picture.scaled(kImageWidth, kImageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  return true;
}

void CompanyLogoDialog::Select_File() {
  const QString name = QFileDialog::getOpenFileName(
      this, QStringLiteral("Company Logo"), QFileInfo(fileName_).absolutePath(),
      QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico *.png *.svg);;JPEG Image File (*.jpg);;JPEG "
                     "Image File (*.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;PNG Image File (*.png);;"
                     "Scalable Vector Graphics (*.svg)"));
  if (name.isEmpty()) return;
  fileName_ = name;
  chosen_ = Load_Picture(name);
}

void CompanyLogoDialog::Cancel() {
  fileName_ = previous_;
  reject();
}

}  // namespace korvane::gui
