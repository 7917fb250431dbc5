#pragma once
// Helpers of the stored-form tests: records by module name, records from and compared with the JSON
// notation of the reference vectors (enumerations as numbers, nullables as null or the value, non-finite
// doubles as "NaN", "Infinity", "-Infinity").

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/program_records.h"
#include "serialization/compact_binary.h"

namespace trv::stored_form_test {

using control_param::AllRecords;
namespace reflection = control_param::reflection;

// Calls `f(RecordTag<Record>{})` for the record of module `module` ("ORIN", ..., "BRAX"); false if none.
template <typename F>
bool visitModule(std::string const& module, F&& f) {
  bool found = false;
  std::apply(
      [&](auto... record) {
        (
            [&](auto tag) {
              using Record = decltype(tag);
              if (!found && control_param::moduleName<Record>() == module) {
                found = true;
                f(control_param::RecordTag<Record>{});
              }
            }(record),
            ...);
      },
      AllRecords{});
  return found;
}

inline double doubleOf(rapidjson::Value const& value) {
  if (value.IsString()) {
    std::string const text = value.GetString();
    if (text == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (text == "Infinity") return std::numeric_limits<double>::infinity();
    if (text == "-Infinity") return -std::numeric_limits<double>::infinity();
    ADD_FAILURE() << "unexpected double text " << text;
    return 0;
  }
  return value.GetDouble();
}

template <typename T>
void assign(T& field, rapidjson::Value const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    using Element = typename T::value_type;
    if (value.IsNull())
      field.reset();
    else if constexpr (std::is_same_v<Element, double>)
      field = doubleOf(value);
    else
      field = static_cast<Element>(value.GetInt());
  } else if constexpr (std::is_same_v<T, bool>) {
    field = value.GetBool();
  } else {
    field = static_cast<T>(value.GetInt());
  }
}

// Same double: equal bits up to the NaN payload (every NaN is the same here).
inline bool sameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b && std::signbit(a) == std::signbit(b);
}

template <typename T>
bool matches(T const& field, rapidjson::Value const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    if (value.IsNull()) return !field.has_value();
    if (!field.has_value()) return false;
    if constexpr (std::is_same_v<typename T::value_type, double>)
      return sameDouble(*field, doubleOf(value));
    else
      return value.IsInt() && *field == value.GetInt();
  } else if constexpr (std::is_same_v<T, bool>) {
    return value.IsBool() && field == value.GetBool();
  } else {
    return value.IsInt() && static_cast<std::int32_t>(field) == value.GetInt();
  }
}

template <typename T>
std::string describe(T const& field) {
  if constexpr (reflection::is_nullable_v<T>) {
    return field ? std::to_string(*field) : "null";
  } else if constexpr (std::is_same_v<T, bool>) {
    return field ? "true" : "false";
  } else {
    return std::to_string(static_cast<std::int32_t>(field));
  }
}

// A default record with the assignments of `fields` (an object of field names).
template <typename Record>
Record recordWith(rapidjson::Value const& fields) {
  Record record{};
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    auto it = fields.FindMember(Field::metadata.name.c_str());
    if (it != fields.MemberEnd()) assign(Field::member(record), it->value);
  });
  return record;
}

// Every field of `record` as `expected` lists it; `alsoAccept` (an object, may be null) names other values
// that are accepted for a field.
template <typename Record>
void expectRecord(Record const& record, rapidjson::Value const& expected,
                  rapidjson::Value const* alsoAccept) {
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    char const* name = Field::metadata.name.c_str();
    auto it = expected.FindMember(name);
    ASSERT_NE(it, expected.MemberEnd()) << "expected record lacks " << name;
    auto const& value = Field::member(record);
    bool ok = matches(value, it->value);
    if (!ok && alsoAccept && alsoAccept->IsObject()) {
      auto other = alsoAccept->FindMember(name);
      ok = other != alsoAccept->MemberEnd() && matches(value, other->value);
    }
    EXPECT_TRUE(ok) << "field " << name << " is " << describe(value);
  });
}

// Bit-exact comparison of two records through their Compact Binary bytes (NaN payloads included).
template <typename Record>
bool sameBytes(Record const& a, Record const& b) {
  return serialization::toCompactBinary(a) == serialization::toCompactBinary(b);
}

}  // namespace trv::stored_form_test

namespace trv::stored_form_test {

// A record with every field away from its default (enumerations one above it, switches flipped, int32 5,
// nullable doubles 2.5, nullable int32 -7).
template <typename Record>
Record changedRecord() {
  Record record{};
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    using T = typename Field::value_type;
    auto& value = Field::member(record);
    if constexpr (reflection::is_nullable_v<T>) {
      if constexpr (std::is_same_v<typename T::value_type, double>)
        value = 2.5;
      else
        value = -7;
    } else if constexpr (std::is_same_v<T, bool>) {
      value = !Field::default_value;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
      value = 5;
    } else {
      value = static_cast<T>(static_cast<std::int32_t>(Field::default_value) + 1);
    }
  });
  return record;
}

// One Simple JSON line with every field of `record` (finite doubles only): enumerations as numbers,
// nullables as [] or [value].
template <typename Record>
std::string jsonOf(Record const& record) {
  std::string line = "{";
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    using T = typename Field::value_type;
    auto const& value = Field::member(record);
    if (line.size() > 1) line += ",";
    line += "\"" + Field::metadata.name + "\":";
    if constexpr (reflection::is_nullable_v<T>) {
      if (!value) {
        line += "[]";
      } else {
        char number[40];
        std::snprintf(number, sizeof number,
                      std::is_same_v<typename T::value_type, double> ? "%.17g" : "%.0f",
                      static_cast<double>(*value));
        line += std::string("[") + number + "]";
      }
    } else if constexpr (std::is_same_v<T, bool>) {
      line += value ? "true" : "false";
    } else {
      line += std::to_string(static_cast<std::int32_t>(value));
    }
  });
  return line + "}";
}

}  // namespace trv::stored_form_test
