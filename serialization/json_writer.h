#pragma once
// A JSON document written into a string: objects and arrays with their commas, strings escaped, reals as the
// shortest text that reads back the same. Used by the command-line tool for its documents; never linked into
// the library, which reads JSON but never writes it. (rapidjson's writer would do, but its work stack is
// undefined behaviour on its first push.)

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trv::serialization {

// The shortest text that reads back as the same double.
std::string realText(double value);

// A finite real as a JSON number that reads back as the same double, its sign included: the shortest text,
// a negative zero as "-0.0" (readers take "-0" for the integer 0).
std::string jsonNumber(double value);

class JsonWriter {
 public:
  void StartObject() { open('{'); }
  void EndObject() { close('}'); }
  void StartArray() { open('['); }
  void EndArray() { close(']'); }
  void Key(std::string_view name);
  void String(std::string_view value);
  void Int(std::int32_t value) { raw(std::to_string(value)); }
  void Double(double value) { raw(jsonNumber(value)); }  // finite values only
  void Bool(bool value) { raw(value ? "true" : "false"); }
  void Null() { raw("null"); }

  std::string const& text() const { return text_; }

 private:
  // A comma before every value of an object or array but its first; none after a key.
  void separate();
  void raw(std::string const& value);
  void open(char bracket);
  void close(char bracket);

  std::string text_;
  std::vector<bool> first_;  // per open object or array: no value in it yet
  bool afterKey_ = false;
};

}  // namespace trv::serialization
