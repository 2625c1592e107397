#pragma once

#include <compare>
#include <optional>
#include <string_view>
#include <vector>

namespace korvane::update {

// This program's release, as the update information names releases.
inline constexpr std::string_view kProgramDate = "06/24/2009";

// A release number such as "0.01.00": whole numbers joined by dots, compared
// number by number ("0.10.00" is above "0.9.00"; missing numbers count as 0).
struct ReleaseNumber {
  std::vector<long> parts;
  friend std::strong_ordering operator<=>(const ReleaseNumber& a, const ReleaseNumber& b);
  friend bool operator==(const ReleaseNumber& a, const ReleaseNumber& b);
};
std::optional<ReleaseNumber> ParseReleaseNumber(std::string_view text);

struct ReleaseDate {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const ReleaseDate&) const = default;
};
// "2027-01-15", the update information's form.
std::optional<ReleaseDate> ParseIsoDate(std::string_view text);
// "06/24/2009", the form this program's own date has always been given in.
std::optional<ReleaseDate> ParseUsDate(std::string_view text);

// True when the offered release is later than the running one: a higher
// number, or the same number released on a later day (a corrected build).
bool IsNewerRelease(const ReleaseNumber& offered, const ReleaseDate& offeredDate,
                    const ReleaseNumber& running, const ReleaseDate& runningDate);

}  // namespace korvane::update
