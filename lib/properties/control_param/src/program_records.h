#pragma once
// Which option record and module data object each program type uses: the module table.

#include <string>
#include <tuple>
#include <utility>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param {

// The module table, the one list of the modules. A row names the module (its record is
// <module>_Control_Properties), its module data object class (module_data.h) and the program types that use
// it. The class declarations, the row types, the factory, the record visitor and the KELMAR writers'
// declarations (kelmar_modules.h) follow from it, and through them the stored form and the KELMAR dispatch
// (templates over the record): a new module needs a row here, its record, its class, its KELMAR writer and
// its applicability rules.
#define TRV_CONTROL_PARAM_MODULES(ROW)                        \
  ROW(ORIN, OrinData, ORIN_A, ORIN_B, ORIN_C, ORIN_D, ORIN_E) \
  ROW(PELU, PeluData, PELU_A, PELU_B)                         \
  ROW(NEVO, NevoData, NEVO_A, NEVO_B)                         \
  ROW(Zuther, ZutherData, Zuther_A, Zuther_B)                 \
  ROW(BRAX, BraxData, BRAX_A)

namespace data {
#define TRV_DECLARE_MODULE_CLASS_(module, Class, ...) class Class;
TRV_CONTROL_PARAM_MODULES(TRV_DECLARE_MODULE_CLASS_)
#undef TRV_DECLARE_MODULE_CLASS_
}  // namespace data

// A row of the module table as a type: the option record of a module, its module data object class and the
// program types that use it, in the row's order.
template <typename Record, typename Module, ProgrammTypes... Types>
struct ModuleRow {
  using RecordType = Record;
  using ModuleType = Module;
  static constexpr ProgrammTypes types[] = {Types...};
  static constexpr bool holds(ProgrammTypes type) { return ((type == Types) || ...); }
};

#define TRV_MODULE_ROW_(module, Class, ...) \
  std::tuple<ModuleRow<module##_Control_Properties, data::Class, __VA_ARGS__>>(),
using Modules = decltype(std::tuple_cat(TRV_CONTROL_PARAM_MODULES(TRV_MODULE_ROW_) std::tuple<>()));
#undef TRV_MODULE_ROW_

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
