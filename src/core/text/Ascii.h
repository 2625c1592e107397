#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Character tests and case changes that never depend on the user's locale:
// file tags, digits and object names are plain ASCII.

namespace korvane::text {

constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr char upperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string upperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upperAscii(c);
  return out;
}

inline std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = lowerAscii(c);
  return out;
}

constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace korvane::text
