#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsTable.h"

namespace korvane {
class SettingsStore;
}

namespace korvane::update {

inline constexpr int kDefaultProxyPort = static_cast<int>(settings::kProxyPort.fallback);
inline constexpr int kMaxProxyPort = 65535;
inline constexpr int kProxyTextLength = 60;
inline constexpr int kProxyPortLength = 5;

// The proxy the update check goes through. With `use` off the connection
// takes the system's own configuration.
struct ProxySettings {
  bool use = false;
  std::string address;
  int port = kDefaultProxyPort;
  std::string userName;
  std::string password;
  bool operator==(const ProxySettings&) const = default;
};

// The port field when it is left: its number within 1..65535; a text that is
// not a number gives the default port.
int PortFromText(std::string_view text);

// The stored values; the password only where the settings file keeps it.
ProxySettings ReadProxySettings(SettingsStore& store);
// Everything but the password, which goes through ProxyPasswordKeeper.
void WriteProxySettings(SettingsStore& store, const ProxySettings& settings);

// What the connection is given: the settings with the proxy on; with it off
// the system's configuration, i.e. no server, port 8080 and no credentials.
ProxySettings ConnectionProxy(const ProxySettings& settings);

// The desktop's keyring. Answers may come later, on the same thread.
class SecretStore {
 public:
  virtual ~SecretStore() = default;
  // The kept text, or nothing when there is none or no keyring answers.
  virtual void Read_Secret(std::string_view key,
                           std::function<void(std::optional<std::string>)> done) = 0;
  // done(true) once the keyring holds the text.
  virtual void Write_Secret(std::string_view key, std::string_view value,
                            std::function<void(bool)> done) = 0;
};

// Where the proxy password lives: in the keyring when there is one, else in
// the settings file, which is made readable by its owner only first.
class ProxyPasswordKeeper {
 public:
  ProxyPasswordKeeper(SettingsStore& store, SecretStore* keyring,
                      std::function<void()> makeStorePrivate);

  void Load(const std::function<void(const std::string&)>& done);
  void Save(const std::string& password);

 private:
  void writeToFile(const std::string& password);

  SettingsStore& store_;
  SecretStore* keyring_;
  std::function<void()> makeStorePrivate_;
};

inline constexpr std::string_view kProxyPasswordSecret = "proxy-password";

}  // namespace korvane::update
