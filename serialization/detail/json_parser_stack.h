#pragma once
// Exists because rapidjson's own stack is undefined behaviour on its first push (below); BENCHMARKS.md has
// no figure of its own for it.
//
// The work stack of the JSON parser. rapidjson 1.1.0's own stack starts from null pointers and computes
// `nullptr + n` on its first push, which is undefined behaviour; the parser of the stored form runs on
// this one instead, selected through its own stack allocator type. It offers what the reader uses: push,
// pop, top and clear. Storage starts allocated and grows geometrically.

#include <algorithm>
#include <cstddef>
#include <memory>

#include <rapidjson/allocators.h>
#include <rapidjson/reader.h>

namespace trv::serialization::simple_json {

// Selects the parser stack below for a rapidjson reader.
struct ParserStackAllocator : rapidjson::CrtAllocator {};

}  // namespace trv::serialization::simple_json

namespace rapidjson::internal {

template <>
class Stack<trv::serialization::simple_json::ParserStackAllocator> {
 public:
  Stack(trv::serialization::simple_json::ParserStackAllocator*, std::size_t capacity)
      : capacity_(std::max<std::size_t>(capacity, 64)), bytes_(new char[capacity_]) {}
  Stack(Stack const&) = delete;
  Stack& operator=(Stack const&) = delete;

  void Clear() { size_ = 0; }

  template <typename T>
  T* Push(std::size_t count = 1) {
    std::size_t const needed = sizeof(T) * count;
    if (capacity_ - size_ < needed) grow(needed);
    T* top = reinterpret_cast<T*>(bytes_.get() + size_);
    size_ += needed;
    return top;
  }

  template <typename T>
  T* Pop(std::size_t count) {
    size_ -= sizeof(T) * count;
    return reinterpret_cast<T*>(bytes_.get() + size_);
  }

  template <typename T>
  T* Top() {
    return reinterpret_cast<T*>(bytes_.get() + size_ - sizeof(T));
  }

 private:
  void grow(std::size_t needed) {
    std::size_t const capacity = std::max(size_ + needed, capacity_ + capacity_ / 2);
    std::unique_ptr<char[]> bytes(new char[capacity]);
    std::copy(bytes_.get(), bytes_.get() + size_, bytes.get());
    bytes_ = std::move(bytes);
    capacity_ = capacity;
  }

  std::size_t capacity_;
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace rapidjson::internal
