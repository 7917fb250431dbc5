#pragma once
// What a fuzz target checks beyond the sanitizers: a broken rule aborts with a line the fuzzing scripts look
// for ("fuzz check failed").

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void require(bool condition, char const* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace fuzz
