#pragma once
// Where a text stands in an input's bytes.

#include <cstddef>

namespace ctrlparam {

// From `begin` up to, not including, `end`.
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

}  // namespace ctrlparam
