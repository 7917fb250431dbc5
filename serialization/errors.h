#pragma once
// The errors of the stored-form codec and their message texts. Both types are exported, so a host can catch
// them by type across the library boundary.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "lib/properties/control_param/vocabulary/export.h"

namespace trv::serialization {

// The input ended before what had to be read (message "Read out of bounds: ...").
class TRV_CONTROL_PARAM_EXPORT StreamException : public std::runtime_error {
 public:
  explicit StreamException(std::string const& message);
  ~StreamException() override;
};

// Any other malformed input: an undefined wire type, nesting too deep, a JSON syntax error ("JSON parser
// error: ...").
class TRV_CONTROL_PARAM_EXPORT CoreException : public std::runtime_error {
 public:
  explicit CoreException(std::string const& message);
  ~CoreException() override;
};

// The message texts.
namespace errors {

// The texts are made inline: the exception types are defined once, in the library, and a program that links
// the codec beside the library (the tool) must not get a second definition of them with the texts.

// StreamException: "Read out of bounds: <requested> bytes requested, offset: <position>, length: <size>".
inline std::string readOutOfBounds(std::uint64_t requested, std::size_t position, std::size_t size) {
  return "Read out of bounds: " + std::to_string(requested) +
         " bytes requested, offset: " + std::to_string(position) + ", length: " + std::to_string(size);
}

// CoreException of the Compact Binary reader.
inline constexpr char kUnknownDataType[] = "Unknown data type found";
inline constexpr char kMaxDepthExceeded[] = "Max recursion depth exceeded";

// CoreException of the Simple JSON reader: "JSON parser error: <what> at offset <offset>", where <what> is
// one of the texts below or the JSON parser's own.
inline std::string jsonParserError(char const* what, std::size_t offset) {
  return std::string("JSON parser error: ") + what + " at offset " + std::to_string(offset);
}
inline constexpr char kRootNotObject[] = "The document root must be an object.";
inline constexpr char kNumberTooBig[] = "Number too big to be stored in double.";
inline constexpr char kNestedTooDeeply[] = "The document is nested too deeply.";

}  // namespace errors

}  // namespace trv::serialization
