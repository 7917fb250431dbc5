// The malloc family of the benchmark program, counting: each call forwards to the C library's own
// allocator and adds (or removes) the usable size of the block. The counters are plain integers: the program
// allocates on one thread only while it counts.
#include "bench/heap_counter.h"

#include <malloc.h>

#include <cerrno>

extern "C" {
void* __libc_malloc(std::size_t size);
void __libc_free(void* p);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
}

namespace {

bool counting = true;
std::size_t liveBytes = 0;
std::size_t allocations = 0;

void* counted(void* p) {
  if (p && counting) {
    liveBytes += malloc_usable_size(p);
    ++allocations;
  }
  return p;
}

}  // namespace

extern "C" {

void* malloc(std::size_t size) {
  return counted(__libc_malloc(size));
}

void free(void* p) {
  if (p && counting) liveBytes -= malloc_usable_size(p);
  __libc_free(p);
}

void* calloc(std::size_t count, std::size_t size) {
  return counted(__libc_calloc(count, size));
}

void* realloc(void* p, std::size_t size) {
  if (!counting) return __libc_realloc(p, size);
  std::size_t const before = p ? malloc_usable_size(p) : 0;
  void* q = __libc_realloc(p, size);
  if (q) {
    liveBytes += malloc_usable_size(q);
    liveBytes -= before;
    if (q != p) ++allocations;
  } else if (p && size == 0) {
    liveBytes -= before;  // freed
  }
  return q;
}

void* memalign(std::size_t alignment, std::size_t size) {
  return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* p = counted(__libc_memalign(alignment, size));
  if (!p) return ENOMEM;
  *out = p;
  return 0;
}

void* valloc(std::size_t size) {
  return counted(__libc_valloc(size));
}

void* pvalloc(std::size_t size) {
  return counted(__libc_pvalloc(size));
}

}  // extern "C"

namespace trv::bench {

HeapSnapshot heapSnapshot() {
  return {liveBytes, allocations};
}

void stopCountingHeap() {
  counting = false;
}

}  // namespace trv::bench
