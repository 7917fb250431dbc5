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

// StreamException: "Read out of bounds: <requested> bytes requested, offset: <position>, length: <size>".
std::string readOutOfBounds(std::uint64_t requested, std::size_t position, std::size_t size);

// CoreException of the Compact Binary reader.
inline constexpr char kUnknownDataType[] = "Unknown data type found";
inline constexpr char kMaxDepthExceeded[] = "Max recursion depth exceeded";

// CoreException of the Simple JSON reader: "JSON parser error: <what> at offset <offset>", where <what> is
// one of the texts below or the JSON parser's own.
std::string jsonParserError(char const* what, std::size_t offset);
inline constexpr char kRootNotObject[] = "The document root must be an object.";
inline constexpr char kNumberTooBig[] = "Number too big to be stored in double.";
inline constexpr char kNestedTooDeeply[] = "The document is nested too deeply.";

}  // namespace errors

}  // namespace trv::serialization
