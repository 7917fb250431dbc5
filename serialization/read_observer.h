#pragma once
// What the stored form's readers do, told as they do it. Every reader takes an observer as a compile-time
// parameter: NoObserver, the default, tells nothing and costs nothing (the readers' code is the same as
// without one); a ReadObserver hears of every field or member, what became of it and where it stood. A
// reading with an observer takes exactly the decisions of one without: the observer only listens.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trv::serialization {

// What a reader did with one field of a Compact Binary record or one member of a Simple JSON object.
enum class Verdict : std::uint8_t {
  Taken,                // the field holds the value
  TakenNoEnumerator,    // a number the field's enumeration lacks: kept as it is
  UsedUpWithoutEffect,  // a JSON enumerator name the enumeration lacks: the field is done with and unchanged
  TakenAsZero,          // a JSON number below the smallest real: the field holds zero with the number's sign
  PassedOver,           // the reader skipped it and the field is as it was (`PassedOver` says why)
};

enum class PassedOver : std::uint8_t {
  None,
  NoField,        // the record has no field of that id or name
  OutOfOrder,     // Compact Binary: an id lower than one the reading has passed already
  WrongType,      // a wire type or JSON value the field does not take
  Duplicate,      // JSON: a later member for a field that has taken one
  LaterElements,  // the values of a list or array after its first (`count` of them)
  AfterBaseStop,  // Compact Binary: a field after the stop marker of a base part
};

struct Observation {
  Verdict verdict = Verdict::Taken;
  PassedOver reason = PassedOver::None;
  // Compact Binary: the byte offset of the field's header in the record; JSON: the offset of the member's
  // name (its opening quote) in the line, in UTF-8 bytes.
  std::size_t offset = 0;
  // The id on the wire; for JSON the id of the field the member named (0 when it names none).
  std::uint16_t id = 0;
  std::uint8_t wireType = 0;  // Compact Binary: the value's wire type
  std::string_view field;     // the record's field it was read for, empty when the record has none
  std::string_view member;    // JSON: the member's name as written
  // The value as it stands: Compact Binary its bytes, JSON its text (LaterElements: the elements passed
  // over).
  std::string_view raw;
  std::uint32_t count = 0;  // LaterElements: how many values were passed over
  bool negative = false;    // TakenAsZero: the number's sign
};

// What the Base64 reading of a line passed over, by the column (0-based, in UTF-16 units) of the character.
enum class Base64Skip : std::uint8_t {
  OutsideAlphabet,  // a character that is no Base64 letter nor padding
  PaddingInside,    // "=" with Base64 letters after it on the line
  ExtraPadding,     // "=" at the end beyond what fills the last group
  LoneCharacter,    // a last group of one letter, whose six bits make no byte
};

// The observer that does nothing; every reader's default.
struct NoObserver {
  static constexpr bool active = false;
  void field(Observation const&) {}
  void afterRecord(std::size_t, std::size_t) {}
  void endsInside(std::size_t) {}
  void secondObject(std::size_t) {}
  void jsonFault(std::size_t) {}
  void furtherLines(std::size_t) {}
  void base64(Base64Skip, std::size_t, char16_t) {}
};

// The observer that listens: override what is of interest.
class ReadObserver {
 public:
  static constexpr bool active = true;
  virtual ~ReadObserver() = default;

  // A field of a Compact Binary record or a member of a JSON object, in the order the reader met them.
  virtual void field(Observation const& observation) = 0;
  // Compact Binary: `count` bytes follow the record's stop marker, from `offset` on; the reader ignores them.
  virtual void afterRecord(std::size_t offset, std::size_t count) {
    static_cast<void>(offset), static_cast<void>(count);
  }
  // Compact Binary: the bytes end inside the field whose header stands at `offset` (the reading then throws).
  virtual void endsInside(std::size_t offset) { static_cast<void>(offset); }
  // JSON: a further object stands on the line at `offset`; the reader checks it and drops it.
  virtual void secondObject(std::size_t offset) { static_cast<void>(offset); }
  // JSON: the line is no JSON object from `offset` on (the reading then throws, naming the same offset).
  virtual void jsonFault(std::size_t offset) { static_cast<void>(offset); }
  // A stored text: `count` lines follow the one the record was read from; they are checked and dropped.
  virtual void furtherLines(std::size_t count) { static_cast<void>(count); }
  // Base64: a character the decoding passed over, at `column` of the line.
  virtual void base64(Base64Skip what, std::size_t column, char16_t character) {
    static_cast<void>(what), static_cast<void>(column), static_cast<void>(character);
  }
};

}  // namespace trv::serialization
