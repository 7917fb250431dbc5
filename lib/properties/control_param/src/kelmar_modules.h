#pragma once
// The KELMAR line sets of each module, chosen by the program type. The keyword language is 0 or 1 here;
// writeKelmar (kelmar.h) refuses any other value before a module writer runs.

#include "lib/properties/control_param/src/kelmar_lines.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param::data {

// The lines of a module's record; each module's writer (<module>_kelmar.cpp) defines it for its record,
// declared here for every module of the table so that every caller sees the specialization it uses.
template <typename Record>
KelmarLines moduleLines(ProgrammTypes type, Record const& record, ModelContent const& content,
                        KeywordLanguage language);
#define TRV_DECLARE_MODULE_LINES(module, ...)                                                     \
  template <>                                                                                     \
  KelmarLines moduleLines<module##_Control_Properties>(                                           \
      ProgrammTypes type, module##_Control_Properties const& record, ModelContent const& content, \
      KeywordLanguage language);
TRV_CONTROL_PARAM_MODULES(TRV_DECLARE_MODULE_LINES)
#undef TRV_DECLARE_MODULE_LINES

// An enumeration or other integral value as the integer it is written as.
template <typename T>
std::int32_t number(T value) {
  return static_cast<std::int32_t>(value);
}

}  // namespace trv::control_param::data
