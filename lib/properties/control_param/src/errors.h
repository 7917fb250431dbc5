#pragma once
// The errors of the facade and the module data objects, each raised by the one function that holds its
// exception type and message; cold and never inlined, so the checks that call them add no more than a call.
// The object model's errors are in container/model/Errors.h, the stored-form codec's in
// serialization/errors.h.

#include <stdexcept>
#include <string>

namespace trv::control_param::errors {

// A member operation on a Data that holds no task.
[[noreturn, gnu::cold, gnu::noinline]] inline void emptyData() {
  throw std::logic_error("Empty control-parameter data.");
}
// A KELMAR keyword language other than 0 and 1.
[[noreturn, gnu::cold, gnu::noinline]] inline void unknownKeywordLanguage() {
  throw std::invalid_argument("Keyword language must be 0 (German) or 1 (English).");
}
// A name given to resetToDefaults that is no option of the record.
[[noreturn, gnu::cold, gnu::noinline]] inline void unknownOption(std::string const& name) {
  throw std::invalid_argument("Unknown option '" + name + "'.");
}

}  // namespace trv::control_param::errors
