// Every reference case of the stored form: encodings byte for byte, Base64 and Simple JSON lines read to the
// expected record or refused with the expected error.

#include <QByteArray>
#include <QString>
#include <QTextCodec>
#include <QTextDecoder>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/simple_json.h"
#include "tests/unit/stored_form_test_support.h"

namespace {

using namespace trv::stored_form_test;
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
