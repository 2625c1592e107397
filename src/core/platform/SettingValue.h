#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/SettingsStore.h"

namespace korvane::settings {

enum class SettingKind { Flag, Integer, Text, Number };

// The preferences are loaded at start-up and reloaded before the dialog is
// shown; a few values fall back differently on the reload.
enum class Load { Startup, Reload };

template <typename T>
constexpr SettingKind KindOf() {
  if constexpr (std::is_same_v<T, bool>) {
    return SettingKind::Flag;
  } else if constexpr (std::is_same_v<T, long long>) {
    return SettingKind::Integer;
  } else {
    static_assert(std::is_same_v<T, std::string_view>, "a setting is a flag, integer or text");
    return SettingKind::Text;
  }
}

// One value of the settings store, declared once with its section, name and
// what a missing value reads as.
template <typename T>
struct SettingValue {
  static constexpr SettingKind kind = KindOf<T>();

  std::string_view section;
  std::string_view name;
  T fallback{};
  T reloadFallback = fallback;

  // bool, long long or std::string.
  auto read(SettingsStore& store, Load load = Load::Startup) const {
    const T& missing = load == Load::Startup ? fallback : reloadFallback;
    if constexpr (kind == SettingKind::Flag) {
      return store.readFlag(section, name, missing);
    } else if constexpr (kind == SettingKind::Integer) {
      return store.readInteger(section, name, missing);
    } else {
      return store.readText(section, name, missing);
    }
  }

  // What is stored, if anything, without a fallback.
  std::optional<std::string> stored(SettingsStore& store) const {
    return store.readValue(section, name);
  }

  void write(SettingsStore& store, T value) const {
    if constexpr (kind == SettingKind::Flag) {
      store.writeFlag(section, name, value);
    } else if constexpr (kind == SettingKind::Integer) {
      store.writeInteger(section, name, value);
    } else {
      store.writeText(section, name, value);
    }
  }
};

// A number whose fallback is the factory text of the parameter it belongs
// to; a stored text that does not read as a number is repaired with it.
struct NumberSetting {
  static constexpr SettingKind kind = SettingKind::Number;

  std::string_view section;
  std::string_view name;

  double read(SettingsStore& store, std::string_view factoryText) const {
    return store.readNumber(section, name, factoryText);
  }
  void write(SettingsStore& store, std::string_view text) const {
    store.writeText(section, name, text);
  }
};

}  // namespace korvane::settings
