#pragma once

#include <QObject>

#include "update/ProxySettings.h"

namespace korvane::gui {

// The desktop's keyring (Secret Service, KWallet) through QtKeychain. Without
// a keyring service every request answers "not kept".
class KeyringSecretStore : public QObject, public update::SecretStore {
 public:
  explicit KeyringSecretStore(QObject* parent = nullptr) : QObject(parent) {}

  void Read_Secret(std::string_view key,
                   std::function<void(std::optional<std::string>)> done) override;
  void Write_Secret(std::string_view key, std::string_view value,
                    std::function<void(bool)> done) override;
};

}  // namespace korvane::gui
