#pragma once
// What the strict reading of an options text finds for each module's record: made from what the library's
// stored-form readers report while they read it (serialization/read_observer.h), never from a rule of the
// tool's own. Needs no widgets and no task (the fuzz target links it).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "tools/ctrlparam/input_texts.h"

namespace ctrlparam {

inline constexpr std::size_t kModuleCount = std::tuple_size_v<trv::control_param::Modules>;

// A field or member that a record passes over, as it stands in the text: what storing the record drops.
struct PassedField {
  // Compact Binary: its id ("7") and its value as the walk without a schema renders it ("list<int32> [3]");
  // JSON: the member's name and value as written.
  std::string name, value;
};

// One thing the strict reading of a text finds for a module's record.
struct Finding {
  enum class Kind : std::uint8_t {
    Bad,       // the text is no options text (bad Base64, a reader fails): an error
    Refused,   // JSON: a member not taken as written, a second object: an error unless --lenient
    Foreign,   // a field the record cannot hold, a number that is no choice: a warning unless --strict
    Trailing,  // bytes after the record: a warning unless --strict
  };
  Kind kind = Kind::Bad;
  std::string message;  // what a refusal or warning says
  std::string lenient;  // Refused: what --lenient warns, in the readers' words
  std::string key;      // what it is about, named alike for every module: "id 7", "member 'warp'"
  Place at;             // where it stands (line 0: the text as a whole)
  bool kept = false;    // the record keeps it as written (a number that is no choice)
  // The finding in a few words, as `list` shows it; empty for a field or member the record has no field
  // for (its key names it).
  std::string phrase;
  std::optional<PassedField> passed;  // a field or member the record passes over (a list: its later values)
};

struct ModuleReading {
  std::vector<Finding> findings;
  // Whether the record holds every field of the text as written (bytes after the record hold no field).
  bool fits() const;
  // The first finding of `kind`, or null.
  Finding const* first(Finding::Kind kind) const;
  // Whether storing the record again would lose something the text holds.
  bool loses() const;
};

struct TextReading {
  std::array<ModuleReading, kModuleCount> modules;  // in the order of the module table
  bool empty = false;                               // no field or member at all: every record its defaults
  bool foreignCharacters = false;                   // Base64 holding characters outside its alphabet

  ModuleReading const& of(trv::control_param::ProgrammTypes type) const;
  // The program types, in their order, whose record holds the text as it is.
  std::vector<trv::control_param::ProgrammTypes> fitting() const;
  // What no module holds: the keys that every module's reading names.
  std::vector<std::string> heldByNone() const;
};

// Reads the text with each module's record, as the library's stored-form function reads it.
TextReading readText(InputText const& text);

// Lines `first` to `last` of a Base64 text wrapped over lines (by a mail program, say), and the reading of
// the lines joined.
struct Wrapped {
  int first = 0;
  int last = 0;
  TextReading const* joined = nullptr;  // held by the InputReadings that found it

  // "wrapped over lines 3–5".
  std::string text() const {
    return "wrapped over lines " + std::to_string(first) + "\u2013" + std::to_string(last);
  }
  // Why such a text is not taken, and what to do.
  std::string refusal() const { return "the text seems " + text() + "; join them"; }
};

// The readings of an input's texts, each made when first asked for, and the texts wrapped over lines among
// them.
class InputReadings {
 public:
  explicit InputReadings(std::vector<InputText> const& texts);

  TextReading const& of(std::size_t index);
  // The wrapped text that text `index` is a part of, if it is one: its first line alone fits no module, and
  // it joined with the lines after it reads cleanly for one.
  std::optional<Wrapped> wrappedAround(std::size_t index);
  // Going through the texts in order, the caller is done with text `index`: lets go of the readings that
  // looking for wrapped texts further on needs no more (made again if asked for), so that a long input's
  // readings are not all held at once.
  void doneWith(std::size_t index);
  // The lines the texts start on, a wrapped text counted once, by its first line.
  std::vector<int> startLines();

 private:
  // The last text of the wrapped text that text `first` starts and the reading of the texts joined, or none.
  struct Joined {
    std::size_t last;
    TextReading reading;
  };
  std::optional<Joined> const& wrappedFrom(std::size_t first);

  std::vector<InputText> const& texts_;
  std::vector<std::optional<TextReading>> readings_;
  std::vector<std::optional<std::optional<Joined>>> wrapped_;
  std::size_t released_ = 0;  // the readings before it were let go
};

// The index of the program type's module in the module table.
std::size_t moduleOf(trv::control_param::ProgrammTypes type);

// "ORIN_A, ORIN_B" or "no program type".
std::string programList(std::vector<trv::control_param::ProgrammTypes> const& types);

}  // namespace ctrlparam
