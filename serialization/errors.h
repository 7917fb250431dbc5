#pragma once
// The errors of the stored-form codec and their message texts. Both types are exported, so a host can catch
// them by type across the library boundary.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "lib/properties/control_param/vocabulary/export.h"

namespace trv::serialization {

// The input ended before what had to be read.
class TRV_CONTROL_PARAM_EXPORT StreamException : public std::runtime_error {
 public:
  explicit StreamException(std::string const& message);
  ~StreamException() override;
};

// Any other malformed input: an undefined wire type, nesting too deep, a JSON syntax error.
class TRV_CONTROL_PARAM_EXPORT CoreException : public std::runtime_error {
 public:
  explicit CoreException(std::string const& message);
  ~CoreException() override;
};

// The errors of the codec, each raised by the one function that holds its exception type and message. They
// are cold and never inlined: a check on the reading paths that raises one adds only a call, out of the way
// of the path that passes. They are defined in this header, not in errors.cpp: the exception types are
// defined once, in the library, and a program that links the codec beside the library (the tool) must not
// pull in a second definition of them with the messages.
namespace errors {

// The Compact Binary reader.
[[noreturn, gnu::cold, gnu::noinline]] inline void readOutOfBounds(std::uint64_t requested,
                                                                   std::size_t position, std::size_t size) {
  throw StreamException("Read out of bounds: " + std::to_string(requested) + " bytes requested, offset: " +
                        std::to_string(position) + ", length: " + std::to_string(size));
}
[[noreturn, gnu::cold, gnu::noinline]] inline void unknownDataType() {
  throw CoreException("Unknown data type found");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void maxDepthExceeded() {
  throw CoreException("Max recursion depth exceeded");
}

// The Simple JSON reader: `what` went wrong at `offset` of the line, where `what` is the JSON parser's own
// text or one of the reader's below.
[[noreturn, gnu::cold, gnu::noinline]] inline void jsonParserError(char const* what, std::size_t offset) {
  throw CoreException(std::string("JSON parser error: ") + what + " at offset " + std::to_string(offset));
}
[[noreturn, gnu::cold, gnu::noinline]] inline void rootNotObject(std::size_t offset) {
  jsonParserError("The document root must be an object.", offset);
}
[[noreturn, gnu::cold, gnu::noinline]] inline void numberTooBig(std::size_t offset) {
  jsonParserError("Number too big to be stored in double.", offset);
}
[[noreturn, gnu::cold, gnu::noinline]] inline void nestedTooDeeply(std::size_t offset) {
  jsonParserError("The document is nested too deeply.", offset);
}

}  // namespace errors

}  // namespace trv::serialization
