#pragma once
// Simple JSON reading of an option record, generic over the record's reflection.
//
// A line holds one JSON object. Each field takes the first member, in document order, that is named like
// the field (or by the field id in decimal) and whose JSON type fits the field; other members are ignored.
// Enumerations take an enumerator name (an unknown name leaves the field as it was) or an int32 number;
// bool fields true/false; int32 fields an integer within range; nullable fields null, [] or an array whose
// first element fits the element type. An observer (read_observer.h) hears what becomes of each member.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"
#include "serialization/json_parser.h"
#include "serialization/read_observer.h"

namespace trv::serialization {
namespace simple_json {

// How one field type takes a JSON value: what became of it (PassedOver: it does not fit, the value is as it
// was; anything else: the field is done with).
template <typename T, typename = void>
struct ValueReader;

template <>
struct ValueReader<bool> {
  static Verdict read(JsonValue const& v, bool& value) {
    if (v.kind != JsonValue::Kind::Bool) return Verdict::PassedOver;
    value = v.boolean;
    return Verdict::Taken;
  }
};

template <>
struct ValueReader<std::int32_t> {
  static Verdict read(JsonValue const& v, std::int32_t& value) {
    if (v.kind != JsonValue::Kind::Number || !v.isInt32) return Verdict::PassedOver;
    value = v.int32;
    return Verdict::Taken;
  }
};

template <>
struct ValueReader<double> {
  static Verdict read(JsonValue const& v, double& value) {
    if (v.kind != JsonValue::Kind::Number) return Verdict::PassedOver;
    value = v.number;
    return v.tiny ? Verdict::TakenAsZero : Verdict::Taken;
  }
};

template <typename E>
struct ValueReader<E, std::enable_if_t<control_param::reflection::is_schema_enum_v<E>>> {
  static Verdict read(JsonValue const& v, E& value) {
    if (v.kind == JsonValue::Kind::String)
      return control_param::reflection::enumerator_value(std::string(v.text), value)
                 ? Verdict::Taken
                 : Verdict::UsedUpWithoutEffect;
    std::int32_t number = 0;
    if (ValueReader<std::int32_t>::read(v, number) == Verdict::PassedOver) return Verdict::PassedOver;
    value = static_cast<E>(number);
    return control_param::reflection::enumerator_name(value) ? Verdict::Taken : Verdict::TakenNoEnumerator;
  }
};

template <typename T>
struct MemberReader {
  static Verdict read(JsonMember const& member, T& value) {
    return ValueReader<T>::read(member.value, value);
  }
};

template <typename T>
struct MemberReader<control_param::nullable<T>> {
  static Verdict read(JsonMember const& member, control_param::nullable<T>& value) {
    bool const isArray = member.value.kind == JsonValue::Kind::Array;
    if (member.value.kind == JsonValue::Kind::Null || (isArray && member.empty)) {
      value.reset();
      return Verdict::Taken;
    }
    if (!isArray) return Verdict::PassedOver;
    T element{};
    Verdict const verdict = ValueReader<T>::read(member.first, element);
    if (verdict == Verdict::PassedOver) return verdict;
    value = element;
    return verdict;
  }
};

// The record's fields by index: name, id and reader.
template <typename Record>
struct FieldTable {
  using Reader = Verdict (*)(Record&, JsonMember const&);
  struct Entry {
    std::string_view name;
    std::uint16_t id;
    Reader read;
  };
  static constexpr std::size_t size = std::tuple_size_v<typename Record::Schema::fields>;

  template <typename Field>
  static Verdict readField(Record& record, JsonMember const& member) {
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

template <typename Record, typename Observer = NoObserver>
class RecordVisitor final : public MemberVisitor {
 public:
  explicit RecordVisitor(Record& record, Observer& observer) : record_(record), observer_(observer) {}

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
    auto const& entry = FieldTable<Record>::entries()[static_cast<std::size_t>(index)];
    if (done_ & bit) {
      if constexpr (Observer::active) tell(entry, member, Verdict::PassedOver, PassedOver::Duplicate);
      return;
    }
    Verdict const verdict = entry.read(record_, member);
    if (verdict != Verdict::PassedOver) done_ |= bit;
    if constexpr (Observer::active) {
      tell(entry, member, verdict, verdict == Verdict::PassedOver ? PassedOver::WrongType : PassedOver::None);
      if (verdict != Verdict::PassedOver && member.count > 1)
        tell(entry, member, Verdict::PassedOver, PassedOver::LaterElements, member.count - 1);
    }
  }

  void unknown(JsonMember const& member) override {
    if constexpr (Observer::active) tell(Entry{}, member, Verdict::PassedOver, PassedOver::NoField);
  }

  void secondObject(std::size_t offset) override {
    if constexpr (Observer::active) observer_.secondObject(offset);
  }

  void fault(std::size_t offset) override {
    if constexpr (Observer::active) observer_.jsonFault(offset);
  }

 private:
  static_assert(FieldTable<Record>::size <= 64, "a record has at most 64 fields");
  using Entry = typename FieldTable<Record>::Entry;

  void tell(Entry const& entry, JsonMember const& member, Verdict verdict, PassedOver reason,
            std::uint32_t count = 0) {
    Observation seen;
    seen.verdict = verdict;
    seen.reason = reason;
    seen.offset = member.offset;
    seen.id = entry.id;
    seen.field = entry.name;
    seen.member = member.name;
    seen.raw = member.raw;
    seen.count = count;
    JsonValue const& number = member.value.kind == JsonValue::Kind::Array ? member.first : member.value;
    seen.negative = verdict == Verdict::TakenAsZero && std::signbit(number.number);
    observer_.field(seen);
  }

  Record& record_;
  Observer& observer_;
  std::uint64_t done_ = 0;
};

}  // namespace simple_json

// Reads one record from the Simple JSON `line` into `record` (normally default-constructed): members absent
// from the line leave their field as it was. Throws as parseObjectLine (json_parser.h) does when the line is
// not one JSON object; `record` may then be partly read.
template <typename Record>
void fromSimpleJson(std::string_view line, Record& record) {
  NoObserver none;
  simple_json::RecordVisitor<Record> visitor(record, none);
  simple_json::parseObjectLine(line, visitor);
}
// The same, telling `observer` what becomes of every member (offsets are of the line's UTF-8 bytes).
template <typename Record>
void fromSimpleJson(std::string_view line, Record& record, ReadObserver& observer) {
  simple_json::RecordVisitor<Record, ReadObserver> visitor(record, observer);
  simple_json::parseObservedObjectLine(line, visitor);
}

}  // namespace trv::serialization
