#include "tools/ctrlparam/record_text.h"

#include <charconv>
#include <cmath>

#include <QByteArray>

#include "lib/properties/control_param/src/program_records.h"
#include "serialization/compact_binary.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;

template <typename Record>
Record readRecord(Data& data) {
  QByteArray const bytes = QByteArray::fromBase64(data.getXMLData().trimmed().toLatin1());
  Record record{};
  trv::serialization::fromCompactBinary(std::string_view(bytes.constData(), bytes.size()), record);
  return record;
}

// The shortest text that reads back as the same double.
std::string realText(double value) {
  char buffer[32];
  auto const result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

template <typename T>
std::string valueText(T const& value) {
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

// The Simple JSON text of a value. Field and enumerator names are plain identifiers, so nothing needs
// escaping.
template <typename T>
std::string jsonText(T const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    return value ? '[' + jsonText(*value) + ']' : "[]";
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    std::string const* name = reflection::enumerator_name(value);
    return name ? '"' + *name + '"' : std::to_string(static_cast<std::int32_t>(value));
  } else if constexpr (std::is_same_v<T, double>) {
    if (!std::isfinite(value)) throw Failure("a value that is not finite has no Simple JSON form");
    return realText(value);
  } else {
    return valueText(value);
  }
}

template <typename F>
void withRecordType(ProgrammTypes type, F&& f) {
  if (!visitRecordType(type, f)) throw Failure("program type out of range");
}

}  // namespace

std::string recordLines(Data& data, ProgrammTypes type, bool changedOnly) {
  std::string lines;
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      auto const& value = Field::member(record);
      bool const isOption = reflection::is_option(Field::metadata);
      if (!changedOnly || (isOption && !(value == Field::default_value)))
        lines += Field::metadata.name + '\t' + valueText(value) + '\n';
    });
  });
  return lines;
}

std::string recordDiff(Data& a, Data& b, ProgrammTypes type) {
  std::string lines;
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const first = readRecord<Record>(a), second = readRecord<Record>(b);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      std::string const one = valueText(Field::member(first)), other = valueText(Field::member(second));
      if (one != other) lines += Field::metadata.name + '\t' + one + '\t' + other + '\n';
    });
  });
  return lines;
}

std::string recordJson(Data& data, ProgrammTypes type) {
  std::string json;
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      json += (json.empty() ? "{\"" : ",\"") + Field::metadata.name + "\":" + jsonText(Field::member(record));
    });
  });
  return json + '}';
}

}  // namespace ctrlparam
