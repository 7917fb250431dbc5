#pragma once
// The stored text of an option record (the project file's form): Base64 of the Compact Binary record, one
// line and a line feed; on reading also Simple JSON lines.

#include <string_view>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>

#include "lib/properties/control_param/vocabulary/export.h"
#include "serialization/compact_binary.h"
#include "serialization/simple_json.h"
#include "serialization/stored_text.h"

namespace trv::control_param::data {

namespace stored_form_detail {

// Reports an empty stored text to the host's assertion reporter. Exported, so that the stored-form functions
// can be used outside the library (the command-line tool reads and writes records through them).
TRV_CONTROL_PARAM_EXPORT void reportEmptyText();

// Stored texts of Base64 lines: each line's bytes are one Compact Binary record.
struct Base64Lines {
  template <typename F>
  static void forEach(QString const& xml, F&& f) {
    serialization::forEachBase64Line(xml, std::forward<F>(f));
  }
  template <typename Record>
  static void read(std::string_view bytes, Record& record) {
    serialization::fromCompactBinary(bytes, record);
  }
};

// Stored texts of JSON lines: each line one Simple JSON object.
struct JsonLines {
  template <typename F>
  static void forEach(QString const& xml, F&& f) {
    serialization::forEachLine(xml, std::forward<F>(f));
  }
  template <typename Record, typename... Observer>
  static void read(QStringView line, Record& record, Observer&... observer) {
    QByteArray const utf8 = line.toUtf8();
    serialization::fromSimpleJson(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                  record, observer...);
  }
};

template <typename Record, typename Lines>
std::vector<Record> readLines(QString const& xml) {
  std::vector<Record> records;
  Lines::forEach(xml, [&](auto line) {
    Record record{};
    Lines::read(line, record);
    records.push_back(std::move(record));
  });
  return records;
}

// The record of the first line (the default record without lines); the later lines are read and dropped.
template <typename Record, typename Lines>
Record readFirstOfLines(QString const& xml) {
  Record first{};
  bool seen = false;
  Lines::forEach(xml, [&](auto line) {
    if (!seen) {
      Lines::read(line, first);
      seen = true;
    } else {
      Record dropped{};
      Lines::read(line, dropped);
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
    return stored_form_detail::readFirstOfLines<Record, stored_form_detail::JsonLines>(xml);
  return stored_form_detail::readFirstOfLines<Record, stored_form_detail::Base64Lines>(xml);
}

// The same reading, telling `observer` what it does (serialization/read_observer.h): the first line's Base64
// (offsets are its columns) and its fields or members (offsets are of its bytes, or of its UTF-8 text), and
// how many lines follow it; the later lines are read as without an observer.
template <typename Record>
Record decodeRecord(QString const& xml, serialization::ReadObserver& observer) {
  if (xml.isEmpty()) stored_form_detail::reportEmptyText();
  int start = 0;
  while (start < xml.size() && xml[start] == QLatin1Char('\n')) ++start;
  int end = xml.indexOf(QLatin1Char('\n'), start);
  if (end < 0) end = xml.size();
  QStringView const line(xml.constData() + start, end - start);
  QString const rest = xml.mid(end);
  Record record{};
  std::size_t further = 0;
  if (xml.startsWith(QLatin1Char('{'))) {
    stored_form_detail::JsonLines::read(line, record, observer);
    further = stored_form_detail::readLines<Record, stored_form_detail::JsonLines>(rest).size();
  } else if (!line.isEmpty()) {
    serialization::Base64Line const bytes(line, observer);
    serialization::fromCompactBinary(bytes.bytes(), record, observer);
    further = stored_form_detail::readLines<Record, stored_form_detail::Base64Lines>(rest).size();
  }
  if (further != 0) observer.furtherLines(further);
  return record;
}

// The records of the non-empty lines, each Base64 of Compact Binary bytes.
template <typename Record>
std::vector<Record> decodeBase64Lines(QString const& xml) {
  return stored_form_detail::readLines<Record, stored_form_detail::Base64Lines>(xml);
}

// The records of the non-empty lines, each one Simple JSON object.
template <typename Record>
std::vector<Record> decodeJsonLines(QString const& xml) {
  return stored_form_detail::readLines<Record, stored_form_detail::JsonLines>(xml);
}

}  // namespace trv::control_param::data
