#include "update/ProxySettings.h"

#include <algorithm>

#include "platform/SettingsStore.h"
#include "text/NumberText.h"

namespace korvane::update {

int PortFromText(std::string_view text) {
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return kDefaultProxyPort;
  }
  // Long digit runs would overflow; they are above the range anyway.
  if (text.size() > 9) return kMaxProxyPort;
  const auto value = text::parseInteger(text);
  if (!value) return kDefaultProxyPort;
  return static_cast<int>(std::clamp<long long>(*value, 1, kMaxProxyPort));
}

ProxySettings ReadProxySettings(SettingsStore& store) {
  using namespace settings;
  ProxySettings proxy;
  proxy.use = kProxyUse.read(store);
  proxy.address = kProxyAddress.read(store).substr(0, kProxyTextLength);
  // Read as the port field reads what is typed there.
  proxy.port = PortFromText(kProxyPort.stored(store).value_or(""));
  proxy.userName = kProxyUser.read(store).substr(0, kProxyTextLength);
  proxy.password = kProxyPassword.read(store).substr(0, kProxyTextLength);
  return proxy;
}

void WriteProxySettings(SettingsStore& store, const ProxySettings& proxy) {
  using namespace settings;
  kProxyUse.write(store, proxy.use);
  kProxyAddress.write(store, proxy.address);
  kProxyPort.write(store, proxy.port);
  kProxyUser.write(store, proxy.userName);
}

ProxySettings ConnectionProxy(const ProxySettings& settings) {
  if (settings.use) return settings;
  return ProxySettings{};
}

ProxyPasswordKeeper::ProxyPasswordKeeper(SettingsStore& store, SecretStore* keyring,
                                         std::function<void()> makeStorePrivate)
    : store_(store), keyring_(keyring), makeStorePrivate_(std::move(makeStorePrivate)) {}

void ProxyPasswordKeeper::Load(const std::function<void(const std::string&)>& done) {
  const ProxySettings stored = ReadProxySettings(store_);
  // Without a user name there is no password to fetch, and the keyring is
  // not asked (it may want to be unlocked).
  if (!stored.password.empty() || !keyring_ || stored.userName.empty()) {
    done(stored.password);
    return;
  }
  keyring_->Read_Secret(kProxyPasswordSecret, [done](const std::optional<std::string>& secret) {
    done(secret.value_or(std::string()));
  });
}

void ProxyPasswordKeeper::Save(const std::string& password) {
  if (!keyring_) {
    writeToFile(password);
    return;
  }
  keyring_->Write_Secret(kProxyPasswordSecret, password, [this, password](bool kept) {
    // Kept in the keyring: no copy stays in the file.
    writeToFile(kept ? std::string() : password);
  });
}

void ProxyPasswordKeeper::writeToFile(const std::string& password) {
  if (!password.empty() && makeStorePrivate_) makeStorePrivate_();
  settings::kProxyPassword.write(store_, password);
}

}  // namespace korvane::update
