#pragma once
// The stored text of an option record (the project file's form): Base64 of the Compact Binary record, one
// line and a line feed; on reading also Simple JSON lines.

#include <QString>

namespace trv::control_param::data {

template <typename Record>
QString encodeRecord(Record const& record);

template <typename Record>
Record decodeRecord(QString const& xml);

}  // namespace trv::control_param::data
