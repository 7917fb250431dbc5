#include "lib/properties/control_param/src/stored_form.h"

#include <QByteArray>
#include <QStringList>

#include "host/trv_assert/SmartAssert.h"
#include "lib/properties/control_param/schema/records.h"
#include "serialization/compact_binary.h"
#include "serialization/simple_json.h"

namespace trv::control_param::data {
namespace {

QStringList nonEmptyLines(QString const& xml) {
  return xml.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void reportEmptyText() {
  smartassert::SmartAssert("!xml_string.isEmpty()")
      .setFileContext("lib/properties/control_param/src/internal_data", 42)
      .debug("");
}

}  // namespace

template <typename Record>
QString encodeRecord(Record const& record) {
  auto const encoded = serialization::compact_binary::encode(record);
  QByteArray const bytes = QByteArray::fromRawData(encoded.bytes.data(), static_cast<int>(encoded.size));
  QString text = QString::fromLatin1(bytes.toBase64());
  text += QLatin1Char('\n');
  return text;
}

template <typename Record>
std::vector<Record> decodeBase64Lines(QString const& xml) {
  std::vector<Record> records;
  for (QString const& line : nonEmptyLines(xml)) {
    QByteArray const bytes = QByteArray::fromBase64(line.toLatin1());
    Record record{};
    serialization::fromCompactBinary(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), record);
    records.push_back(std::move(record));
  }
  return records;
}

template <typename Record>
std::vector<Record> decodeJsonLines(QString const& xml) {
  std::vector<Record> records;
  for (QString const& line : nonEmptyLines(xml)) {
    QByteArray const utf8 = line.toUtf8();
    Record record{};
    serialization::fromSimpleJson(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                  record);
    records.push_back(std::move(record));
  }
  return records;
}

template <typename Record>
Record decodeRecord(QString const& xml) {
  if (xml.isEmpty()) reportEmptyText();
  std::vector<Record> const records =
      xml.startsWith(QLatin1Char('{')) ? decodeJsonLines<Record>(xml) : decodeBase64Lines<Record>(xml);
  return records.empty() ? Record{} : records.front();
}

#define TRV_STORED_FORM_INSTANTIATE_(Record)                              \
  template QString encodeRecord<Record>(Record const&);                   \
  template Record decodeRecord<Record>(QString const&);                   \
  template std::vector<Record> decodeBase64Lines<Record>(QString const&); \
  template std::vector<Record> decodeJsonLines<Record>(QString const&);
TRV_STORED_FORM_INSTANTIATE_(ORIN_Control_Properties)
TRV_STORED_FORM_INSTANTIATE_(PELU_Control_Properties)
TRV_STORED_FORM_INSTANTIATE_(NEVO_Control_Properties)
TRV_STORED_FORM_INSTANTIATE_(Zuther_Control_Properties)
TRV_STORED_FORM_INSTANTIATE_(BRAX_Control_Properties)
#undef TRV_STORED_FORM_INSTANTIATE_

}  // namespace trv::control_param::data
