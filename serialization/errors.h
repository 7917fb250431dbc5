#pragma once
// The errors of the stored-form codec. Both are exported, so a host can catch them by type across the
// library boundary.

#include <stdexcept>
#include <string>

#include "lib/properties/control_param/src/export.h"

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

}  // namespace trv::serialization
