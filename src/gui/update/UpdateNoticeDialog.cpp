#include "gui/update/UpdateNoticeDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/RunState.h"

namespace korvane::gui {

namespace {

QLabel* text(const QString& words, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(words, parent);
  label->setWordWrap(true);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

UpdateNoticeDialog::UpdateNoticeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("UpdateNotice"));
  setWindowTitle(QStringLiteral("Automatic Updates"));
  // No title-bar buttons: the notice closes through its own button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* heading = text(QString::fromLatin1(shell::kApplicationTitle.data()), this, true);
  QFont large = heading->font();
  large.setPointSizeF(large.pointSizeF() * 1.3);
  heading->setFont(large);
  layout->addWidget(heading);
  layout->addWidget(
      text(QStringLiteral("This software has a built-in automatic update function that can "
                          "automatically notify you when a new update becomes available for "
                          "download."),
           this));
  layout->addWidget(
      text(QStringLiteral("Please make your selection then click on the close button."), this));
  yes_ = new QRadioButton(
      QStringLiteral("Yes, I would like to enable the automatic update notification."), this);
  yes_->setObjectName(QStringLiteral("Yes"));
  auto* no = new QRadioButton(
      QStringLiteral("No, I would like to check for updates manually. (See info below)"), this);
  no->setObjectName(QStringLiteral("No"));
  no->setChecked(true);
  layout->addWidget(yes_);
  layout->addWidget(no);
  auto* link = new QLabel(QStringLiteral("<a href=\"proxy\">Use Proxy Server</a>"), this);
  link->setObjectName(QStringLiteral("UseProxyLink"));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link, &QLabel::linkActivated, this, [this] {
    if (OpenProxySettings) OpenProxySettings();
  });
  layout->addWidget(link);

  auto* info = new QWidget(this);
  info->setObjectName(QStringLiteral("Information"));
  auto* infoLayout = new QVBoxLayout(info);
  infoLayout->addWidget(
      text(QStringLiteral("How to check for automatic updates manually:"), info, true));
  infoLayout->addWidget(
      text(QStringLiteral(
               "Select \"Check for updates\" located under the help menu in the main window."),
           info));
  infoLayout->addWidget(text(QStringLiteral("Important Note:"), info, true));
  infoLayout->addWidget(
      text(QStringLiteral("In order for the automatic update notification to work properly you "
                          "must grant this software access to the internet when using any type "
                          "of firewall or internet security software."),
           info));
  layout->addWidget(info);

  auto* buttons = new QHBoxLayout;
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("Close"));
  close->setToolTip(QStringLiteral("Close user information screen"));
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  setFixedWidth(480);
  setFixedHeight(sizeHint().height());
}

}  // namespace korvane::gui
