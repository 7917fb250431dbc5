#pragma once
// The option record of a task as the tool handles it: read back through the stored form, its values as text
// and as JSON, and its field names.

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>

#include <QString>

#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/json_writer.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {

using trv::serialization::JsonWriter;
using trv::serialization::realText;

// The task's record, read back from its stored text.
template <typename Record>
Record readRecord(trv::control_param::Data& data) {
  return trv::control_param::data::decodeRecord<Record>(data.getXMLData());
}

// A value as `show` prints it: choices as "Name (number)" (the number alone when it is no enumerator),
// switches true/false, an empty optional as "-".
template <typename T>
std::string valueText(T const& value) {
  namespace reflection = trv::control_param::reflection;
  if constexpr (reflection::is_nullable_v<T>) {
    return value ? valueText(*value) : "-";
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    std::string const number = std::to_string(static_cast<std::int32_t>(value));
    std::string const* name = reflection::enumerator_name(value);
    return name ? *name + " (" + number + ")" : number;
  } else if constexpr (std::is_same_v<T, bool>) {
    return value ? "true" : "false";
  } else if constexpr (std::is_same_v<T, double>) {
    return realText(value);
  } else {
    return std::to_string(value);
  }
}

// A value as the JSON documents of --json give it: a choice by its enumerator name (its number when it is
// none), null for an empty optional, a real that is not finite as its text.
template <typename T>
void writeValue(JsonWriter& out, T const& value) {
  namespace reflection = trv::control_param::reflection;
  if constexpr (reflection::is_nullable_v<T>) {
    if (value)
      writeValue(out, *value);
    else
      out.Null();
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    if (std::string const* name = reflection::enumerator_name(value))
      out.String(name->c_str());
    else
      out.Int(static_cast<std::int32_t>(value));
  } else if constexpr (std::is_same_v<T, bool>) {
    out.Bool(value);
  } else if constexpr (std::is_same_v<T, double>) {
    if (std::isfinite(value))
      out.Double(value);
    else
      out.String(realText(value).c_str());
  } else {
    out.Int(value);
  }
}

inline void writeString(JsonWriter& out, QString const& text) {
  QByteArray const utf8 = text.toUtf8();
  out.String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Whether `name` is a field of the record of `type`.
inline bool isField(trv::control_param::ProgrammTypes type, std::string const& name) {
  bool found = false;
  trv::control_param::visitRecordType(type, [&](auto tag) {
    found = trv::control_param::reflection::visit_field<typename decltype(tag)::type>(name, [](auto) {});
  });
  return found;
}

// Refuses a name that is no field of the record of `type` as wrong usage.
inline void requireField(trv::control_param::ProgrammTypes type, QString const& name) {
  if (isField(type, name.toStdString())) return;
  std::string module;
  trv::control_param::visitRecordType(
      type, [&](auto tag) { module = trv::control_param::moduleName<typename decltype(tag)::type>(); });
  throw UsageError("'" + name.toStdString() + "' is no field of the " + module + " record");
}

}  // namespace ctrlparam
