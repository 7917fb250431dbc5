#include "serialization/wire.h"

#include <charconv>
#include <cstdio>
#include <iterator>
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

// What a walk hears: nothing (skipping), or everything (a ValueWalker).
struct NoWalk {
  static constexpr bool told = false;
  void scalar(std::size_t, std::uint8_t, std::string const&) {}
  void container(std::size_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint64_t) {}
  void field(std::size_t, FieldHeader) {}
  void end() {}
};

// Tells a ValueWalker, with the texts it takes, what the walk passes.
struct Told {
  static constexpr bool told = true;
  ValueWalker& walker;
  void scalar(std::size_t at, std::uint8_t type, std::string const& text) { walker.scalar(at, type, text); }
  void container(std::size_t at, std::uint8_t type, std::uint8_t element, std::uint8_t value,
                 std::uint64_t count) {
    walker.container(at, type, element, value, count);
  }
  void field(std::size_t at, FieldHeader header) { walker.field(at, header); }
  void end() { walker.end(); }
};

template <typename Walk>
void walkValue(InputBuffer& input, std::uint8_t type, int depth, Walk& walk);

template <typename Walk>
void walkElements(InputBuffer& input, std::uint8_t type, std::uint64_t count, int depth, Walk& walk) {
  checkValueType(type);
  if (std::uint64_t const size = fixedSize(type)) {
    // Checked before multiplying, so a huge count cannot wrap around.
    if (count > input.remaining() / size) input.outOfBounds(count * size);
    if constexpr (!Walk::told) {
      input.skip(count * size);
      return;
    }
  }
  // Every other value takes at least one byte: a count beyond the remaining bytes is refused before any
  // element is looked at, so a declared count never costs more work than the bytes that are there.
  if (count > input.remaining()) input.outOfBounds(count);
  for (std::uint64_t i = 0; i < count; ++i) walkValue(input, type, depth, walk);
}

// Walks the fields of a struct from `header` (already read, its header at `at`) up to and including its stop
// marker; stop-base markers between the parts of a derived struct are passed over.
template <typename Walk>
void walkToStop(InputBuffer& input, FieldHeader header, std::size_t at, int depth, Walk& walk) {
  for (;;) {
    if (header.type == BT_STOP) return walk.end();
    if (header.type != BT_STOP_BASE) {
      walk.field(at, header);
      walkValue(input, header.type, depth + 1, walk);
    }
    at = input.position();
    header = readFieldHeader(input);
  }
}

// The text of a string of `count` units of `unit` bytes each, as the walk tells it: quoted, UTF-8 (a wide
// string's UTF-16 converted), control characters escaped.
std::string stringText(InputBuffer& input, std::uint64_t count, int unit) {
  std::uint64_t const size = count * static_cast<std::uint64_t>(unit);
  if (size > input.remaining()) input.outOfBounds(size);
  std::string_view const bytes =
      input.bytes(input.position(), input.position() + static_cast<std::size_t>(size));
  input.skip(size);
  std::u16string wide;
  if (unit == 2)
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
      wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
  std::string text = "\"";
  for (char const c : unit == 2 ? std::string() : std::string(bytes)) {
    if (c == '"' || c == '\\') text += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      text += escaped;
    } else {
      text += c;
    }
  }
  for (char16_t const c : wide) {
    char escaped[12];
    std::snprintf(escaped, sizeof escaped, c < 0x80 && c >= 0x20 ? "%c" : "\\u%04X",
                  static_cast<unsigned>(c));
    text += escaped;
  }
  return text + '"';
}

template <typename T>
std::string numberText(T value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Reads (or, not told, skips) one scalar value and tells its text.
template <typename Walk>
void walkScalar(InputBuffer& input, std::uint8_t type, Walk& walk) {
  std::size_t const at = input.position();
  auto tell = [&](auto const& make) {
    if constexpr (Walk::told) walk.scalar(at, type, make());
  };
  switch (type) {
    case BT_BOOL: {
      std::uint8_t const byte = input.readByte();
      return tell([&] { return std::string(byte ? "true" : "false"); });
    }
    case BT_UINT8: {
      std::uint8_t const byte = input.readByte();
      return tell([&] { return numberText(unsigned{byte}); });
    }
    case BT_INT8: {
      std::uint8_t const byte = input.readByte();
      return tell([&] { return numberText(int{static_cast<std::int8_t>(byte)}); });
    }
    case BT_UINT16:
    case BT_INT16: {
      std::uint16_t const value = input.readVarint16();
      return tell([&] {
        return type == BT_UINT16 ? numberText(unsigned{value}) : numberText(int{unzigzag16(value)});
      });
    }
    case BT_UINT32:
    case BT_INT32: {
      std::uint32_t const value = input.readVarint32();
      return tell([&] { return type == BT_UINT32 ? numberText(value) : numberText(unzigzag32(value)); });
    }
    case BT_UINT64:
    case BT_INT64: {
      std::uint64_t const value = input.readVarint64();
      return tell([&] {
        return type == BT_UINT64 ? numberText(value)
                                 : numberText(static_cast<std::int64_t>((value >> 1) ^ (~(value & 1) + 1)));
      });
    }
    case BT_FLOAT: {
      if constexpr (!Walk::told) return input.skip(4);
      std::uint32_t const bits = input.readUint32();
      float value;
      std::memcpy(&value, &bits, sizeof value);
      return tell([&] { return numberText(value); });
    }
    case BT_DOUBLE: {
      if constexpr (!Walk::told) return input.skip(8);
      std::uint64_t const bits = input.readUint64();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return tell([&] { return numberText(value); });
    }
    case BT_STRING:
    case BT_WSTRING: {
      std::uint64_t const count = input.readVarint32();
      int const unit = type == BT_WSTRING ? 2 : 1;
      if constexpr (!Walk::told) return input.skip(count * static_cast<std::uint64_t>(unit));
      std::string const text = stringText(input, count, unit);
      return tell([&] { return text; });
    }
    default:
      errors::unknownDataType();
  }
}

template <typename Walk>
void walkValue(InputBuffer& input, std::uint8_t type, int depth, Walk& walk) {
  std::size_t const at = input.position();
  switch (type) {
    case BT_LIST:
    case BT_SET: {
      checkDepth(depth);
      std::uint8_t const element = input.readByte();
      std::uint32_t const count = input.readVarint32();
      if constexpr (Walk::told) {
        checkValueType(element);
        walk.container(at, type, element, 0, count);
      }
      walkElements(input, element, count, depth + 1, walk);
      return walk.end();
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
      walk.container(at, type, key, value, count);
      for (std::uint32_t i = 0; i < count; ++i) {
        walkValue(input, key, depth + 1, walk);
        walkValue(input, value, depth + 1, walk);
      }
      return walk.end();
    }
    case BT_STRUCT: {
      checkDepth(depth);
      walk.container(at, type, 0, 0, 0);
      std::size_t const headerAt = input.position();
      return walkToStop(input, readFieldHeader(input), headerAt, depth, walk);
    }
    default:
      walkScalar(input, type, walk);
  }
}

}  // namespace

void InputBuffer::outOfBounds(std::uint64_t requested) const {
  errors::readOutOfBounds(requested, position_, size_);
}

void skipElements(InputBuffer& input, std::uint8_t type, std::uint64_t count, int depth) {
  NoWalk walk;
  walkElements(input, type, count, depth, walk);
}

void skipToStop(InputBuffer& input, FieldHeader header, int depth) {
  NoWalk walk;
  walkToStop(input, header, 0, depth, walk);
}

void skipValue(InputBuffer& input, std::uint8_t type, int depth) {
  NoWalk walk;
  walkValue(input, type, depth, walk);
}

void walkValue(InputBuffer& input, std::uint8_t type, int depth, ValueWalker& walker) {
  Told walk{walker};
  walkValue(input, type, depth, walk);
}

void walkFields(InputBuffer& input, int depth, ValueWalker& walker) {
  Told walk{walker};
  std::size_t const at = input.position();
  walkToStop(input, readFieldHeader(input), at, depth, walk);
}

std::string wireTypeName(std::uint8_t type) {
  static char const* const names[] = {"stop",  "base stop", "bool",   "uint8",  "uint16", "uint32", "uint64",
                                      "float", "double",    "string", "struct", "list",   "set",    "map",
                                      "int8",  "int16",     "int32",  "int64",  "wstring"};
  return type < std::size(names) ? names[type] : "type " + std::to_string(type);
}

std::string containerTypeName(std::uint8_t type, std::uint8_t element, std::uint8_t value) {
  std::string name = wireTypeName(type);
  if (type == BT_MAP) return name + '<' + wireTypeName(element) + ", " + wireTypeName(value) + '>';
  if (type == BT_STRUCT) return name;
  return name + '<' + wireTypeName(element) + '>';
}

std::string containerSize(std::uint8_t type, std::uint64_t count) {
  if (type == BT_STRUCT) return {};
  return std::to_string(count) + (type == BT_MAP ? " pair" : " element") + (count == 1 ? "" : "s");
}

}  // namespace trv::serialization::compact_binary
