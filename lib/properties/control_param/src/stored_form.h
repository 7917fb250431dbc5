#pragma once
// The stored text of an option record (the project file's form): Base64 of the Compact Binary record, one
// line and a line feed; on reading also Simple JSON lines.

#include <vector>

#include <QString>

namespace trv::control_param::data {

// The Base64 line of the record's Compact Binary bytes, followed by "\n".
template <typename Record>
QString encodeRecord(Record const& record);

// The first record of the stored text (JSON lines when it starts with "{", Base64 lines otherwise), or the
// default record when it holds none. Every line must decode; an empty text is reported to the assertion
// reporter. Throws StreamException or CoreException on a line that does not decode.
template <typename Record>
Record decodeRecord(QString const& xml);

// The records of the non-empty lines, each Base64 of Compact Binary bytes.
template <typename Record>
std::vector<Record> decodeBase64Lines(QString const& xml);

// The records of the non-empty lines, each one Simple JSON object.
template <typename Record>
std::vector<Record> decodeJsonLines(QString const& xml);

}  // namespace trv::control_param::data
