#pragma once
// Cutting an input into its options texts, as the library gets them: Base64 lines, JSON objects that may
// span lines (their blanks outside strings removed), and what is wrong with a Base64 line. Needs neither
// widgets nor the library itself (the fuzz target links it).

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringView>

namespace ctrlparam {

// A refused input: the message and the line of the input it is about (1-based; 0 for the input as a whole).
struct CheckError : std::runtime_error {
  CheckError(int line, std::string const& message) : std::runtime_error(message), line(line) {}
  int line;
};

// One options text of an input, as the library gets it: a Base64 line without its outer blanks, or one JSON
// object with the blanks outside its strings removed (one line, members in their order).
struct OptionsText {
  int line = 0;  // where it starts in the input, 1-based
  QString text;
  bool json = false;
  int secondObjectLine = 0;  // JSON: where a second object follows on the object's last line (0: none)
  int secondObjectColumn = 0;
  std::string problem;  // Base64: what is wrong with the line (empty: nothing)
  int lastLine = 0;     // where it ends in the input, 1-based
};

// The texts of an input, in order: a BOM at its start, a CR at the end of a line and the blanks around a
// text are removed, empty lines skipped. A line starting with "{" starts a JSON text, which ends where its
// outermost object closes; a second object may follow on that line (noted), anything else is refused, as is
// an object that never closes. What is wrong with a Base64 line is noted with the line, for the text used.
std::vector<OptionsText> splitTexts(QString const& input);

// What is wrong with a Base64 line (BOM and CR removed; outer blanks allowed): a character outside the
// alphabet, padding before the end or too much of it, a last group of one character. Columns are 1-based.
std::optional<std::string> base64Problem(QStringView line);

// The JSON text with the blanks outside strings removed and where it ends: the index after its outermost
// "}" (or after the text when it never closes: then `closed` is false).
struct CompactJson {
  std::string text;
  std::size_t end = 0;
  bool closed = false;
};
CompactJson compactJson(std::string_view json);

}  // namespace ctrlparam
