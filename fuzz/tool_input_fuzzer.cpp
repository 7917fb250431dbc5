// The ctrlparam tool's reading of an input on arbitrary bytes: the input cut into texts, each read with every
// module's record while an observer listens. Checked against an oracle of its own, the decoded record: the
// record read with the observer is the one read without (or both readings fail); every field holds the value
// that the observations say it took (a value taken from a field's bytes or member text, read here again with
// the walk without a schema or with strtod, std::stoll and Qt's JSON parser; a value passed over or used up
// leaves the field as it was); a text the observer finds no character to skip in is Base64 by Qt's strict
// decoding; a text is read in the form (Base64 or JSON) it was cut as; and the tool's verdict "fits" holds
// only for a text every field of which was taken.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/errors.h"
#include "serialization/read_observer.h"
#include "serialization/wire.h"
#include "tools/ctrlparam/input_texts.h"
#include "tools/ctrlparam/text_reading.h"

namespace {

using namespace trv::control_param;
using fuzz::require;
using trv::serialization::Observation;
using trv::serialization::Verdict;
namespace wire = trv::serialization::compact_binary;

// What the readers told, with the values copied.
struct Heard final : trv::serialization::ReadObserver {
  struct Field {
    Verdict verdict;
    std::string field;
    std::uint8_t wireType;
    std::string raw;
  };
  std::vector<Field> fields;
  bool skipped = false;
  bool json = false;  // a member named, or a JSON fault: the text was read as JSON

  void field(Observation const& seen) override {
    fields.push_back({seen.verdict, std::string(seen.field), seen.wireType, std::string(seen.raw)});
    json = json || !seen.member.empty();
  }
  void base64(trv::serialization::Base64Skip, std::size_t, char16_t) override { skipped = true; }
  void jsonFault(std::size_t) override { json = true; }
  void secondObject(std::size_t) override { json = true; }
};

// The first scalar a Compact Binary value holds, as the walk without a schema tells it.
struct FirstScalar final : wire::ValueWalker {
  std::optional<std::string> text;
  std::uint8_t type = 0;
  void field(std::size_t, wire::FieldHeader) override {}
  void scalar(std::size_t, std::uint8_t t, std::string const& value) override {
    if (!text) text = value, type = t;
  }
  void container(std::size_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint64_t) override {}
  void end() override {}
};

// A scalar text as a value of type T.
template <typename T>
T scalarAs(std::string const& text, std::uint8_t type) {
  if constexpr (std::is_same_v<T, bool>)
    return text == "true";
  else if constexpr (std::is_same_v<T, double>)
    return type == wire::BT_FLOAT ? std::strtof(text.c_str(), nullptr) : std::strtod(text.c_str(), nullptr);
  else
    return static_cast<T>(std::stoll(text));
}

// The value a field of type T took from a Compact Binary value.
template <typename T>
T binaryValue(Heard::Field const& heard) {
  FirstScalar first;
  wire::InputBuffer input(heard.raw);
  wire::walkValue(input, heard.wireType, 1, first);
  if constexpr (reflection::is_nullable_v<T>) {
    if (!first.text) return T{};
    return scalarAs<typename T::value_type>(*first.text, first.type);
  } else {
    return scalarAs<T>(*first.text, first.type);
  }
}

// The value a field of type T took from a JSON member's text, read again by Qt's JSON parser (and the C
// library's number conversions, correctly rounded).
template <typename T>
T jsonValue(std::string const& raw, T const& before) {
  // Qt's parser refuses a number below the smallest real (2e-400) that the readers take as zero, so it only
  // reads the names and booleans; numbers are read by strtod and std::stoll.
  QJsonValue const value = QJsonDocument::fromJson(QByteArray::fromStdString("[" + raw + "]")).array().at(0);
  if constexpr (reflection::is_nullable_v<T>) {
    if (raw == "null" || raw.find_first_not_of(" \t\r\n", 1) + 1 == raw.size()) return T{};  // null or []
    std::string element = raw.substr(1, raw.size() - 2);
    element = element.substr(0, element.find(','));
    return jsonValue<typename T::value_type>(element, typename T::value_type{});
  } else if constexpr (std::is_same_v<T, bool>) {
    return value.toBool();
  } else if constexpr (std::is_same_v<T, double>) {
    return std::strtod(raw.c_str(), nullptr);
  } else if constexpr (reflection::is_schema_enum_v<T>) {
    T named = before;
    if (value.isString())
      return reflection::enumerator_value(value.toString().toStdString(), named) ? named : before;
    return static_cast<T>(std::stoll(raw));
  } else {
    return static_cast<T>(std::stoll(raw));
  }
}

template <typename T>
bool same(T const& a, T const& b) {
  if constexpr (std::is_same_v<T, double>)
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
  else if constexpr (reflection::is_nullable_v<T>)
    return a.has_value() == b.has_value() && (!a || same(*a, *b));
  else
    return a == b;
}

// Equal field by field as `same` compares them (a record's == says a NaN differs from itself).
template <typename Record>
bool sameRecord(Record const& a, Record const& b) {
  bool all = true;
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    all = all && same(Field::member(a), Field::member(b));
  });
  return all;
}

template <typename Record>
void checkRecord(ctrlparam::InputText const& text, ctrlparam::ModuleReading const& verdict) {
  std::optional<Record> plain, observed;
  Heard heard;
  try {
    plain = data::decodeRecord<Record>(text.text);
  } catch (trv::serialization::StreamException const&) {
  } catch (trv::serialization::CoreException const&) {
  }
  try {
    observed = data::decodeRecord<Record>(text.text, heard);
  } catch (trv::serialization::StreamException const&) {
  } catch (trv::serialization::CoreException const&) {
  }
  require(plain.has_value() == observed.has_value(), "a reading with an observer fails differently");
  require(text.json || !heard.json, "a text cut as Base64 is read as JSON");
  require(!text.json || !heard.skipped, "a text cut as JSON is read as Base64");
  if (!text.json && !heard.skipped) {
    QByteArray::FromBase64Result const strict =
        QByteArray::fromBase64Encoding(text.text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    require(strict.decodingStatus == QByteArray::Base64DecodingStatus::Ok ||
                text.text.contains(QLatin1Char('=')) || text.text.size() % 4 != 0,
            "no character skipped in a text that is no Base64");
  }
  if (!plain) {
    require(!verdict.fits(), "a text that does not read fits");
    return;
  }
  require(sameRecord(*plain, *observed),
          "the record read with an observer differs from the one read without");
  bool allTaken = true;
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    using T = typename Field::value_type;
    T expected = Field::default_value;
    for (Heard::Field const& one : heard.fields) {
      allTaken = allTaken && one.verdict == Verdict::Taken;
      if (one.field != Field::metadata.name || one.verdict == Verdict::PassedOver) continue;
      expected = text.json ? jsonValue<T>(one.raw, expected) : binaryValue<T>(one);
    }
    require(same(Field::member(*plain), expected), "a field does not hold what the observations say it took");
  });
  require(!verdict.fits() || allTaken, "a text fits whose fields were not all taken");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view const input(reinterpret_cast<char const*>(data), size);
  std::vector<ctrlparam::InputText> const texts = ctrlparam::cutInput(input);
  ctrlparam::InputReadings readings(texts);
  // The whole input is cut; its first texts are read (an input of many texts says no more, and reads slowly).
  for (std::size_t i = 0; i < texts.size() && i < 8; ++i) {
    ctrlparam::InputText const& text = texts[i];
    require(text.range.begin < text.range.end && text.range.end <= size, "a text stands outside the input");
    require(text.line >= 1 && text.line <= text.lastLine, "a text's lines are out of order");
    ctrlparam::TextReading const& reading = readings.of(i);
    std::size_t index = 0;
    forEachModule(
        [&](auto row) { checkRecord<typename decltype(row)::RecordType>(text, reading.modules[index++]); });
    readings.wrappedAround(i);
  }
  return 0;
}
