#pragma once
// The stored text of an option record (the project file's form): Base64 of the Compact Binary record, one
// line and a line feed; on reading also Simple JSON lines.

#include <string_view>
#include <vector>

#include <QByteArray>
#include <QString>

#include "serialization/compact_binary.h"
#include "serialization/simple_json.h"
#include "serialization/stored_text.h"

namespace trv::control_param::data {

namespace stored_form_detail {

// Reports an empty stored text to the host's assertion reporter.
void reportEmptyText();

template <typename Record>
void readBase64Line(QStringView line, Record& record) {
  serialization::Base64Line const decoded(line);
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
  serialization::forEachLine(xml, [&](QStringView line) {
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
  serialization::forEachLine(xml, [&](QStringView line) {
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

}  // namespace stored_form_detail

// The Base64 line of the record's Compact Binary bytes, followed by "\n".
template <typename Record>
QString encodeRecord(Record const& record) {
  return serialization::base64Line(serialization::compact_binary::encode(record).view());
}

// The first record of the stored text (JSON lines when it starts with "{", Base64 lines otherwise), or the
// default record when it holds none. Every line must decode; an empty text is reported to the assertion
// reporter. Throws StreamException or CoreException on a line that does not decode.
template <typename Record>
Record decodeRecord(QString const& xml) {
  if (xml.isEmpty()) stored_form_detail::reportEmptyText();
  if (xml.startsWith(QLatin1Char('{')))
    return stored_form_detail::readFirstOfLines<Record>(xml, stored_form_detail::readJsonLine<Record>);
  return stored_form_detail::readFirstOfLines<Record>(xml, stored_form_detail::readBase64Line<Record>);
}

// The records of the non-empty lines, each Base64 of Compact Binary bytes.
template <typename Record>
std::vector<Record> decodeBase64Lines(QString const& xml) {
  return stored_form_detail::readLines<Record>(xml, stored_form_detail::readBase64Line<Record>);
}

// The records of the non-empty lines, each one Simple JSON object.
template <typename Record>
std::vector<Record> decodeJsonLines(QString const& xml) {
  return stored_form_detail::readLines<Record>(xml, stored_form_detail::readJsonLine<Record>);
}

}  // namespace trv::control_param::data
