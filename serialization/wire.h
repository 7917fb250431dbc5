#pragma once
// Compact Binary version 1: wire type codes, the bounded input buffer and the skipping of values the
// record does not take. What is here is independent of any record.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include <boost/config.hpp>
#include <boost/endian/conversion.hpp>

#include "serialization/errors.h"

namespace trv::serialization::compact_binary {

enum WireType : std::uint8_t {
  BT_STOP = 0,
  BT_STOP_BASE = 1,
  BT_BOOL = 2,
  BT_UINT8 = 3,
  BT_UINT16 = 4,
  BT_UINT32 = 5,
  BT_UINT64 = 6,
  BT_FLOAT = 7,
  BT_DOUBLE = 8,
  BT_STRING = 9,
  BT_STRUCT = 10,
  BT_LIST = 11,
  BT_SET = 12,
  BT_MAP = 13,
  BT_INT8 = 14,
  BT_INT16 = 15,
  BT_INT32 = 16,
  BT_INT64 = 17,
  BT_WSTRING = 18,
};

// Nested structs and containers below the record deeper than this are refused.
inline constexpr int kMaxDepth = 64;

// Whether `type` is the code of a value (not a stop marker, not undefined).
constexpr bool isValueType(std::uint8_t type) {
  return type >= BT_BOOL && type <= BT_WSTRING;
}

// Read access to the bytes of one record; every read is bounds-checked and throws errors::readOutOfBounds
// when the bytes run out.
class InputBuffer {
 public:
  explicit InputBuffer(std::string_view bytes)
      : data_(reinterpret_cast<std::uint8_t const*>(bytes.data())), size_(bytes.size()) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return size_ - position_; }

  // Unchecked reads rely on bytes the caller made sure of with remaining(): `grant` states how many the next
  // unchecked reads may take. Builds with TRV_CHECKED_READS (the sanitizer and fuzzing builds) count every
  // unchecked byte against the grant and trap beyond it; other builds compile both to nothing.
  void grant(std::size_t bytes) {
#ifdef TRV_CHECKED_READS
    granted_ = bytes;
#else
    static_cast<void>(bytes);
#endif
  }
  // The bytes from `from` to `to` (positions already read).
  std::string_view bytes(std::size_t from, std::size_t to) const {
    return {reinterpret_cast<char const*>(data_) + from, to - from};
  }
  // Unchecked access to bytes the caller has made sure of with remaining() (and granted).
  std::uint8_t const* cursor() const {
    return data_ + position_;
  }
  void advance(std::size_t count) {
    spend(count);
    position_ += count;
  }

  // Every read is checked unless `Checked` is false: then the caller has made sure with remaining() that the
  // bytes are there.
  template <bool Checked = true>
  std::uint8_t readByte() {
    if (Checked && position_ == size_) outOfBounds(1);
    if (!Checked) spend(1);
    return data_[position_++];
  }

  template <bool Checked = true>
  void read(void* out, std::size_t count) {
    if (Checked && remaining() < count) outOfBounds(count);
    if (!Checked) spend(count);
    std::memcpy(out, data_ + position_, count);
    position_ += count;
  }

  void skip(std::uint64_t count) {
    if (remaining() < count) outOfBounds(count);
    position_ += static_cast<std::size_t>(count);
  }

  // Little-endian fixed-size unsigned numbers.
  std::uint16_t readUint16() {
    std::uint8_t bytes[2];
    read(bytes, 2);
    return boost::endian::load_little_u16(bytes);
  }
  template <bool Checked = true>
  std::uint32_t readUint32() {
    std::uint8_t bytes[4];
    read<Checked>(bytes, 4);
    return boost::endian::load_little_u32(bytes);
  }
  template <bool Checked = true>
  std::uint64_t readUint64() {
    std::uint8_t bytes[8];
    read<Checked>(bytes, 8);
    return boost::endian::load_little_u64(bytes);
  }

  // LEB128 varints of at most 3, 5 and 10 bytes; bits beyond the width are dropped, and a byte beyond
  // the limit is left for the next read.
  template <bool Checked = true>
  std::uint16_t readVarint16() {
    return static_cast<std::uint16_t>(readVarint<std::uint32_t, 3, Checked>());
  }
  template <bool Checked = true>
  BOOST_FORCEINLINE std::uint32_t readVarint32() {
    if ((!Checked || position_ < size_) && data_[position_] < 0x80) {
      if (!Checked) spend(1);
      return data_[position_++];
    }
    return readVarint<std::uint32_t, 5, Checked>();
  }
  std::uint64_t readVarint64() {
    return readVarint<std::uint64_t, 10, true>();
  }

  // Throws errors::readOutOfBounds for `requested` bytes at the current position.
  [[noreturn, gnu::cold]] void outOfBounds(std::uint64_t requested) const;

 private:
  template <typename T, int MaxBytes, bool Checked>
  T readVarint() {
    T value = 0;
    for (int i = 0; i < MaxBytes; ++i) {
      std::uint8_t const byte = readByte<Checked>();
      value |= static_cast<T>(static_cast<T>(byte & 0x7f) << (7 * i));
      if (byte < 0x80) break;
    }
    return value;
  }

  // Counts unchecked bytes against the grant (TRV_CHECKED_READS builds only).
  void spend(std::size_t count) {
#ifdef TRV_CHECKED_READS
    if (count > granted_ || count > remaining()) __builtin_trap();
    granted_ -= count;
#else
    static_cast<void>(count);
#endif
  }

  std::uint8_t const* data_;
  std::size_t size_;
  std::size_t position_ = 0;
#ifdef TRV_CHECKED_READS
  std::size_t granted_ = 0;
#endif
};

struct FieldHeader {
  std::uint8_t type;
  std::uint16_t id;
};

// A field header: type in the low 5 bits, the id in the high 3 bits, or in one following byte (marker 6)
// or two following little-endian bytes (marker 7).
BOOST_FORCEINLINE FieldHeader readFieldHeader(InputBuffer& input) {
  // Most headers of a record take one or two bytes: both looked at with one check.
  if (input.remaining() >= 2) {
    input.grant(2);
    std::uint8_t const* const bytes = input.cursor();
    auto const type = static_cast<std::uint8_t>(bytes[0] & 0x1f);
    auto const marker = static_cast<std::uint16_t>(bytes[0] >> 5);
    if (marker < 6) {
      input.advance(1);
      return {type, marker};
    }
    if (marker == 6) {
      input.advance(2);
      return {type, bytes[1]};
    }
  }
  std::uint8_t const raw = input.readByte();
  FieldHeader header{static_cast<std::uint8_t>(raw & 0x1f), static_cast<std::uint16_t>(raw >> 5)};
  if (header.id == 6)
    header.id = input.readByte();
  else if (header.id == 7)
    header.id = input.readUint16();
  return header;
}

// Skips one value of wire type `type` that sits `depth` levels below the record (a field of the record
// is at depth 1). Throws errors::unknownDataType for an undefined type, errors::maxDepthExceeded for nesting
// deeper than kMaxDepth.
void skipValue(InputBuffer& input, std::uint8_t type, int depth);

// Skips `count` elements of type `type` of a container at `depth`.
void skipElements(InputBuffer& input, std::uint8_t type, std::uint64_t count, int depth);

// Skips the remaining fields of a struct up to and including its stop marker; stop-base markers between
// the parts of a derived struct are passed over. `header` is the header already read.
void skipToStop(InputBuffer& input, FieldHeader header, int depth);

// What a walk of values without a schema meets, in order: the walk is the one that skipping takes, told.
class ValueWalker {
 public:
  virtual ~ValueWalker() = default;
  // A field of a struct (or of the record), its header at `offset`; its value follows.
  virtual void field(std::size_t offset, FieldHeader header) = 0;
  // A scalar at `offset` and its text: numbers in decimal, reals as the shortest text that reads back,
  // strings quoted (UTF-8, control characters as \xNN, a wide string's other characters as \uNNNN).
  virtual void scalar(std::size_t offset, std::uint8_t type, std::string const& text) = 0;
  // A list or set of `count` elements of type `element`, a map of `count` pairs (`element` its key type,
  // `value` its value type), or a struct (count 0): what follows up to the matching end() is inside it.
  virtual void container(std::size_t offset, std::uint8_t type, std::uint8_t element, std::uint8_t value,
                         std::uint64_t count) = 0;
  virtual void end() = 0;
};

// Walks one value of wire type `type` at `depth` as skipValue skips it (and throws as it does), telling
// `walker` what it meets.
void walkValue(InputBuffer& input, std::uint8_t type, int depth, ValueWalker& walker);
// Walks the fields of a struct (or a record, at depth 0) from the input's position up to its stop marker.
void walkFields(InputBuffer& input, int depth, ValueWalker& walker);

// The name of a wire type as the walk's users show it: "int32", "list", ...; "type N" for an undefined one.
std::string wireTypeName(std::uint8_t type);
// A container as the walk told it (ValueWalker::container), named alike: "list<double>", "map<int32,
// string>", "struct"; its size: "2 elements", "1 pair", nothing for a struct; whether what it holds comes in
// keyed entries (a struct's fields, a map's pairs) rather than in a row.
std::string containerTypeName(std::uint8_t type, std::uint8_t element, std::uint8_t value);
std::string containerSize(std::uint8_t type, std::uint64_t count);
inline bool holdsKeyedEntries(std::uint8_t type) {
  return type == BT_STRUCT || type == BT_MAP;
}

// Throws errors::unknownDataType when `type` is not the code of a value.
inline void checkValueType(std::uint8_t type) {
  if (!isValueType(type)) errors::unknownDataType();
}

inline std::int32_t unzigzag32(std::uint32_t value) {
  return static_cast<std::int32_t>((value >> 1) ^ (~(value & 1) + 1));
}
inline std::int16_t unzigzag16(std::uint16_t value) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> 1) ^ (~(value & 1u) + 1u)));
}
inline std::uint32_t zigzag32(std::int32_t value) {
  return (static_cast<std::uint32_t>(value) << 1) ^ static_cast<std::uint32_t>(value >> 31);
}

// Output into a buffer the caller sized for the record (see maxEncodedSize).
class OutputCursor {
 public:
  explicit OutputCursor(char* out) : out_(out) {}
  char* position() const { return out_; }

  void writeByte(std::uint8_t byte) { *out_++ = static_cast<char>(byte); }
  void writeVarint32(std::uint32_t value) {
    while (value >= 0x80) {
      *out_++ = static_cast<char>(value | 0x80);
      value >>= 7;
    }
    *out_++ = static_cast<char>(value);
  }
  void writeUint64(std::uint64_t value) {
    boost::endian::store_little_u64(reinterpret_cast<unsigned char*>(out_), value);
    out_ += 8;
  }
  void writeFieldHeader(std::uint16_t id, std::uint8_t type) {
    if (id <= 5) {
      writeByte(static_cast<std::uint8_t>((id << 5) | type));
    } else if (id <= 0xff) {
      writeByte(static_cast<std::uint8_t>(0xc0 | type));
      writeByte(static_cast<std::uint8_t>(id));
    } else {
      writeByte(static_cast<std::uint8_t>(0xe0 | type));
      writeByte(static_cast<std::uint8_t>(id));
      writeByte(static_cast<std::uint8_t>(id >> 8));
    }
  }

 private:
  char* out_;
};

}  // namespace trv::serialization::compact_binary
