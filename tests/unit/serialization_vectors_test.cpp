// Every reference case of the stored form (tests/data/wire): encodings byte for byte, Base64 and Simple JSON
// lines read to the expected record or refused with the expected error.

#include <QByteArray>
#include <QString>
#include <QTextCodec>
#include <QTextDecoder>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/simple_json.h"

namespace {

namespace reflection = trv::control_param::reflection;

// Calls `f(RecordTag<Record>{})` for the record of module `module` ("ORIN", ..., "BRAX"); false if none.
template <typename F>
bool visitModule(std::string const& module, F&& f) {
  bool found = false;
  trv::control_param::forEachModule([&](auto row) {
    using Record = typename decltype(row)::RecordType;
    if (!found && trv::control_param::moduleName<Record>() == module) {
      found = true;
      f(trv::control_param::RecordTag<Record>{});
    }
  });
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
    EXPECT_TRUE(ok) << "field " << name;
  });
}

using trv::serialization::CoreException;
using trv::serialization::StreamException;

rapidjson::Document const& vectors() {
  static rapidjson::Document const document = [] {
    std::ifstream file(TRV_WIRE_DIR "/vectors.json");
    std::string const text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    rapidjson::Document parsed;
    parsed.Parse(text.c_str(), text.size());
    return parsed;
  }();
  return document;
}

// The text of UTF-8 `bytes`, a leading byte-order mark kept as a character.
QString textOf(char const* bytes, int size) {
  std::unique_ptr<QTextDecoder> decoder(
      QTextCodec::codecForName("UTF-8")->makeDecoder(QTextCodec::IgnoreHeader));
  return decoder->toUnicode(bytes, size);
}

// Runs `read(record)` and checks its outcome against the case's `expect` (a record or an error).
template <typename Record>
void expectOutcome(rapidjson::Value const& expect, std::function<void(Record&)> const& read) {
  Record record{};
  std::string errorType;
  std::string message;
  try {
    read(record);
  } catch (StreamException const& error) {
    errorType = "StreamException";
    message = error.what();
  } catch (CoreException const& error) {
    errorType = "CoreException";
    message = error.what();
  }
  if (expect.HasMember("error")) {
    auto const& error = expect["error"];
    ASSERT_FALSE(errorType.empty()) << "read succeeded, an error was expected";
    bool typeListed = false;
    for (auto const& type : error["types"].GetArray())
      typeListed = typeListed || errorType == type.GetString();
    EXPECT_TRUE(typeListed) << errorType << ": " << message;
    std::string const prefix = error["message_prefix"].GetString();
    EXPECT_EQ(message.substr(0, prefix.size()), prefix) << message;
    if (errorType == "StreamException") {
      EXPECT_EQ(message.rfind("Read out of bounds: ", 0), 0u) << message;
    }
  } else {
    ASSERT_TRUE(errorType.empty()) << errorType << ": " << message;
    expectRecord(record, expect["record"],
                 expect.HasMember("also_accept") ? &expect["also_accept"] : nullptr);
  }
}

template <typename Record>
void runEncode(rapidjson::Value const& vector) {
  Record const record = recordWith<Record>(vector["fields"]);
  QString const expected = QString::fromLatin1(vector["expect"]["base64"].GetString());
  EXPECT_EQ(trv::control_param::data::encodeRecord(record), expected + "\n");
  EXPECT_EQ(
      QString::fromLatin1(QByteArray::fromStdString(trv::serialization::toCompactBinary(record)).toBase64()),
      expected);
}

template <typename Record>
void runBase64(rapidjson::Value const& vector) {
  QString const input = textOf(vector["input"].GetString(), vector["input"].GetStringLength());
  auto const& expect = vector["expect"];
  expectOutcome<Record>(expect, [&](Record& record) {
    QByteArray const bytes = QByteArray::fromBase64(input.toLatin1());
    trv::serialization::fromCompactBinary(std::string_view(bytes.constData(), bytes.size()), record);
  });
  if (input.isEmpty() || input.contains('\n')) return;
  // The same line as a stored text.
  expectOutcome<Record>(expect, [&](Record& record) {
    auto const records = trv::control_param::data::decodeBase64Lines<Record>(input);
    ASSERT_EQ(records.size(), 1u);
    record = records.front();
  });
}

template <typename Record>
void runJson(rapidjson::Value const& vector) {
  std::string const input(vector["input"].GetString(), vector["input"].GetStringLength());
  auto const& expect = vector["expect"];
  expectOutcome<Record>(expect, [&](Record& record) { trv::serialization::fromSimpleJson(input, record); });
  if (input.empty() || input.find('\n') != std::string::npos) return;
  expectOutcome<Record>(expect, [&](Record& record) {
    auto const records =
        trv::control_param::data::decodeJsonLines<Record>(textOf(input.data(), int(input.size())));
    ASSERT_EQ(records.size(), 1u);
    record = records.front();
  });
}

TEST(SerializationVectors, EveryCaseGivesItsExpectation) {
  auto const& all = vectors();
  ASSERT_TRUE(all.IsArray());
  std::map<std::string, int> kinds;
  for (auto const& vector : all.GetArray()) {
    std::string const kind = vector["kind"].GetString();
    SCOPED_TRACE(std::string(vector["id"].GetString()) + " " + kind + " " + vector["module"].GetString() +
                 ": " + vector["description"].GetString());
    bool const known = visitModule(vector["module"].GetString(), [&](auto tag) {
      using Record = typename decltype(tag)::type;
      if (kind == "encode")
        runEncode<Record>(vector);
      else if (kind == "base64")
        runBase64<Record>(vector);
      else if (kind == "json")
        runJson<Record>(vector);
      else
        ADD_FAILURE() << "unknown kind";
    });
    EXPECT_TRUE(known);
    ++kinds[kind];
  }
  EXPECT_EQ(kinds["encode"], 80);
  EXPECT_EQ(kinds["base64"], 84);
  EXPECT_EQ(kinds["json"], 98);
}

}  // namespace
