#include "update/UpdateVersion.h"

#include <algorithm>
#include <charconv>
#include <compare>

namespace korvane::update {

namespace {

std::optional<int> digits(std::string_view text, size_t count) {
  if (text.size() != count) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool plausible(const ReleaseDate& d) {
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.year < 1900 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  if (d.day > kDays[d.month - 1]) return false;
  const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  return !(d.month == 2 && d.day == 29 && !leap);
}

std::optional<ReleaseDate> checked(std::optional<int> y, std::optional<int> m,
                                   std::optional<int> d) {
  if (!y || !m || !d) return std::nullopt;
  ReleaseDate date{*y, *m, *d};
  if (!plausible(date)) return std::nullopt;
  return date;
}

}  // namespace

std::strong_ordering operator<=>(const ReleaseNumber& a, const ReleaseNumber& b) {
  const size_t n = std::max(a.parts.size(), b.parts.size());
  for (size_t i = 0; i < n; ++i) {
    const long x = i < a.parts.size() ? a.parts[i] : 0;
    const long y = i < b.parts.size() ? b.parts[i] : 0;
    if (x != y) return x <=> y;
  }
  return std::strong_ordering::equal;
}

bool operator==(const ReleaseNumber& a, const ReleaseNumber& b) {
  return (a <=> b) == 0;
}

std::optional<ReleaseNumber> ParseReleaseNumber(std::string_view text) {
  ReleaseNumber number;
  size_t start = 0;
  while (true) {
    const size_t dot = text.find('.', start);
    const std::string_view part =
        text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    // Digits only, and few enough that the number cannot overflow.
    if (part.empty() || part.size() > 9) return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size() || part[0] == '+' ||
        part[0] == '-') {
      return std::nullopt;
    }
    number.parts.push_back(value);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (number.parts.size() > 8) return std::nullopt;
  return number;
}

std::optional<ReleaseDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  return checked(digits(text.substr(0, 4), 4), digits(text.substr(5, 2), 2),
                 digits(text.substr(8, 2), 2));
}

std::optional<ReleaseDate> ParseUsDate(std::string_view text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  return checked(digits(text.substr(6, 4), 4), digits(text.substr(0, 2), 2),
                 digits(text.substr(3, 2), 2));
}

bool IsNewerRelease(const ReleaseNumber& offered, const ReleaseDate& offeredDate,
                    const ReleaseNumber& running, const ReleaseDate& runningDate) {
  const auto order = offered <=> running;
  if (order != 0) return order > 0;
  return offeredDate > runningDate;
}

}  // namespace korvane::update
