#pragma once
// The tool's own checks of a stored options text, made before and after the library reads it: the input cut
// into its texts (Base64 lines, JSON objects that may span lines), the Base64 alphabet, and how each module's
// record takes the fields of a text. The library reads leniently, as project files need; these checks say
// what it would pass over. They need neither widgets nor the library itself (the fuzz target links them).

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringView>

#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "serialization/json_parser.h"

namespace ctrlparam {

// A refused input: the message and the line of the input it is about (1-based; 0 for the input as a whole).
struct CheckError : std::runtime_error {
  CheckError(int line, std::string const& message) : std::runtime_error(message), line(line) {}
  int line;
};

// One options text of an input, as the library gets it: a Base64 line without its outer blanks, or one JSON
// object with the blanks outside its strings removed (one line, members in their order).
struct OptionsText {
  int line = 0;  // where it starts in the input, 1-based
  QString text;
  bool json = false;
  int secondObjectLine = 0;  // JSON: where a second object follows on the object's last line (0: none)
  int secondObjectColumn = 0;
  std::string problem;  // Base64: what is wrong with the line (empty: nothing)
  int lastLine = 0;     // where it ends in the input, 1-based
};

// The texts of an input, in order: a BOM at its start, a CR at the end of a line and the blanks around a
// text are removed, empty lines skipped. A line starting with "{" starts a JSON text, which ends where its
// outermost object closes; a second object may follow on that line (noted), anything else is refused, as is
// an object that never closes. What is wrong with a Base64 line is noted with the line, for the text used.
std::vector<OptionsText> splitTexts(QString const& input);

// What is wrong with a Base64 line (BOM and CR removed; outer blanks allowed): a character outside the
// alphabet, padding before the end or too much of it, a last group of one character. Columns are 1-based.
std::optional<std::string> base64Problem(QStringView line);

// The JSON text with the blanks outside strings removed and where it ends: the index after its outermost
// "}" (or after the text when it never closes: then `closed` is false).
struct CompactJson {
  std::string text;
  std::size_t end = 0;
  bool closed = false;
};
CompactJson compactJson(std::string_view json);

// A JSON member the strict reading refuses: the member's name and why. `readAs` is empty when the library
// passes the member over, else what the library reads instead.
struct Refusal {
  std::string member;
  std::string reason;
  std::string readAs;
};

// How one module's record takes a text.
struct Fit {
  std::vector<Refusal> refused;      // JSON members a strict reading refuses
  std::vector<std::string> foreign;  // fields the record cannot hold, as "warp (id 1): 77 is no choice"
  std::vector<std::string> keys;     // what each refusal and foreign field is about: "id 1", "member 'warp'"
  bool fits() const { return refused.empty() && foreign.empty(); }
};

inline constexpr int kModuleCount = 5;

// How each module (in the order of the module table) takes the text, and whether the text holds any field.
// A JSON text that does not parse gets no verdict (`parsed` false): the library's reader says what is wrong.
// Throws the codec's exceptions for Base64 bytes that are no record.
struct Fits {
  std::array<Fit, kModuleCount> modules;
  bool parsed = true;
  bool empty = false;  // no field at all: every record reads its defaults
};
Fits fitsOf(OptionsText const& text);

// Whether a number text beyond the range of a double is tiny (the stored form's reader decides the same).
using trv::serialization::simple_json::isTinyNumber;

// What no module holds: the keys that every module's fit names.
std::vector<std::string> heldByNone(Fits const& fits);

// The index of the program type's module in the module table.
int moduleOf(trv::control_param::ProgrammTypes type);

// The program types, in their order, whose module fits.
std::vector<trv::control_param::ProgrammTypes> fittingPrograms(Fits const& fits);

// "ORIN_A, ORIN_B" or "no program type".
std::string programList(std::vector<trv::control_param::ProgrammTypes> const& types);

}  // namespace ctrlparam
