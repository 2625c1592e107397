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
  using namespace keys;
  ProxySettings settings;
  settings.use = store.readFlag(kProxy, kProxyUse, false);
  settings.address = store.readText(kProxy, kProxyAddress, "").substr(0, kProxyTextLength);
  settings.port = PortFromText(store.readText(kProxy, kProxyPort, ""));
  settings.userName = store.readText(kProxy, kProxyUser, "").substr(0, kProxyTextLength);
  settings.password = store.readText(kProxy, kProxyPassword, "").substr(0, kProxyTextLength);
  return settings;
}

void WriteProxySettings(SettingsStore& store, const ProxySettings& settings) {
  using namespace keys;
  store.writeFlag(kProxy, kProxyUse, settings.use);
  store.writeText(kProxy, kProxyAddress, settings.address);
  store.writeInteger(kProxy, kProxyPort, settings.port);
  store.writeText(kProxy, kProxyUser, settings.userName);
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
  store_.writeText(keys::kProxy, keys::kProxyPassword, password);
}

}  // namespace korvane::update
