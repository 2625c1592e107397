#include "update/UpdateInformation.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace korvane::update {

namespace {

// A strict reader of one JSON object whose string members are kept; members
// of other kinds are checked and skipped, so the document can grow.
class JsonObjectReader {
 public:
  explicit JsonObjectReader(std::string_view text) : text_(text) {}

  bool read(std::map<std::string, std::string>& strings, std::string& problem) {
    skipSpace();
    if (!consume('{')) return fail(problem, "the document is not a JSON object");
    skipSpace();
    if (!consume('}')) {
      while (true) {
        skipSpace();
        std::string name;
        if (!readString(name)) return fail(problem, "a member name is not a valid string");
        skipSpace();
        if (!consume(':')) return fail(problem, "a member has no value");
        skipSpace();
        if (peek() == '"') {
          std::string value;
          if (!readString(value)) return fail(problem, "a text value is not valid");
          if (strings.count(name)) return fail(problem, "the member \"" + name + "\" is repeated");
          strings[name] = std::move(value);
        } else if (!skipValue(1)) {
          return fail(problem, "a value is not valid JSON");
        }
        skipSpace();
        if (consume(',')) continue;
        if (consume('}')) break;
        return fail(problem, "the object is not closed");
      }
    }
    skipSpace();
    if (pos_ != text_.size()) return fail(problem, "there is text after the object");
    return true;
  }

 private:
  static constexpr int kMaxDepth = 32;

  static bool fail(std::string& problem, std::string why) {
    problem = std::move(why);
    return false;
  }
  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  bool consume(char c) {
    if (peek() != c || pos_ >= text_.size()) return false;
    ++pos_;
    return true;
  }
  void skipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }
  bool literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  std::optional<unsigned> hex4() {
    if (pos_ + 4 > text_.size()) return std::nullopt;
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      value <<= 4;
      if (c >= '0' && c <= '9')
        value |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f')
        value |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        value |= static_cast<unsigned>(c - 'A' + 10);
      else
        return std::nullopt;
    }
    return value;
  }

  static void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // Length of the UTF-8 sequence starting at pos_, 0 when it is not valid.
  size_t utf8Length() const {
    const auto b = static_cast<unsigned char>(text_[pos_]);
    size_t length = 0;
    unsigned cp = 0;
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0)
      length = 2, cp = b & 0x1F;
    else if ((b & 0xF0) == 0xE0)
      length = 3, cp = b & 0x0F;
    else if ((b & 0xF8) == 0xF0)
      length = 4, cp = b & 0x07;
    else
      return 0;
    if (pos_ + length > text_.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
      const auto c = static_cast<unsigned char>(text_[pos_ + i]);
      if ((c & 0xC0) != 0x80) return 0;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
  }

  bool readString(std::string& out) {
    if (!consume('"')) return false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '"') {
        ++pos_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        const size_t length = utf8Length();
        if (length == 0) return false;
        out.append(text_.substr(pos_, length));
        pos_ += length;
        continue;
      }
      ++pos_;
      const char e = peek();
      ++pos_;
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          auto cp = hex4();
          if (!cp) return false;
          if (*cp >= 0xD800 && *cp <= 0xDBFF) {
            if (!literal("\\u")) return false;
            const auto low = hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF) return false;
            cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
          } else if (*cp >= 0xDC00 && *cp <= 0xDFFF) {
            return false;
          }
          appendUtf8(out, *cp);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  bool skipNumber() {
    const size_t start = pos_;
    consume('-');
    if (peek() == '0') {
      ++pos_;
    } else if (std::isdigit(static_cast<unsigned char>(peek()))) {
      while (std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
    } else {
      return false;
    }
    if (consume('.')) {
      if (!std::isdigit(static_cast<unsigned char>(peek()))) return false;
      while (std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
    }
    if (peek() == 'e' || peek() == 'E') {
      ++pos_;
      if (peek() == '+' || peek() == '-') ++pos_;
      if (!std::isdigit(static_cast<unsigned char>(peek()))) return false;
      while (std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
    }
    return pos_ > start;
  }

  bool skipValue(int depth) {
    if (depth > kMaxDepth) return false;
    skipSpace();
    const char c = peek();
    if (c == '"') {
      std::string ignored;
      return readString(ignored);
    }
    if (c == '{' || c == '[') {
      const char close = c == '{' ? '}' : ']';
      ++pos_;
      skipSpace();
      if (consume(close)) return true;
      while (true) {
        skipSpace();
        if (c == '{') {
          std::string ignored;
          if (!readString(ignored)) return false;
          skipSpace();
          if (!consume(':')) return false;
        }
        if (!skipValue(depth + 1)) return false;
        skipSpace();
        if (consume(',')) continue;
        return consume(close);
      }
    }
    if (c == 't') return literal("true");
    if (c == 'f') return literal("false");
    if (c == 'n') return literal("null");
    return skipNumber();
  }

  std::string_view text_;
  size_t pos_ = 0;
};

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

ParsedInformation ParseUpdateInformation(std::string_view document) {
  ParsedInformation parsed;
  if (document.size() > kMaxDocumentBytes) {
    parsed.problem = "the document is too long";
    return parsed;
  }
  std::map<std::string, std::string> strings;
  if (!JsonObjectReader(document).read(strings, parsed.problem)) return parsed;

  UpdateInformation info;
  const auto member = [&](const char* name, std::string& into) {
    const auto it = strings.find(name);
    if (it == strings.end()) return false;
    into = it->second;
    return true;
  };
  if (!member("version", info.version)) {
    parsed.problem = "the text member \"version\" is missing";
    return parsed;
  }
  if (!member("date", info.date)) {
    parsed.problem = "the text member \"date\" is missing";
    return parsed;
  }
  if (!member("download", info.download)) {
    parsed.problem = "the text member \"download\" is missing";
    return parsed;
  }
  member("notes", info.notes);

  const auto number = ParseReleaseNumber(info.version);
  if (!number) {
    parsed.problem = "the version \"" + info.version + "\" is not a release number";
    return parsed;
  }
  const auto date = ParseIsoDate(info.date);
  if (!date) {
    parsed.problem = "the date \"" + info.date + "\" is not a date (YYYY-MM-DD)";
    return parsed;
  }
  if (!IsAllowedAddress(info.download)) {
    parsed.problem = "the download address is not an HTTPS address";
    return parsed;
  }
  info.number = *number;
  info.releaseDate = *date;
  parsed.information = std::move(info);
  return parsed;
}

std::optional<AddressParts> SplitAddress(std::string_view address) {
  const size_t colon = address.find("://");
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  AddressParts parts;
  parts.scheme = lower(address.substr(0, colon));
  if (!std::all_of(parts.scheme.begin(), parts.scheme.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '+' || c == '-' || c == '.';
      })) {
    return std::nullopt;
  }
  std::string_view rest = address.substr(colon + 3);
  rest = rest.substr(0, rest.find_first_of("/?#"));
  // A user name in the address is refused: it hides the real host.
  if (rest.find('@') != std::string_view::npos) return std::nullopt;
  if (!rest.empty() && rest.front() == '[') {
    const size_t close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    parts.host = lower(rest.substr(1, close - 1));
    rest = rest.substr(close + 1);
    if (!rest.empty() && rest.front() != ':') return std::nullopt;
  } else {
    const size_t portColon = rest.find(':');
    parts.host = lower(rest.substr(0, portColon));
    rest = portColon == std::string_view::npos ? std::string_view() : rest.substr(portColon);
  }
  if (!rest.empty()) {
    const std::string_view port = rest.substr(1);
    if (port.empty() || port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c); })) {
      return std::nullopt;
    }
  }
  if (parts.host.empty()) return std::nullopt;
  for (unsigned char c : parts.host) {
    if (c <= 0x20 || c == 0x7F || c == '\\') return std::nullopt;
  }
  return parts;
}

bool IsLoopbackHost(std::string_view host) {
  if (host == "localhost" || host == "::1") return true;
  // 127.0.0.0/8 in dotted decimal.
  int parts = 0;
  size_t start = 0;
  while (start <= host.size()) {
    const size_t dot = std::min(host.find('.', start), host.size());
    const std::string_view part = host.substr(start, dot - start);
    if (part.empty() || part.size() > 3 ||
        !std::all_of(part.begin(), part.end(), [](unsigned char c) { return std::isdigit(c); })) {
      return false;
    }
    const int value = std::stoi(std::string(part));
    if (value > 255 || (parts == 0 && value != 127)) return false;
    ++parts;
    start = dot + 1;
  }
  return parts == 4;
}

bool IsAllowedAddress(std::string_view address) {
  const auto parts = SplitAddress(address);
  if (!parts) return false;
  if (parts->scheme == "https") return true;
  return parts->scheme == "http" && IsLoopbackHost(parts->host);
}

}  // namespace korvane::update
