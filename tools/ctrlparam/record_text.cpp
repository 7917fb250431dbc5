#include "tools/ctrlparam/record_text.h"

#include <charconv>
#include <cmath>

#include <QByteArray>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

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

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

template <typename T>
void writeJson(JsonWriter& writer, T const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    writer.StartArray();
    if (value) writeJson(writer, *value);
    writer.EndArray();
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    if (std::string const* name = reflection::enumerator_name(value))
      writer.String(name->c_str(), static_cast<rapidjson::SizeType>(name->size()));
    else
      writer.Int(value);
  } else if constexpr (std::is_same_v<T, bool>) {
    writer.Bool(value);
  } else if constexpr (std::is_same_v<T, double>) {
    if (!std::isfinite(value)) throw Failure("a value that is not finite has no Simple JSON form");
    writer.Double(value);
  } else {
    writer.Int(value);
  }
}

template <typename F>
void withRecordType(ProgrammTypes type, F&& f) {
  if (!visitRecordType(type, f)) throw Failure("program type out of range");
}

}  // namespace

std::string recordLines(Data& data, ProgrammTypes type) {
  std::string lines;
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      lines += Field::metadata.name + '\t' + valueText(Field::member(record)) + '\n';
    });
  });
  return lines;
}

std::string recordJson(Data& data, ProgrammTypes type) {
  rapidjson::StringBuffer buffer;
  JsonWriter writer(buffer);
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    writer.StartObject();
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      writer.Key(Field::metadata.name.c_str());
      writeJson(writer, Field::member(record));
    });
    writer.EndObject();
  });
  return buffer.GetString();
}

}  // namespace ctrlparam
