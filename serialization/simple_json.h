#pragma once
// Simple JSON reading of an option record, generic over the record's reflection.
//
// A line holds one JSON object. Each field takes the first member, in document order, that is named like
// the field (or by the field id in decimal) and whose JSON type fits the field; other members are ignored.
// Enumerations take an enumerator name (an unknown name leaves the field as it was) or an int32 number;
// bool fields true/false; int32 fields an integer within range; nullable fields null, [] or an array whose
// first element fits the element type.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"
#include "serialization/json_parser.h"

namespace trv::serialization {
namespace simple_json {

// How one field type takes a JSON value: returns whether the value fits (the field is then done with).
template <typename T, typename = void>
struct ValueReader;

template <>
struct ValueReader<bool> {
  static bool read(JsonValue const& v, bool& value) {
    if (v.kind != JsonValue::Kind::Bool) return false;
    value = v.boolean;
    return true;
  }
};

template <>
struct ValueReader<std::int32_t> {
  static bool read(JsonValue const& v, std::int32_t& value) {
    if (v.kind != JsonValue::Kind::Number || !v.isInt32) return false;
    value = v.int32;
    return true;
  }
};

template <>
struct ValueReader<double> {
  static bool read(JsonValue const& v, double& value) {
    if (v.kind != JsonValue::Kind::Number) return false;
    value = v.number;
    return true;
  }
};

template <typename E>
struct ValueReader<E, std::enable_if_t<control_param::reflection::is_schema_enum_v<E>>> {
  static bool read(JsonValue const& v, E& value) {
    if (v.kind == JsonValue::Kind::String) {
      control_param::reflection::enumerator_value(std::string(v.text), value);
      return true;
    }
    std::int32_t number = 0;
    if (!ValueReader<std::int32_t>::read(v, number)) return false;
    value = static_cast<E>(number);
    return true;
  }
};

template <typename T>
struct MemberReader {
  static bool read(JsonMember const& member, T& value) { return ValueReader<T>::read(member.value, value); }
};

template <typename T>
struct MemberReader<control_param::nullable<T>> {
  static bool read(JsonMember const& member, control_param::nullable<T>& value) {
    bool const isArray = member.value.kind == JsonValue::Kind::Array;
    if (member.value.kind == JsonValue::Kind::Null || (isArray && member.empty)) {
      value.reset();
      return true;
    }
    if (!isArray) return false;
    T element{};
    if (!ValueReader<T>::read(member.first, element)) return false;
    value = element;
    return true;
  }
};

// The record's fields by index: name, id and reader.
template <typename Record>
struct FieldTable {
  using Reader = bool (*)(Record&, JsonMember const&);
  struct Entry {
    std::string_view name;
    std::uint16_t id;
    Reader read;
  };
  static constexpr std::size_t size = std::tuple_size_v<typename Record::Schema::fields>;

  template <typename Field>
  static bool readField(Record& record, JsonMember const& member) {
    return MemberReader<typename Field::value_type>::read(member, Field::member(record));
  }

  static std::array<Entry, size> const& entries() {
    static std::array<Entry, size> const table = std::apply(
        [](auto... field) {
          return std::array<Entry, size>{
              Entry{decltype(field)::metadata.name, decltype(field)::id, &readField<decltype(field)>}...};
        },
        typename Record::Schema::fields{});
    return table;
  }
};

// A member name that is a field id: decimal digits only, at most 65535.
bool parseFieldId(std::string_view name, std::uint16_t& id);

template <typename Record>
class RecordVisitor final : public MemberVisitor {
 public:
  explicit RecordVisitor(Record& record) : record_(record) {}

  int fieldIndex(std::string_view name) override {
    auto const& entries = FieldTable<Record>::entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].name == name) return static_cast<int>(i);
    std::uint16_t id = 0;
    if (!parseFieldId(name, id)) return -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].id == id) return static_cast<int>(i);
    return -1;
  }

  void member(int index, JsonMember const& member) override {
    std::uint64_t const bit = std::uint64_t{1} << index;
    if (done_ & bit) return;
    if (FieldTable<Record>::entries()[static_cast<std::size_t>(index)].read(record_, member)) done_ |= bit;
  }

 private:
  static_assert(FieldTable<Record>::size <= 64, "a record has at most 64 fields");
  Record& record_;
  std::uint64_t done_ = 0;
};

}  // namespace simple_json

// Reads one record from the Simple JSON `line` into `record` (normally default-constructed): members absent
// from the line leave their field as it was. Throws as parseObjectLine (json_parser.h) does when the line is
// not one JSON object; `record` may then be partly read.
template <typename Record>
void fromSimpleJson(std::string_view line, Record& record) {
  simple_json::RecordVisitor<Record> visitor(record);
  simple_json::parseObjectLine(line, visitor);
}

}  // namespace trv::serialization
