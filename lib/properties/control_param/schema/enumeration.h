#pragma once
// Reflection of the schema enumerations: each enumeration lives in a namespace of its own inside
// `trv::control_param::_bond_enumerators`, holds a 32-bit enumeration type of the same name, and has a
// name-to-value map (ordered by name) and a value-to-name map (ordered by value, made as its inverse),
// both built when the library is loaded.

#include <cstdint>
#include <map>
#include <string>
#include <type_traits>
#include <utility>

namespace trv::control_param::reflection {

template <typename E>
struct EnumMaps {
  std::map<std::string, E> name_to_value;
  std::map<E, std::string> value_to_name;

  explicit EnumMaps(std::initializer_list<std::pair<char const*, E>> enumerators) {
    for (auto const& [name, value] : enumerators) name_to_value.emplace(name, value);
    for (auto const& [name, value] : name_to_value) value_to_name.emplace(value, name);
  }
};

// Specialised for every schema enumeration by TRV_SCHEMA_ENUM: `name`, `qualified_name`, `maps`.
template <typename E>
struct enum_traits;

template <typename T, typename = void>
struct is_schema_enum : std::false_type {};
template <typename T>
struct is_schema_enum<T, std::void_t<decltype(enum_traits<T>::name)>> : std::true_type {};
template <typename T>
inline constexpr bool is_schema_enum_v = is_schema_enum<T>::value;

// The enumerator name of `value`, or null when the value is no enumerator.
template <typename E>
std::string const* enumerator_name(E value) {
  auto const& map = enum_traits<E>::maps.value_to_name;
  auto it = map.find(value);
  return it == map.end() ? nullptr : &it->second;
}

// The value of the enumerator `name` (whole, case-sensitive match), or false when there is none.
template <typename E>
bool enumerator_value(std::string const& name, E& value) {
  auto const& map = enum_traits<E>::maps.name_to_value;
  auto it = map.find(name);
  if (it == map.end()) return false;
  value = it->second;
  return true;
}

}  // namespace trv::control_param::reflection

#define TRV_SCHEMA_ENUMERATOR_(name, value) name = value,
#define TRV_SCHEMA_ENUMERATOR_ENTRY_(name, value) {#name, type::name},

// Declares, inside namespace trv::control_param, enumeration `Name` with the enumerators listed by the
// X-macro `ENUMERATORS(X)` as X(name, value).
#define TRV_SCHEMA_ENUM(Name, ENUMERATORS)                                              \
  namespace _bond_enumerators {                                                         \
  namespace Name {                                                                      \
  enum Name : std::int32_t { ENUMERATORS(TRV_SCHEMA_ENUMERATOR_) };                     \
  }                                                                                     \
  }                                                                                     \
  using _bond_enumerators::Name::Name;                                                  \
  template <>                                                                           \
  struct reflection::enum_traits<Name> {                                                \
    using type = Name;                                                                  \
    static constexpr char const* name = #Name;                                          \
    static constexpr char const* qualified_name = "trv.control_param." #Name;           \
    static inline const EnumMaps<Name> maps{ENUMERATORS(TRV_SCHEMA_ENUMERATOR_ENTRY_)}; \
  };
