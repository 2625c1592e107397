#include "gui/update/ProxyDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/SettingsStore.h"

namespace korvane::gui {

namespace {

QLineEdit* field(const char* name, int length, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(length);
  return edit;
}

}  // namespace

ProxyDialog::ProxyDialog(SettingsStore& store, update::ProxyPasswordKeeper& password,
                         QWidget* parent)
    : QDialog(parent), store_(store), password_(password) {
  setObjectName(QStringLiteral("ProxyDialog"));
  setWindowTitle(QStringLiteral("Automatic Update: Proxy Server Configuration"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  use_ = new QCheckBox(QStringLiteral("Use Proxy Server"), this);
  use_->setObjectName(QStringLiteral("UseProxy"));
  layout->addWidget(use_);

  auto* form = new QFormLayout;
  address_ = field("Address", update::kProxyTextLength, this);
  port_ = field("Port", update::kProxyPortLength, this);
  port_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), port_));
  port_->setFixedWidth(70);
  user_ = field("UserName", update::kProxyTextLength, this);
  passwordField_ = field("Password", update::kProxyTextLength, this);
  form->addRow(QStringLiteral("Address:"), address_);
  form->addRow(QStringLiteral("Port:"), port_);
  form->addRow(QStringLiteral("User name:"), user_);
  form->addRow(QStringLiteral("Password:"), passwordField_);
  layout->addLayout(form);
  connect(port_, &QLineEdit::editingFinished, this, [this] { portLeft(); });

  auto* buttons = new QHBoxLayout;
  auto* accept = new QPushButton(QStringLiteral("&Accept"), this);
  accept->setObjectName(QStringLiteral("Accept"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));
  accept->setAutoDefault(false);
  cancel->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(accept);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(accept, &QPushButton::clicked, this, [this] { Save_Proxy_settings(); });
  // Escape and Cancel close without storing; the typed text stays until the
  // next start reloads the fields.
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(420, sizeHint().height());
}

void ProxyDialog::Load_Proxy_settings() {
  const update::ProxySettings stored = update::ReadProxySettings(store_);
  use_->setChecked(stored.use);
  address_->setText(QString::fromStdString(stored.address));
  port_->setText(QString::number(stored.port));
  user_->setText(QString::fromStdString(stored.userName));
  passwordField_->clear();
  Transfer_Settings();
  // The keyring may answer later; the connection gets the password then.
  QPointer<ProxyDialog> self(this);
  password_.Load([self](const std::string& password) {
    if (!self || password.empty()) return;
    self->passwordField_->setText(QString::fromStdString(password));
    self->Transfer_Settings();
  });
}

void ProxyDialog::Save_Proxy_settings() {
  portLeft();
  const update::ProxySettings settings = fromFields();
  update::WriteProxySettings(store_, settings);
  password_.Save(settings.password);
  Transfer_Settings();
  accept();
}

void ProxyDialog::Transfer_Settings() {
  if (Transfer) Transfer(update::ConnectionProxy(fromFields()));
}

update::ProxySettings ProxyDialog::fromFields() const {
  update::ProxySettings settings;
  settings.use = use_->isChecked();
  settings.address = address_->text().trimmed().toStdString();
  settings.port = update::PortFromText(port_->text().toStdString());
  settings.userName = user_->text().toStdString();
  settings.password = passwordField_->text().toStdString();
  return settings;
}

void ProxyDialog::portLeft() {
  port_->setText(QString::number(update::PortFromText(port_->text().toStdString())));
}

}  // namespace korvane::gui
