#pragma once
// Compile-time reflection of the option records.
//
// Every record is declared once through TRV_SCHEMA_RECORD with a list of its fields; the macro produces the
// plain value type (members with their defaults, equality) and a nested `Schema` with the record's metadata
// and one descriptor per field (`Schema::var::<name>`). Everything that walks a record (stored form,
// property building, the command-line tool) goes through `for_each_field`, never through a hand-written
// field list.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace trv::control_param {

// A value the user may leave unset: empty, or one value.
template <typename T>
using nullable = std::optional<T>;

namespace reflection {

using Attributes = std::map<std::string, std::string>;

// Metadata of a record or of a field: its name, its qualified name (records only) and its attributes.
struct Metadata {
  std::string name;
  std::string qualified_name;
  Attributes attributes;

  // The attribute's text, or null when the attribute is absent.
  std::string const* attribute(std::string const& key) const {
    auto it = attributes.find(key);
    return it == attributes.end() ? nullptr : &it->second;
  }
};

// Descriptor of one field: identifier, value type, member access, metadata and default.
// `Derived` supplies `member()`, `metadata` and `default_value`.
template <typename Record, typename T, std::uint16_t Id>
struct FieldBase {
  using record_type = Record;
  using value_type = T;
  static constexpr std::uint16_t id = Id;
};

// Whether the field is an option: a value the user sets and the inspector shows (it has a "DisplayName").
// Fields without one (a record's version, say) are kept and stored, never offered.
inline bool is_option(Metadata const& field) {
  return field.attribute("DisplayName") != nullptr;
}

template <typename T>
struct is_nullable : std::false_type {};
template <typename T>
struct is_nullable<nullable<T>> : std::true_type {
  using element_type = T;
};
template <typename T>
inline constexpr bool is_nullable_v = is_nullable<T>::value;

// Calls `f(Field{})` for every field of the record, in ascending identifier order.
template <typename Record, typename F>
void for_each_field(F&& f) {
  std::apply([&](auto... field) { (f(field), ...); }, typename Record::Schema::fields{});
}

// Calls `f(Field{})` for the field with the given name; returns whether one matched.
template <typename Record, typename F>
bool visit_field(std::string const& name, F&& f) {
  bool found = false;
  for_each_field<Record>([&](auto field) {
    if (!found && name == decltype(field)::metadata.name) {
      found = true;
      f(field);
    }
  });
  return found;
}

}  // namespace reflection
}  // namespace trv::control_param

#define TRV_SCHEMA_UNPAREN(...) __VA_ARGS__

#define TRV_SCHEMA_MEMBER_(id, name, type, def, attrs) type name = def;
#define TRV_SCHEMA_EQUAL_(id, name, type, def, attrs) &&a.name == b.name
#define TRV_SCHEMA_FIELD_(id, name_, type, def, attrs)                                      \
  struct name_ : ::trv::control_param::reflection::FieldBase<Self, type, id> {              \
    static type& member(Self& r) { return r.name_; }                                        \
    static type const& member(Self const& r) { return r.name_; }                            \
    static inline const ::trv::control_param::reflection::Metadata metadata{                \
        #name_, "", ::trv::control_param::reflection::Attributes TRV_SCHEMA_UNPAREN attrs}; \
    static inline const type default_value = def;                                           \
  };

// Declares record `Name` of schema namespace "trv.control_param" with the fields listed by the X-macro
// `FIELDS(X)`, each as X(id, name, type, default, ({attributes})), in ascending identifier order.
#define TRV_SCHEMA_RECORD(Name, FIELDS)                                                             \
  struct Name {                                                                                     \
    FIELDS(TRV_SCHEMA_MEMBER_)                                                                      \
    friend bool operator==(Name const& a, Name const& b) { return true FIELDS(TRV_SCHEMA_EQUAL_); } \
    friend bool operator!=(Name const& a, Name const& b) { return !(a == b); }                      \
    struct Schema;                                                                                  \
  };                                                                                                \
  struct Name::Schema {                                                                             \
    using Self = Name;                                                                              \
    static inline const ::trv::control_param::reflection::Metadata metadata{                        \
        #Name, "trv.control_param." #Name, {}};                                                     \
    struct var {                                                                                    \
      FIELDS(TRV_SCHEMA_FIELD_)                                                                     \
    };                                                                                              \
    template <typename First, typename... Rest>                                                     \
    static std::tuple<Rest...> tail(First*, Rest*...);                                              \
    using fields = decltype(tail(static_cast<void*>(nullptr) FIELDS(TRV_SCHEMA_FIELD_POINTER_)));   \
  };

#define TRV_SCHEMA_FIELD_POINTER_(id, name, type, def, attrs) , static_cast<var::name*>(nullptr)
