#pragma once

#include <string>
#include <string_view>

namespace korvane::text {

// Project files are Windows-1252 so that they move between machines and older
// copies of the program. Characters the code page cannot hold become "?".
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

// One Unicode code point appended as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace korvane::text
