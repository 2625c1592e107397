// Feeds arbitrary bytes to the update information reader and the address
// check: neither may crash, and whatever is accepted must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/UpdateInformation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = korvane::update::ParseUpdateInformation(text);
  if (parsed.information) {
    if (!korvane::update::IsAllowedAddress(parsed.information->download)) std::abort();
    if (!korvane::update::ParseReleaseNumber(parsed.information->version)) std::abort();
  } else if (parsed.problem.empty()) {
    std::abort();
  }
  korvane::update::IsAllowedAddress(text);
  return 0;
}
