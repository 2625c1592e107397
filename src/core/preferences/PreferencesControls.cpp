#include "preferences/PreferencesControls.h"

#include "preferences/Co2Factors.h"
#include "preferences/PreferenceValues.h"

namespace korvane::preferences {

std::string CurrencySymbol(int mode, const std::string& customCurrency) {
  switch (mode) {
    case 1:
      return std::string(kDollar);
    case 2:
      return std::string(kPound);
    case 3:
      return customCurrency;
    default:
      return std::string(kEuro);
  }
}

PreferencesControls::PreferencesControls() {
  for (const Co2Factor& factor : kCo2Factors) {
    fields[std::string(factor.field)] = std::make_unique<TextField>();
  }
  for (const char* base : {"DE", "IvE", "VaE", "C1E", "C2E", "VfdE"}) {
    for (int flow = 100; flow >= 10; flow -= 10) {
      fields[base + std::to_string(flow)] = std::make_unique<TextField>();
    }
  }
}

ComponentLookup PreferencesControls::findComponent(std::string_view name) {
  const auto it = fields.find(name);
  if (it == fields.end()) return {};
  return {true, it->second.get()};
}

}  // namespace korvane::preferences
