#pragma once
// Heap use of the benchmark program: every block of the C heap (operator new, Qt's strings, everything
// else) is counted with the usable size the heap gave it, by the malloc family replaced in
// heap_counter.cpp. Counting runs from the start of the program until it is switched off (it costs time);
// it is not switched on again, so that no block allocated uncounted is ever subtracted.

#include <cstddef>

namespace trv::bench {

struct HeapSnapshot {
  std::size_t liveBytes = 0;    // usable bytes of the blocks allocated and not yet freed
  std::size_t allocations = 0;  // blocks allocated so far
};

HeapSnapshot heapSnapshot();

// What was allocated between `before` and `after`, and how much of it is still held.
inline HeapSnapshot heapHeld(HeapSnapshot const& before, HeapSnapshot const& after) {
  return {after.liveBytes - before.liveBytes, after.allocations - before.allocations};
}

// Ends counting for the rest of the program.
void stopCountingHeap();

}  // namespace trv::bench
