#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// The user's settings: sections of named text values. Reads of a missing
// value, and failures of the store, give the caller's fallback; failed writes
// leave the store as it was.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> readValue(std::string_view section, std::string_view name) = 0;
  virtual void writeValue(std::string_view section, std::string_view name,
                          std::string_view value) = 0;

  std::string readText(std::string_view section, std::string_view name, std::string_view fallback);
  // True when the value reads as a whole number above 0.
  bool readFlag(std::string_view section, std::string_view name, bool fallback);
  long long readInteger(std::string_view section, std::string_view name, long long fallback);
  // A stored number that does not read is repaired: the factory text is
  // written back and its number returned.
  double readNumber(std::string_view section, std::string_view name, std::string_view factoryText);

  void writeText(std::string_view section, std::string_view name, std::string_view value) {
    writeValue(section, name, value);
  }
  void writeFlag(std::string_view section, std::string_view name, bool value) {
    writeValue(section, name, value ? "1" : "0");
  }
  void writeInteger(std::string_view section, std::string_view name, long long value);
};

// A store held in memory: for tests and for runs that must not touch the
// user's own settings.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> readValue(std::string_view section, std::string_view name) override;
  void writeValue(std::string_view section, std::string_view name, std::string_view value) override;

  std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace korvane
