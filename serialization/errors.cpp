#include "serialization/errors.h"

namespace trv::serialization {

StreamException::StreamException(std::string const& message) : std::runtime_error(message) {}
StreamException::~StreamException() = default;

CoreException::CoreException(std::string const& message) : std::runtime_error(message) {}
CoreException::~CoreException() = default;

}  // namespace trv::serialization
