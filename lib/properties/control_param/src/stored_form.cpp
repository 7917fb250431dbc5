#include "lib/properties/control_param/src/stored_form.h"

#include <tuple>

#include <QByteArray>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/vocabulary/host_reports.h"
#include "serialization/compact_binary.h"
#include "serialization/detail/stored_text.h"
#include "serialization/simple_json.h"

namespace trv::control_param::data {
namespace {

using serialization::detail::Base64Line;
using serialization::detail::base64Line;
using serialization::detail::forEachLine;

void reportEmptyText() {
  reportToHost("!xml_string.isEmpty()", report_position::kEmptyStoredText);
}

template <typename Record>
void readBase64Line(QStringView line, Record& record) {
  Base64Line const decoded(line);
  serialization::fromCompactBinary(decoded.bytes(), record);
}

template <typename Record>
void readJsonLine(QStringView line, Record& record) {
  QByteArray const utf8 = line.toUtf8();
  serialization::fromSimpleJson(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                record);
}

template <typename Record, typename ReadLine>
std::vector<Record> readLines(QString const& xml, ReadLine readLine) {
  std::vector<Record> records;
  forEachLine(xml, [&](QStringView line) {
    Record record{};
    readLine(line, record);
    records.push_back(std::move(record));
  });
  return records;
}

// The record of the first line (the default record without lines); the later lines are read and dropped.
template <typename Record, typename ReadLine>
Record readFirstOfLines(QString const& xml, ReadLine readLine) {
  Record first{};
  bool seen = false;
  forEachLine(xml, [&](QStringView line) {
    if (!seen) {
      readLine(line, first);
      seen = true;
    } else {
      Record dropped{};
      readLine(line, dropped);
    }
  });
  return first;
}

}  // namespace

template <typename Record>
QString encodeRecord(Record const& record) {
  return base64Line(serialization::compact_binary::encode(record).view());
}

template <typename Record>
std::vector<Record> decodeBase64Lines(QString const& xml) {
  return readLines<Record>(xml, readBase64Line<Record>);
}

template <typename Record>
std::vector<Record> decodeJsonLines(QString const& xml) {
  return readLines<Record>(xml, readJsonLine<Record>);
}

template <typename Record>
Record decodeRecord(QString const& xml) {
  if (xml.isEmpty()) reportEmptyText();
  if (xml.startsWith(QLatin1Char('{'))) return readFirstOfLines<Record>(xml, readJsonLine<Record>);
  return readFirstOfLines<Record>(xml, readBase64Line<Record>);
}

// The stored-form functions of every record of the module table, made in this file for the whole library.
template <typename... Rows>
constexpr auto storedFormFunctions(std::tuple<Rows...> const* /*modules*/) {
  return std::make_tuple(std::make_tuple(
      &encodeRecord<typename Rows::RecordType>, &decodeRecord<typename Rows::RecordType>,
      &decodeBase64Lines<typename Rows::RecordType>, &decodeJsonLines<typename Rows::RecordType>)...);
}
namespace {
[[gnu::used]] constexpr auto kStoredFormFunctions = storedFormFunctions(static_cast<Modules const*>(nullptr));
}  // namespace

}  // namespace trv::control_param::data
