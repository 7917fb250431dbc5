#pragma once
// The errors the object model raises, each by the one function that holds its exception type and message.
// They are cold and never inlined: a check that raises one adds only a call, out of the way of the path that
// passes.

#include <stdexcept>

namespace trv::container::model::errors {

[[noreturn, gnu::cold, gnu::noinline]] inline void unknownKey() {
  throw std::runtime_error("Unknown key.");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void typeMismatch() {
  throw std::runtime_error("Type mismatch.");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void keyExists() {
  throw std::runtime_error("Key already exists.");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void transactionInProgress() {
  throw std::runtime_error(
      "Transaction in progress. Hierarchical transactions not supported (yet). Should we?");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void modifyOutsideTransaction() {
  throw std::runtime_error("modify() may only be called within a transaction.");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void erasedObject() {
  throw std::runtime_error("Trying to access erased object.");
}
[[noreturn, gnu::cold, gnu::noinline]] inline void expiredObject() {
  throw std::runtime_error("Trying to access expired object.");
}

}  // namespace trv::container::model::errors
