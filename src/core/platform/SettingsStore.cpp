#include "platform/SettingsStore.h"

#include "text/NumberText.h"

namespace korvane {

std::string SettingsStore::readText(std::string_view section, std::string_view name,
                                    std::string_view fallback) {
  return readValue(section, name).value_or(std::string(fallback));
}

bool SettingsStore::readFlag(std::string_view section, std::string_view name, bool fallback) {
  const auto value = readValue(section, name);
  if (!value) return fallback;
  const auto number = text::parseInteger(*value);
  return number ? *number > 0 : fallback;
}

long long SettingsStore::readInteger(std::string_view section, std::string_view name,
                                     long long fallback) {
  const auto value = readValue(section, name);
  if (!value) return fallback;
  return text::parseInteger(*value).value_or(fallback);
}

double SettingsStore::readNumber(std::string_view section, std::string_view name,
                                 std::string_view factoryText) {
  const std::string stored = readText(section, name, factoryText);
  if (const auto number = text::parseNumber(stored)) return *number;
  writeValue(section, name, factoryText);
  return text::parseNumber(factoryText).value_or(0);
}

void SettingsStore::writeInteger(std::string_view section, std::string_view name, long long value) {
  writeValue(section, name, std::to_string(value));
}

std::optional<std::string> MemorySettingsStore::readValue(std::string_view section,
                                                          std::string_view name) {
  const auto it = values.find({std::string(section), std::string(name)});
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::writeValue(std::string_view section, std::string_view name,
                                     std::string_view value) {
  values[{std::string(section), std::string(name)}] = value;
}

}  // namespace korvane
