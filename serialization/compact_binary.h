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
#include "serialization/read_observer.h"
#include "serialization/wire.h"

namespace trv::serialization {
namespace compact_binary {

// What an unchecked read relies on, stated once for every codec: `reads` lists each wire type its `read`
// accepts (it accepts no other) with the most bytes reading one value of that type consumes; `maxReadSize` is
// what the reader makes sure of (InputBuffer::remaining) before it reads a value of the codec's own type
// `type` without the checks of each read (`read<false>`), and must cover every entry of `reads`, since a
// nullable reads its element of any type its element codec accepts unchecked too. checkReadBounds holds each
// codec to that at compile time; builds with TRV_CHECKED_READS also check every unchecked read against the
// bytes granted to it (InputBuffer::grant).
struct ReadBound {
  std::uint8_t wire;
  std::size_t bytes;  // the most one value of that wire type takes to read
};

template <std::size_t N>
constexpr bool acceptsOf(std::array<ReadBound, N> const& reads, std::uint8_t wire) {
  for (ReadBound const& read : reads)
    if (read.wire == wire) return true;
  return false;
}

template <std::size_t N>
constexpr std::size_t largestRead(std::array<ReadBound, N> const& reads) {
  std::size_t largest = 0;
  for (ReadBound const& read : reads) largest = read.bytes > largest ? read.bytes : largest;
  return largest;
}

// Refuses, at compile time, a codec whose accepted wire types may consume more than its unchecked reads are
// granted.
template <typename Codec>
constexpr bool checkReadBounds() {
  static_assert(largestRead(Codec::reads) <= Codec::maxReadSize,
                "an accepted wire type reads more bytes than the unchecked read is granted");
  static_assert(acceptsOf(Codec::reads, Codec::type), "a codec accepts its own wire type");
  return true;
}

// How one value type goes on the wire (reading is inlined into the record's decoding, which unrolls over the
// fields: calls cost as much as the reading itself): `type`, `maxSize` (bytes of the value as written),
// `write`, the read bounds above, `accepts(wire)`, and `read`, which takes a value of wire type `wire` and
// returns false, having read nothing, when the field does not accept that type.
template <typename T, typename = void>
struct ValueCodec;

template <>
struct ValueCodec<bool> {
  static constexpr std::uint8_t type = BT_BOOL;
  static constexpr std::size_t maxSize = 1;
  static constexpr std::array<ReadBound, 1> reads{{{BT_BOOL, 1}}};
  static constexpr std::size_t maxReadSize = 1;
  static constexpr bool accepts(std::uint8_t wire) { return acceptsOf(reads, wire); }
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
  // Varints of at most 5 and 3 bytes, one byte.
  static constexpr std::array<ReadBound, 3> reads{{{BT_INT32, 5}, {BT_INT16, 3}, {BT_INT8, 1}}};
  static constexpr std::size_t maxReadSize = 5;
  static constexpr bool accepts(std::uint8_t wire) { return acceptsOf(reads, wire); }
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
  using Number = ValueCodec<std::int32_t>;
  static constexpr std::uint8_t type = Number::type;
  static constexpr std::size_t maxSize = Number::maxSize;
  static constexpr auto reads = Number::reads;
  static constexpr std::size_t maxReadSize = Number::maxReadSize;
  static constexpr bool accepts(std::uint8_t wire) { return acceptsOf(reads, wire); }
  static void write(OutputCursor& out, E value) { Number::write(out, static_cast<std::int32_t>(value)); }
  template <bool Checked = true>
  BOOST_FORCEINLINE static bool read(InputBuffer& input, std::uint8_t wire, E& value) {
    std::int32_t number = 0;
    if (!Number::read<Checked>(input, wire, number)) return false;
    value = static_cast<E>(number);
    return true;
  }
};

template <>
struct ValueCodec<double> {
  static constexpr std::uint8_t type = BT_DOUBLE;
  static constexpr std::size_t maxSize = 8;
  static constexpr std::array<ReadBound, 2> reads{{{BT_DOUBLE, 8}, {BT_FLOAT, 4}}};
  static constexpr std::size_t maxReadSize = 8;
  static constexpr bool accepts(std::uint8_t wire) { return acceptsOf(reads, wire); }
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
  // The element type, a count of up to five bytes and the first element, of any type the element accepts.
  static constexpr std::array<ReadBound, 1> reads{{{BT_LIST, 1 + 5 + largestRead(Element::reads)}}};
  static constexpr std::size_t maxReadSize = 1 + 5 + Element::maxReadSize;
  static constexpr bool accepts(std::uint8_t wire) { return acceptsOf(reads, wire); }
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

// A reading's place in the bytes: the input and the field header read last, and for an observer that listens,
// where that header stood. Without one it is the input and the header alone.
template <typename Observer>
struct Reading {
  InputBuffer input;
  FieldHeader header{};
  Observer& observer;
  std::size_t headerAt = 0;

  BOOST_FORCEINLINE void next() {
    if constexpr (Observer::active) headerAt = input.position();
    header = readFieldHeader(input);
  }
};

// The name of the record's field of `id`, or an empty name.
template <typename Record>
std::string_view fieldName(std::uint16_t id) {
  std::string_view name;
  control_param::reflection::for_each_field<Record>([&](auto field) {
    if (decltype(field)::id == id) name = decltype(field)::metadata.name;
  });
  return name;
}

// Tells the observer of a value the reading passed over, whose bytes ran from `valueAt` to where the input
// stands now.
template <typename Record, typename Observer>
void tellPassedOver(Reading<Observer>& reading, std::size_t valueAt, PassedOver reason) {
  Observation seen;
  seen.verdict = Verdict::PassedOver;
  seen.reason = reason;
  seen.offset = reading.headerAt;
  seen.id = reading.header.id;
  seen.wireType = reading.header.type;
  seen.field = fieldName<Record>(reading.header.id);
  seen.raw = reading.input.bytes(valueAt, reading.input.position());
  if (reason == PassedOver::NoField && !seen.field.empty()) seen.reason = PassedOver::OutOfOrder;
  reading.observer.field(seen);
}

// Tells the observer what the field took from the value whose bytes ran from `valueAt` to where the input
// stands now: the value, or for a list its first element (the later ones and a list of elements the field
// does not take are passed over).
template <typename Field, typename Record, typename Observer>
void tellTaken(Reading<Observer>& reading, std::size_t valueAt, Record const& record) {
  using T = typename Field::value_type;
  Observation seen;
  seen.offset = reading.headerAt;
  seen.id = Field::id;
  seen.wireType = reading.header.type;
  seen.field = Field::metadata.name;
  seen.raw = reading.input.bytes(valueAt, reading.input.position());
  if constexpr (control_param::reflection::is_nullable_v<T>) {
    InputBuffer list(seen.raw);
    std::uint8_t const elementType = list.readByte();
    std::uint32_t const count = list.readVarint32();
    if (count > 0 && !ValueCodec<T>::Element::accepts(elementType)) {
      seen.verdict = Verdict::PassedOver;
      seen.reason = PassedOver::WrongType;
    } else if (count > 1) {
      // The list's first element is taken (the observation has the whole list), the later ones passed over.
      reading.observer.field(seen);
      typename T::value_type first{};
      ValueCodec<T>::Element::read(list, elementType, first);
      seen.verdict = Verdict::PassedOver;
      seen.reason = PassedOver::LaterElements;
      seen.raw = seen.raw.substr(list.position());
      seen.count = count - 1;
    }
  } else if constexpr (control_param::reflection::is_schema_enum_v<T>) {
    if (!control_param::reflection::enumerator_name(Field::member(record)))
      seen.verdict = Verdict::TakenNoEnumerator;
  }
  reading.observer.field(seen);
}

// Reads the payload fields that belong to `Field` (several when the id repeats: the last one counts) and
// skips the fields of lower id before them; leaves the reading's header at the first field of higher id or a
// stop.
template <typename Field, typename Record, typename Observer>
BOOST_FORCEINLINE void readField(Reading<Observer>& reading, Record& record) {
  using Codec = ValueCodec<typename Field::value_type>;
  InputBuffer& input = reading.input;
  FieldHeader& header = reading.header;
  [[maybe_unused]] std::size_t valueAt = 0;
  // The usual case: the field of its own wire type with room for the longest value, read without the checks
  // of each read.
  static_assert(checkReadBounds<Codec>());
  if (header.id == Field::id && header.type == Codec::type && input.remaining() >= Codec::maxReadSize) {
    if constexpr (Observer::active) valueAt = input.position();
    input.grant(Codec::maxReadSize);
    Codec::template read<false>(input, header.type, Field::member(record));
    if constexpr (Observer::active) tellTaken<Field>(reading, valueAt, record);
    reading.next();
  }
  while (header.id <= Field::id && header.type != BT_STOP && header.type != BT_STOP_BASE) {
    if constexpr (Observer::active) valueAt = input.position();
    if (header.id != Field::id || !Codec::read(input, header.type, Field::member(record))) {
      skipValue(input, header.type, 1);
      if constexpr (Observer::active)
        tellPassedOver<Record>(reading, valueAt,
                               header.id == Field::id ? PassedOver::WrongType : PassedOver::NoField);
    } else if constexpr (Observer::active) {
      tellTaken<Field>(reading, valueAt, record);
    }
    reading.next();
  }
}

// What follows the record's last field, told field by field: skipToStop's walk, with every field passed over.
template <typename Record, typename Observer>
void tellRest(Reading<Observer>& reading) {
  bool afterBase = false;
  for (; reading.header.type != BT_STOP; reading.next()) {
    if (reading.header.type == BT_STOP_BASE) {
      afterBase = true;
      continue;
    }
    std::size_t const valueAt = reading.input.position();
    skipValue(reading.input, reading.header.type, 1);
    tellPassedOver<Record>(reading, valueAt, afterBase ? PassedOver::AfterBaseStop : PassedOver::NoField);
  }
  if (reading.input.remaining() != 0)
    reading.observer.afterRecord(reading.input.position(), reading.input.remaining());
}

template <typename Record, typename Observer>
void decodeFields(Reading<Observer>& reading, Record& record) {
  reading.next();
  control_param::reflection::for_each_field<Record>(
      [&](auto field) { readField<decltype(field)>(reading, record); });
  // Fields beyond the record's last one, and everything after a stop-base marker, are passed over.
  if constexpr (Observer::active)
    tellRest<Record>(reading);
  else
    skipToStop(reading.input, reading.header, 0);
}

template <typename Record, typename Observer = NoObserver>
void decode(std::string_view bytes, Record& record, Observer&& observer = Observer{}) {
  Reading<std::remove_reference_t<Observer>> reading{InputBuffer(bytes), {}, observer};
  if constexpr (std::remove_reference_t<Observer>::active) {
    try {
      decodeFields(reading, record);
    } catch (StreamException const&) {
      observer.endsInside(reading.headerAt);
      throw;
    }
  } else {
    decodeFields(reading, record);
  }
}

}  // namespace compact_binary

// The Compact Binary v1 bytes of `record`.
template <typename Record>
std::string toCompactBinary(Record const& record) {
  return std::string(compact_binary::encode(record).view());
}

// Reads one record from `bytes` into `record` (normally default-constructed): fields absent from the bytes
// keep their value. Throws StreamException or CoreException on bytes that are no complete record; `record`
// may then be partly read. An observer (read_observer.h) hears what the reading does.
template <typename Record>
void fromCompactBinary(std::string_view bytes, Record& record) {
  compact_binary::decode(bytes, record);
}
template <typename Record>
void fromCompactBinary(std::string_view bytes, Record& record, ReadObserver& observer) {
  compact_binary::decode(bytes, record, observer);
}

}  // namespace trv::serialization
