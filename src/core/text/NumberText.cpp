#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "text/Ascii.h"

namespace korvane::text {

namespace {

std::string_view trimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Rounds a number given in scientific notation ("-d.ddde+XX") to a fixed
// number of decimals, half away from zero, working on the digits themselves.
std::string roundScientific(std::string_view sci, int decimals) {
  bool negative = false;
  if (!sci.empty() && sci.front() == '-') {
    negative = true;
    sci.remove_prefix(1);
  }
  const auto ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos)) {
    if (isDigit(c)) digits.push_back(c);
  }
  int exponent = 0;
  std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                  exponent);

  // The digit at index k stands for 10^(exponent - k); keep those down to
  // 10^-decimals and look at the next one to decide the rounding.
  const long keep = static_cast<long>(exponent) + decimals + 1;
  std::string scaled;  // value * 10^decimals as a whole number
  bool roundUp = false;
  if (keep <= 0) {
    roundUp = keep == 0 && digits[0] >= '5';
    scaled = "0";
  } else if (keep >= static_cast<long>(digits.size())) {
    scaled = digits + std::string(static_cast<size_t>(keep) - digits.size(), '0');
  } else {
    scaled = digits.substr(0, static_cast<size_t>(keep));
    roundUp = digits[static_cast<size_t>(keep)] >= '5';
  }
  if (roundUp) {
    int i = static_cast<int>(scaled.size()) - 1;
    while (i >= 0 && scaled[static_cast<size_t>(i)] == '9') scaled[static_cast<size_t>(i--)] = '0';
    if (i < 0) {
      scaled.insert(scaled.begin(), '1');
    } else {
      ++scaled[static_cast<size_t>(i)];
    }
  }
  if (scaled.size() < static_cast<size_t>(decimals) + 1) {
    scaled.insert(0, static_cast<size_t>(decimals) + 1 - scaled.size(), '0');
  }
  std::string whole = scaled.substr(0, scaled.size() - static_cast<size_t>(decimals));
  const std::string fraction = scaled.substr(whole.size());
  const auto firstNonZero = whole.find_first_not_of('0');
  whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

  const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
  std::string result = (negative && !isZero) ? "-" : "";
  result += whole;
  if (decimals > 0) result += "." + fraction;
  return result;
}

std::string nonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  text = trimBlanks(text);
  std::string_view body = text;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
  // Only plain decimal notation: digits, one ".", an optional exponent.
  size_t i = 0;
  size_t mantissaDigits = 0;
  while (i < body.size() && isDigit(body[i])) ++i, ++mantissaDigits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && isDigit(body[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < body.size() && isDigit(body[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != body.size()) return std::nullopt;

  std::string normal(body);
  if (normal.front() == '.') normal.insert(normal.begin(), '0');
  double value = 0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return (!text.empty() && text.front() == '-') ? -value : value;
}

std::optional<long long> parseInteger(std::string_view text) {
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string formatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value);
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  return roundScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)),
                         decimals < 0 ? 0 : decimals);
}

std::string formatFixed(float value, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value);
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return roundScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)),
                         decimals < 0 ? 0 : decimals);
}

std::string groupThousands(std::string_view fixedText, std::string_view separator) {
  std::string_view sign;
  if (!fixedText.empty() && fixedText.front() == '-') {
    sign = fixedText.substr(0, 1);
    fixedText.remove_prefix(1);
  }
  const auto point = fixedText.find('.');
  const std::string_view whole = fixedText.substr(0, point);
  const std::string_view rest = point == std::string_view::npos ? "" : fixedText.substr(point);

  std::string grouped(whole);
  // Separators go in from the right, at most three of them.
  for (int groups = 1; groups <= 3; ++groups) {
    const size_t size = whole.size();
    if (size <= static_cast<size_t>(groups) * 3) break;
    grouped.insert(grouped.size() - static_cast<size_t>(groups) * 3 -
                       static_cast<size_t>(groups - 1) * separator.size(),
                   separator);
  }
  return std::string(sign) + grouped + std::string(rest);
}

std::string resultThousandsSeparator(std::string_view localeSeparator) {
  if (localeSeparator.empty() || localeSeparator == ".") return ",";
  return std::string(localeSeparator);
}

std::string formatResultNumber(double value, int decimals, std::string_view localeSeparator) {
  return groupThousands(formatFixed(value, decimals), resultThousandsSeparator(localeSeparator));
}

}  // namespace korvane::text

namespace korvane::text {

std::string utf8Prefix(std::string_view text, size_t maxCharacters) {
  size_t characters = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (characters == maxCharacters) break;
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    ++characters;
  }
  return std::string(text.substr(0, i));
}

std::optional<double> parseLocalNumber(std::string_view text, std::string_view decimalSeparator,
                                       std::string_view thousandsSeparator) {
  std::string plain;
  for (size_t i = 0; i < text.size();) {
    if (!thousandsSeparator.empty() &&
        text.substr(i, thousandsSeparator.size()) == thousandsSeparator) {
      i += thousandsSeparator.size();
    } else if (!decimalSeparator.empty() &&
               text.substr(i, decimalSeparator.size()) == decimalSeparator) {
      plain += '.';
      i += decimalSeparator.size();
    } else {
      plain += text[i++];
    }
  }
  return parseNumber(plain);
}

std::string formatLocalFixed(double value, int decimals, std::string_view decimalSeparator) {
  std::string fixed = formatFixed(value, decimals);
  const auto point = fixed.find('.');
  if (point != std::string::npos) fixed.replace(point, 1, decimalSeparator);
  return fixed;
}

}  // namespace korvane::text
