#pragma once
// How each module's record takes the fields of an options text, found before and after the library reads
// it. The library reads leniently, as project files need; this says what it would pass over. Needs neither
// widgets nor the library itself (the fuzz target links it).

#include <array>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "serialization/json_parser.h"
#include "tools/ctrlparam/input_texts.h"

namespace ctrlparam {

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

inline constexpr std::size_t kModuleCount = std::tuple_size_v<trv::control_param::Modules>;

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
