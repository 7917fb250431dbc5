#include "serialization/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trv::serialization {

std::string realText(double value) {
  char buffer[32];
  auto const result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string jsonNumber(double value) {
  if (value == 0 && std::signbit(value)) return "-0.0";
  return realText(value);
}

void JsonWriter::Key(std::string_view name) {
  String(name);
  text_ += ':';
  afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
  separate();
  text_ += '"';
  for (char const c : value) {
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      text_ += escaped;
    } else {
      text_ += c;
    }
  }
  text_ += '"';
}

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) text_ += ',';
    first_.back() = false;
  }
}

void JsonWriter::raw(std::string const& value) {
  separate();
  text_ += value;
}

void JsonWriter::open(char bracket) {
  separate();
  text_ += bracket;
  first_.push_back(true);
}

void JsonWriter::close(char bracket) {
  text_ += bracket;
  first_.pop_back();
}

}  // namespace trv::serialization
