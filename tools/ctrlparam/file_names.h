#pragma once
// File names as the system has them: bytes, which need not be valid UTF-8. The tool keeps its arguments as
// text in which each byte that is not part of valid UTF-8 stands as the code point U+DC00 + byte (no valid
// UTF-8 holds those), so that a file name's bytes come back exactly; files are opened and read through the
// system's calls, and messages show such a byte as \xNN.

#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace ctrlparam {

// An argument of the command line as the tool keeps it.
QString argumentText(QByteArray const& bytes);

// The bytes an argument was given as (for a file name: the name the system knows).
QByteArray systemBytes(QString const& text);

// A name as messages show it (readableName of its bytes).
std::string readableName(QString const& name);

// Appends everything up to the end of the open file `file` to `content`; false on an error (errno says
// which).
bool readAllFrom(int file, QByteArray& content);

// Whether the bytes are UTF-16 rather than UTF-8: a UTF-16 byte order mark, or NUL bytes on the same side of
// each pair, as in UTF-16 without one (looked at in the first few characters).
bool isUtf16(std::string_view bytes);

// The content of the file `name`; throws Failure "cannot open NAME: REASON" or "cannot read NAME: REASON"
// with the system's reason.
QByteArray readFile(QString const& name);

// Standard input to its end; throws Failure "cannot read standard input: REASON".
QByteArray readStandardInput();

// Writes `content` into the file `name`, made or emptied first; throws Failure "cannot write NAME: REASON".
void writeFile(QString const& name, QByteArray const& content);

// Whether `name` is a regular file (following links).
bool isFile(QString const& name);

}  // namespace ctrlparam
