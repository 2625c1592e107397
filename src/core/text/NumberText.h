#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane::text {

// Reads a number written with "." as decimal point. Blanks around it are
// allowed; anything else that does not belong to the number makes it unreadable.
std::optional<double> parseNumber(std::string_view text);

// Reads a whole number in decimal ("+12", "-3"); fractions are unreadable.
std::optional<long long> parseInteger(std::string_view text);

// Fixed-point text of a value with the given number of decimals, "." as decimal
// point, no grouping. Halves round away from zero on the decimal digits of the
// value (0.125 -> "0.13"), not on its binary approximation.
//
// The double form looks at the value's first 15 significant digits, which is
// what a computed figure means; the float form looks at the shortest digits
// that give the float back, which is what the user typed.
std::string formatFixed(double value, int decimals);
std::string formatFixed(float value, int decimals);

// Inserts a thousands separator into the whole part of a fixed-point text. Only
// the first three groups get a separator (1234567890123 -> "1234,567,890,123").
std::string groupThousands(std::string_view fixedText, std::string_view separator);

// The thousands separator of result texts, which always use "." as decimal
// point: the locale's own, or "," where the locale groups with "." (or not at
// all), so that a text never reads "26.276.50".
std::string resultThousandsSeparator(std::string_view localeSeparator);

// A result number: fixed decimals, "." as decimal point, grouped with
// resultThousandsSeparator(localeSeparator).
std::string formatResultNumber(double value, int decimals, std::string_view localeSeparator);

}  // namespace korvane::text

namespace korvane::text {

// The first maxCharacters characters of a UTF-8 text (never half a character).
std::string utf8Prefix(std::string_view text, size_t maxCharacters);

// Reads a number shown with the user's separators: thousands separators are
// dropped and the decimal separator stands for ".".
std::optional<double> parseLocalNumber(std::string_view text, std::string_view decimalSeparator,
                                       std::string_view thousandsSeparator);

// Fixed-point text with the user's decimal separator (no grouping).
std::string formatLocalFixed(double value, int decimals, std::string_view decimalSeparator);

}  // namespace korvane::text
