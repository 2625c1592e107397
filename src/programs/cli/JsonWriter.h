#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::cli {

// A small streaming JSON writer: objects, arrays, strings and numbers, with
// commas and indentation handled here.
class JsonWriter {
 public:
  void beginObject(std::string_view key = {}) { open(key, '{'); }
  void endObject() { close('}'); }
  void beginArray(std::string_view key = {}) { open(key, '['); }
  void endArray() { close(']'); }

  void value(std::string_view key, double number) { item(key, numberText(number)); }
  void value(std::string_view key, int number) { item(key, std::to_string(number)); }
  void value(std::string_view key, std::string_view text) { item(key, quoted(text)); }
  void value(std::string_view key, const char* text) { item(key, quoted(text)); }
  void null(std::string_view key) { item(key, "null"); }
  // Array elements.
  void add(double number) { item({}, numberText(number)); }
  void add(std::string_view text) { item({}, quoted(text)); }

  const std::string& text() const { return out_; }

  // Shortest text that reads back as the same double; null for what JSON
  // cannot hold.
  static std::string numberText(double number) {
    if (!std::isfinite(number)) return "null";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    return std::string(buffer, end);
  }

  static std::string quoted(std::string_view text) {
    std::string q = "\"";
    for (char c : text) {
      switch (c) {
        case '"':
          q += "\\\"";
          break;
        case '\\':
          q += "\\\\";
          break;
        case '\n':
          q += "\\n";
          break;
        case '\r':
          q += "\\r";
          break;
        case '\t':
          q += "\\t";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
            q += buffer;
          } else {
            q += c;
          }
      }
    }
    return q + "\"";
  }

 private:
  void prefix(std::string_view key) {
    if (!first_.empty()) {
      if (!first_.back()) out_ += ',';
      first_.back() = false;
      out_ += '\n';
      out_.append(first_.size() * 2, ' ');
    }
    if (!key.empty()) out_ += quoted(key) + ": ";
  }
  void item(std::string_view key, const std::string& text) {
    prefix(key);
    out_ += text;
  }
  void open(std::string_view key, char bracket) {
    prefix(key);
    out_ += bracket;
    first_.push_back(true);
  }
  void close(char bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
      out_ += '\n';
      out_.append(first_.size() * 2, ' ');
    }
    out_ += bracket;
  }

  std::string out_;
  std::vector<bool> first_;
};

}  // namespace korvane::cli
