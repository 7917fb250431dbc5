#pragma once
// Compact Binary version 1 of an option record, generic over the record's reflection.
//
// Writing: the fields in ascending id order, each left out while it holds its schema default (a nullable
// while it is empty), then the stop marker; no header.
// Reading: one forward pass that merges the payload's fields with the record's fields in id order. A field
// the record lacks, a field whose id is lower than one already passed and a value of a wire type the field
// cannot take are skipped; int32 fields also take int8 and int16, nullable doubles also list<float>.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include <boost/config.hpp>

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"
#include "serialization/wire.h"

namespace trv::serialization {
namespace compact_binary {

// How one value type goes on the wire (reading is inlined into the record's decoding, which unrolls over the
// fields: calls cost as much as the reading itself): `type`, `maxSize` (bytes of the value as written),
// `write`, and `read`, which takes a value of wire type `wire` and returns false, having read nothing, when
// the field cannot take that type. `read<false>` reads without the checks of each read the first
// `maxReadSize` bytes, the most that reading a value of the field's own type `type` takes before any
// skipping.
template <typename T, typename = void>
struct ValueCodec;

template <>
struct ValueCodec<bool> {
  static constexpr std::uint8_t type = BT_BOOL;
  static constexpr std::size_t maxSize = 1;
  static constexpr std::size_t maxReadSize = 1;
  static void write(OutputCursor& out, bool value) { out.writeByte(value ? 1 : 0); }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire, bool& value) {
    if (wire != BT_BOOL) return false;
    value = input.readByte<Checked>() != 0;
    return true;
  }
};

template <>
struct ValueCodec<std::int32_t> {
  static constexpr std::uint8_t type = BT_INT32;
  static constexpr std::size_t maxSize = 5;
  static constexpr std::size_t maxReadSize = 5;
  static void write(OutputCursor& out, std::int32_t value) { out.writeVarint32(zigzag32(value)); }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire, std::int32_t& value) {
    switch (wire) {
      case BT_INT32:
        value = unzigzag32(input.readVarint32<Checked>());
        return true;
      case BT_INT16:
        value = unzigzag16(input.readVarint16<Checked>());
        return true;
      case BT_INT8:
        value = static_cast<std::int8_t>(input.readByte<Checked>());
        return true;
      default:
        return false;
    }
  }
};

// Schema enumerations travel as int32; every 32-bit value is kept, enumerator or not.
template <typename E>
struct ValueCodec<E, std::enable_if_t<control_param::reflection::is_schema_enum_v<E>>> {
  static constexpr std::uint8_t type = BT_INT32;
  static constexpr std::size_t maxSize = 5;
  static constexpr std::size_t maxReadSize = 5;
  static void write(OutputCursor& out, E value) {
    ValueCodec<std::int32_t>::write(out, static_cast<std::int32_t>(value));
  }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire, E& value) {
    std::int32_t number = 0;
    if (!ValueCodec<std::int32_t>::read<Checked>(input, wire, number)) return false;
    value = static_cast<E>(number);
    return true;
  }
};

template <>
struct ValueCodec<double> {
  static constexpr std::uint8_t type = BT_DOUBLE;
  static constexpr std::size_t maxSize = 8;
  static constexpr std::size_t maxReadSize = 8;
  static void write(OutputCursor& out, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    out.writeUint64(bits);
  }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire, double& value) {
    if (wire == BT_DOUBLE) {
      std::uint64_t const bits = input.readUint64<Checked>();
      std::memcpy(&value, &bits, sizeof value);
      return true;
    }
    if (wire == BT_FLOAT) {
      std::uint32_t const bits = input.readUint32<Checked>();
      float single;
      std::memcpy(&single, &bits, sizeof single);
      value = single;
      return true;
    }
    return false;
  }
};

// A nullable is a list of zero or one element. Reading takes the first element of a list whose element
// type fits and skips the others; a list of another element type is skipped and leaves the value as it was.
template <typename T>
struct ValueCodec<control_param::nullable<T>> {
  using Element = ValueCodec<T>;
  static constexpr std::uint8_t type = BT_LIST;
  static constexpr std::size_t maxSize = 2 + Element::maxSize;
  // The element type, a count of up to five bytes and the element, which may be of any type the element's
  // codec takes.
  static constexpr std::size_t maxReadSize = 1 + 5 + 8;
  static_assert(Element::maxReadSize <= 8);
  static void write(OutputCursor& out, control_param::nullable<T> const& value) {
    out.writeByte(Element::type);
    out.writeByte(1);
    Element::write(out, *value);
  }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire,
                                     control_param::nullable<T>& value) {
    if (wire != BT_LIST) return false;
    std::uint8_t const elementType = input.readByte<Checked>();
    checkValueType(elementType);
    std::uint32_t const count = input.readVarint32<Checked>();
    if (count == 0) {
      value.reset();
      return true;
    }
    T element{};
    if (!Element::template read<Checked>(input, elementType, element)) {
      skipElements(input, elementType, count, 2);
      return true;
    }
    value = element;
    if (count > 1) skipElements(input, elementType, count - 1, 2);
    return true;
  }
};

template <typename T>
bool isWritten(T const& value, T const& defaultValue) {
  if constexpr (control_param::reflection::is_nullable_v<T>) {
    static_cast<void>(defaultValue);
    return value.has_value();
  } else {
    return value != defaultValue;
  }
}

// The most bytes a record can take: every field with its longest header and value, and the stop marker.
template <typename... Fields>
constexpr std::size_t maxEncodedSizeOf(std::tuple<Fields...> const*) {
  return (std::size_t{1} + ... + (3 + ValueCodec<typename Fields::value_type>::maxSize));
}
template <typename Record>
constexpr std::size_t maxEncodedSize() {
  return maxEncodedSizeOf(static_cast<typename Record::Schema::fields const*>(nullptr));
}

// The encoded bytes of one record, held without allocation.
template <typename Record>
struct Encoded {
  std::array<char, maxEncodedSize<Record>()> bytes;
  std::size_t size = 0;
  std::string_view view() const { return {bytes.data(), size}; }
};

template <typename Record>
Encoded<Record> encode(Record const& record) {
  Encoded<Record> encoded;
  OutputCursor out(encoded.bytes.data());
  control_param::reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    using Codec = ValueCodec<typename Field::value_type>;
    auto const& value = Field::member(record);
    if (!isWritten(value, Field::default_value)) return;
    out.writeFieldHeader(Field::id, Codec::type);
    Codec::write(out, value);
  });
  out.writeByte(BT_STOP);
  encoded.size = static_cast<std::size_t>(out.position() - encoded.bytes.data());
  return encoded;
}

// Reads the payload fields that belong to `Field` (several when the id repeats: the last one counts) and
// skips the fields of lower id before them; leaves `header` at the first field of higher id or a stop.
template <typename Field, typename Record>
BOOST_FORCEINLINE void readField(InputBuffer& input, FieldHeader& header, Record& record) {
  using Codec = ValueCodec<typename Field::value_type>;
  // The usual case: the field of its own wire type with room for the longest value, read without the checks
  // of each read.
  if (header.id == Field::id && header.type == Codec::type && input.remaining() >= Codec::maxReadSize) {
    Codec::template read<false>(input, header.type, Field::member(record));
    header = readFieldHeader(input);
  }
  while (header.id <= Field::id && header.type != BT_STOP && header.type != BT_STOP_BASE) {
    if (header.id != Field::id || !Codec::read(input, header.type, Field::member(record)))
      skipValue(input, header.type, 1);
    header = readFieldHeader(input);
  }
}

template <typename Record>
void decode(std::string_view bytes, Record& record) {
  InputBuffer input(bytes);
  FieldHeader header = readFieldHeader(input);
  control_param::reflection::for_each_field<Record>(
      [&](auto field) { readField<decltype(field)>(input, header, record); });
  // Fields beyond the record's last one, and everything after a stop-base marker, are passed over.
  skipToStop(input, header, 0);
}

}  // namespace compact_binary

// The Compact Binary v1 bytes of `record`.
template <typename Record>
std::string toCompactBinary(Record const& record) {
  return std::string(compact_binary::encode(record).view());
}

// Reads one record from `bytes` into `record` (normally default-constructed): fields absent from the bytes
// keep their value. Throws StreamException or CoreException on bytes that are no complete record; `record`
// may then be partly read.
template <typename Record>
void fromCompactBinary(std::string_view bytes, Record& record) {
  compact_binary::decode(bytes, record);
}

}  // namespace trv::serialization
