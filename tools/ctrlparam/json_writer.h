#pragma once
// The JSON documents of --json, written into a string: objects and arrays with their commas, strings
// escaped, reals as the shortest text that reads back the same. (rapidjson's writer would do, but its work
// stack is undefined behaviour on its first push.)

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ctrlparam {

// The shortest text that reads back as the same double.
inline std::string realText(double value) {
  char buffer[32];
  auto const result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

class JsonWriter {
 public:
  void StartObject() { open('{'); }
  void EndObject() { close('}'); }
  void StartArray() { open('['); }
  void EndArray() { close(']'); }
  void Key(std::string_view name) {
    String(name);
    text_ += ':';
    afterKey_ = true;
  }
  void String(std::string_view value) {
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
  void Int(std::int32_t value) { raw(std::to_string(value)); }
  void Double(double value) { raw(realText(value)); }  // finite values only
  void Bool(bool value) { raw(value ? "true" : "false"); }
  void Null() { raw("null"); }

  std::string const& text() const { return text_; }

 private:
  // A comma before every value of an object or array but its first; none after a key.
  void separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (!first_.empty()) {
      if (!first_.back()) text_ += ',';
      first_.back() = false;
    }
  }
  void raw(std::string const& value) {
    separate();
    text_ += value;
  }
  void open(char bracket) {
    separate();
    text_ += bracket;
    first_.push_back(true);
  }
  void close(char bracket) {
    text_ += bracket;
    first_.pop_back();
  }

  std::string text_;
  std::vector<bool> first_;  // per open object or array: no value in it yet
  bool afterKey_ = false;
};

}  // namespace ctrlparam
