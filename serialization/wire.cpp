#include "serialization/wire.h"

#include <string>

#include "serialization/errors.h"

namespace trv::serialization::compact_binary {
namespace {

// The size of one value of a fixed-size type, or 0 for the others.
std::uint64_t fixedSize(std::uint8_t type) {
  switch (type) {
    case BT_BOOL:
    case BT_UINT8:
    case BT_INT8:
      return 1;
    case BT_FLOAT:
      return 4;
    case BT_DOUBLE:
      return 8;
    default:
      return 0;
  }
}

void checkDepth(int depth) {
  if (depth > kMaxDepth) errors::maxDepthExceeded();
}

}  // namespace

void InputBuffer::outOfBounds(std::uint64_t requested) const {
  errors::readOutOfBounds(requested, position_, size_);
}

void skipElements(InputBuffer& input, std::uint8_t type, std::uint64_t count, int depth) {
  checkValueType(type);
  if (std::uint64_t const size = fixedSize(type)) {
    // Checked before multiplying, so a huge count cannot wrap around.
    if (count > input.remaining() / size) input.outOfBounds(count * size);
    input.skip(count * size);
    return;
  }
  // Every other value takes at least one byte: a count beyond the remaining bytes is refused before any
  // element is looked at, so a declared count never costs more work than the bytes that are there.
  if (count > input.remaining()) input.outOfBounds(count);
  for (std::uint64_t i = 0; i < count; ++i) skipValue(input, type, depth);
}

void skipToStop(InputBuffer& input, FieldHeader header, int depth) {
  for (;;) {
    if (header.type == BT_STOP) return;
    if (header.type != BT_STOP_BASE) skipValue(input, header.type, depth + 1);
    header = readFieldHeader(input);
  }
}

void skipValue(InputBuffer& input, std::uint8_t type, int depth) {
  switch (type) {
    case BT_BOOL:
    case BT_UINT8:
    case BT_INT8:
      input.skip(1);
      return;
    case BT_UINT16:
    case BT_INT16:
      input.readVarint16();
      return;
    case BT_UINT32:
    case BT_INT32:
      input.readVarint32();
      return;
    case BT_UINT64:
    case BT_INT64:
      input.readVarint64();
      return;
    case BT_FLOAT:
      input.skip(4);
      return;
    case BT_DOUBLE:
      input.skip(8);
      return;
    case BT_STRING:
      input.skip(input.readVarint32());
      return;
    case BT_WSTRING:
      input.skip(std::uint64_t{input.readVarint32()} * 2);
      return;
    case BT_LIST:
    case BT_SET: {
      checkDepth(depth);
      std::uint8_t const element = input.readByte();
      std::uint32_t const count = input.readVarint32();
      skipElements(input, element, count, depth + 1);
      return;
    }
    case BT_MAP: {
      checkDepth(depth);
      std::uint8_t const key = input.readByte();
      std::uint8_t const value = input.readByte();
      checkValueType(key);
      checkValueType(value);
      std::uint32_t const count = input.readVarint32();
      // A pair takes at least two bytes.
      if (count > input.remaining() / 2) input.outOfBounds(std::uint64_t{count} * 2);
      for (std::uint32_t i = 0; i < count; ++i) {
        skipValue(input, key, depth + 1);
        skipValue(input, value, depth + 1);
      }
      return;
    }
    case BT_STRUCT:
      checkDepth(depth);
      skipToStop(input, readFieldHeader(input), depth);
      return;
    default:
      errors::unknownDataType();
  }
}

}  // namespace trv::serialization::compact_binary
