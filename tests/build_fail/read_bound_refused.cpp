// Must not compile: a codec that accepts a wire type whose values may take more bytes than its unchecked read
// is granted (a ten-byte varint against five).

#include <array>

#include "serialization/compact_binary.h"

namespace wire = trv::serialization::compact_binary;

struct WideCodec {
  static constexpr std::uint8_t type = wire::BT_INT32;
  static constexpr std::array<wire::ReadBound, 2> reads{{{wire::BT_INT32, 5}, {wire::BT_INT64, 10}}};
  static constexpr std::size_t maxReadSize = 5;
};

static_assert(wire::checkReadBounds<WideCodec>());
