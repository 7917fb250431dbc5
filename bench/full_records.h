#pragma once
// Option records with every field away from its schema default, for any module: the records that make the
// longest stored texts and KELMAR output.

#include <cstdint>
#include <type_traits>

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"

namespace trv::bench {

// A value of `T` other than `value`.
template <typename T>
T otherValue(T const& value) {
  namespace reflection = control_param::reflection;
  if constexpr (reflection::is_nullable_v<T>) {
    using Element = typename reflection::is_nullable<T>::element_type;
    return value ? T(otherValue(*value)) : T(otherValue(Element{}));
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    for (auto const& [enumerator, name] : reflection::enum_traits<T>::maps.value_to_name)
      if (enumerator != value) return enumerator;
    return value;
  } else if constexpr (std::is_same_v<T, bool>) {
    return !value;
  } else if constexpr (std::is_same_v<T, double>) {
    return value + 2.5;
  } else {
    static_assert(std::is_same_v<T, std::int32_t>, "unsupported field type");
    return value == 7 ? 8 : 7;
  }
}

// The record with every field set to a value other than its default.
template <typename Record>
Record fullRecord() {
  Record record;
  control_param::reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    Field::member(record) = otherValue(Field::member(record));
  });
  return record;
}

}  // namespace trv::bench
