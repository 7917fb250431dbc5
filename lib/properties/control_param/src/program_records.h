#pragma once
// Which option record and module data object each program type uses.

#include <string>
#include <tuple>
#include <utility>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param {

namespace data {
class OrinData;
class PeluData;
class NevoData;
class ZutherData;
class BraxData;
}  // namespace data

// A row of the module table: the option record of a module, its module data object class (module_data.h)
// and the program types that use it.
template <typename Record, typename Module, ProgrammTypes... Types>
struct ModuleRow {
  using RecordType = Record;
  using ModuleType = Module;
  static constexpr bool holds(ProgrammTypes type) { return ((type == Types) || ...); }
};

// The module table. The factory and the record visitor follow from it, and through them the stored form and
// the KELMAR dispatch (templates over the record): a new module needs a row here, its record, its KELMAR
// writer (declared in kelmar_modules.h) and its applicability rules.
using Modules =
    std::tuple<ModuleRow<ORIN_Control_Properties, data::OrinData, ORIN_A, ORIN_B, ORIN_C, ORIN_D, ORIN_E>,
               ModuleRow<PELU_Control_Properties, data::PeluData, PELU_A, PELU_B>,
               ModuleRow<NEVO_Control_Properties, data::NevoData, NEVO_A, NEVO_B>,
               ModuleRow<Zuther_Control_Properties, data::ZutherData, Zuther_A, Zuther_B>,
               ModuleRow<BRAX_Control_Properties, data::BraxData, BRAX_A>>;

// Calls `f(row)` with a value of each row's type, in table order.
template <typename F>
void forEachModule(F&& f) {
  std::apply([&](auto... rows) { (f(rows), ...); }, Modules{});
}

// Calls `f(row)` with the row of `type` and returns true; false for a type of no row.
template <typename F>
bool visitModule(ProgrammTypes type, F&& f) {
  bool found = false;
  forEachModule([&](auto row) {
    if (!found && decltype(row)::holds(type)) {
      found = true;
      f(row);
    }
  });
  return found;
}

template <typename Record>
struct RecordTag {
  using type = Record;
};

// Calls `f(RecordTag<Record>{})` with the record of `type` and returns true; false for a type outside 0..11.
template <typename F>
bool visitRecordType(ProgrammTypes type, F&& f) {
  return visitModule(type, [&](auto row) { f(RecordTag<typename decltype(row)::RecordType>{}); });
}

// The module name of a record: its name without "_Control_Properties".
template <typename Record>
std::string moduleName() {
  std::string const& name = Record::Schema::metadata.name;
  return name.substr(0, name.find("_Control_Properties"));
}

}  // namespace trv::control_param
