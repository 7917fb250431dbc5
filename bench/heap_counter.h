#pragma once
// Heap use of the benchmark program: every block of the C heap (operator new, Qt's strings, everything
// else) is counted with the usable size the heap gave it, by the malloc family replaced in
// heap_counter.cpp.

#include <cstddef>

namespace trv::bench {

struct HeapSnapshot {
  std::size_t liveBytes = 0;    // usable bytes of the blocks allocated and not yet freed
  std::size_t allocations = 0;  // blocks allocated so far
};

HeapSnapshot heapSnapshot();

// What was allocated between `before` and `after` and is still held.
inline HeapSnapshot heapHeld(HeapSnapshot const& before, HeapSnapshot const& after) {
  return {after.liveBytes - before.liveBytes, after.allocations - before.allocations};
}

}  // namespace trv::bench
