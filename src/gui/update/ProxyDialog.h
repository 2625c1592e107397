#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <functional>

#include "update/ProxySettings.h"

namespace korvane {
class SettingsStore;
}

namespace korvane::gui {

// "Automatic Update: Proxy Server Configuration": edits the proxy the update
// check goes through and hands it on to the connection.
class ProxyDialog : public QDialog {
 public:
  ProxyDialog(SettingsStore& store, update::ProxyPasswordKeeper& password,
              QWidget* parent = nullptr);

  // The stored values into the fields, then on to the connection.
  void Load_Proxy_settings();
  // "&Accept": the fields into the store, on to the connection, closed.
  void Save_Proxy_settings();
  // The fields on to the connection.
  void Transfer_Settings();

  // Receives what the connection is to use.
  std::function<void(const update::ProxySettings&)> Transfer;

 private:
  update::ProxySettings fromFields() const;
  void portLeft();

  SettingsStore& store_;
  update::ProxyPasswordKeeper& password_;
  QCheckBox* use_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* passwordField_ = nullptr;
};

}  // namespace korvane::gui
