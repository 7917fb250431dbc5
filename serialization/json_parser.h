#pragma once
// The JSON side of the Simple JSON reader, independent of any record: parses one line that holds one JSON
// object and hands each top-level member to a visitor. Only top-level members are seen; for an array
// value, its first element and whether it is empty.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trv::serialization::simple_json {

struct JsonValue {
  enum class Kind : std::uint8_t { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  bool isInt32 = false;    // Number: an integer literal within the int32 range
  std::int32_t int32 = 0;  // Number with isInt32
  double number = 0;       // Number: its value
  bool tiny = false;       // Number: below the smallest real, read as zero with its sign
  std::string_view text;   // String: its decoded text (valid during the visit only)
};

struct JsonMember {
  JsonValue value;
  // Array only: whether it has no element, and its first element (Kind Array or Object when nested).
  bool empty = true;
  JsonValue first;
  // Only when the line is parsed observed (valid during the visit only): where the member's name starts in
  // the line, its name, its value's text and, for an array, how many elements it has.
  std::size_t offset = 0;
  std::string_view name;
  std::string_view raw;
  std::uint32_t count = 0;
};

class MemberVisitor {
 public:
  // The index of the field that a member of this name belongs to, or -1.
  virtual int fieldIndex(std::string_view name) = 0;
  // A complete member value for the field of `index` (never -1), in document order.
  virtual void member(int index, JsonMember const& member) = 0;
  // Observed parsing only: a member whose name is no field's, a further object on the line at `offset`, and
  // where the parsing fails (before it throws).
  virtual void unknown(JsonMember const& member) { static_cast<void>(member); }
  virtual void secondObject(std::size_t offset) { static_cast<void>(offset); }
  virtual void fault(std::size_t offset) { static_cast<void>(offset); }

 protected:
  ~MemberVisitor() = default;
};

// Objects and arrays nested deeper than this, the root object counted as the first level, are refused. The
// parser keeps its nesting on a heap stack of a few bytes per level, never on the call stack.
inline constexpr std::size_t kMaxNesting = 2048;

// Parses `line`: blanks, one JSON object, blanks; further whole objects after it are checked and dropped.
// Throws one of the Simple JSON errors (errors.h) on anything else: errors::rootNotObject, numberTooBig for a
// number beyond the double range, nestedTooDeeply beyond kMaxNesting, jsonParserError with the JSON parser's
// own text for the rest.
void parseObjectLine(std::string_view line, MemberVisitor& visitor);
// The same, telling the visitor also where each member stands, the members no field takes and further
// objects.
void parseObservedObjectLine(std::string_view line, MemberVisitor& visitor);

// Whether a number text beyond the double range is tiny (it rounds to zero) rather than huge: the decimal
// magnitude from its significant digits and exponent is negative (a zero is not tiny). A sign may lead.
bool isTinyNumber(std::string_view text);

}  // namespace trv::serialization::simple_json
