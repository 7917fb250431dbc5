#pragma once
// Which option record each program type keeps.

#include <utility>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param {

template <typename Record>
struct RecordTag {
  using type = Record;
};

// Calls `f(RecordTag<Record>{})` with the record of `type` and returns true; false for a type outside 0..11.
template <typename F>
bool visitRecordType(ProgrammTypes type, F&& f) {
  switch (type) {
    case ORIN_A:
    case ORIN_B:
    case ORIN_C:
    case ORIN_D:
    case ORIN_E:
      f(RecordTag<ORIN_Control_Properties>{});
      return true;
    case PELU_A:
    case PELU_B:
      f(RecordTag<PELU_Control_Properties>{});
      return true;
    case NEVO_A:
    case NEVO_B:
      f(RecordTag<NEVO_Control_Properties>{});
      return true;
    case Zuther_A:
    case Zuther_B:
      f(RecordTag<Zuther_Control_Properties>{});
      return true;
    case BRAX_A:
      f(RecordTag<BRAX_Control_Properties>{});
      return true;
  }
  return false;
}

// The module name of a record: its name without "_Control_Properties".
template <typename Record>
std::string moduleName() {
  std::string const& name = Record::Schema::metadata.name;
  return name.substr(0, name.find("_Control_Properties"));
}

}  // namespace trv::control_param
