#include "serialization/errors.h"

namespace trv::serialization {

StreamException::StreamException(std::string const& message) : std::runtime_error(message) {}
StreamException::~StreamException() = default;

CoreException::CoreException(std::string const& message) : std::runtime_error(message) {}
CoreException::~CoreException() = default;

}  // namespace trv::serialization

namespace trv::serialization::errors {

std::string readOutOfBounds(std::uint64_t requested, std::size_t position, std::size_t size) {
  return "Read out of bounds: " + std::to_string(requested) +
         " bytes requested, offset: " + std::to_string(position) + ", length: " + std::to_string(size);
}

std::string jsonParserError(char const* what, std::size_t offset) {
  return std::string("JSON parser error: ") + what + " at offset " + std::to_string(offset);
}

}  // namespace trv::serialization::errors
