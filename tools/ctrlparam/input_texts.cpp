#include "tools/ctrlparam/input_texts.h"

#include <algorithm>
#include <cstdio>

#include <boost/locale/utf.hpp>

namespace ctrlparam {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line of the input: its bytes without CR and line feed, and without the BOM it starts with (a file's
// start: files joined into one keep theirs).
struct Line {
  std::size_t begin;
  std::size_t end;
};

std::vector<Line> linesOf(std::string_view input) {
  std::vector<Line> lines;
  for (std::size_t start = 0;;) {
    if (input.substr(start, kByteOrderMark.size()) == kByteOrderMark) start += kByteOrderMark.size();
    std::size_t const feed = input.find('\n', start);
    std::size_t const end = feed == std::string_view::npos ? input.size() : feed;
    lines.push_back({start, end > start && input[end - 1] == '\r' ? end - 1 : end});
    if (feed == std::string_view::npos) return lines;
    start = feed + 1;
  }
}

// The bytes as text. QString::fromUtf8 drops a BOM they start with unseen; here it stays a character, as it
// is one anywhere else in a line, so that the readers see what the line holds.
QString textOf(std::string_view bytes) {
  QString text;
  for (; bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark; bytes.remove_prefix(kByteOrderMark.size()))
    text += QChar(0xFEFF);
  return text + QString::fromUtf8(bytes.data(), static_cast<int>(bytes.size()));
}

// The length of the blank at `at` before `end` (0: none): a space, a tab, or a non-breaking space in UTF-8.
std::size_t blankAt(std::string_view input, std::size_t at, std::size_t end) {
  if (at >= end) return 0;
  if (input[at] == ' ' || input[at] == '\t') return 1;
  return at + 1 < end && input[at] == '\xC2' && input[at + 1] == '\xA0' ? 2 : 0;
}

std::size_t skipBlanks(std::string_view input, std::size_t at, std::size_t end) {
  while (std::size_t const length = blankAt(input, at, end)) at += length;
  return at;
}

// The end of a line's text: before the blanks it ends with.
std::size_t trimmedEnd(std::string_view input, std::size_t begin, std::size_t end) {
  while (end > begin) {
    if (input[end - 1] == ' ' || input[end - 1] == '\t')
      --end;
    else if (end - begin >= 2 && input[end - 2] == '\xC2' && input[end - 1] == '\xA0')
      end -= 2;
    else
      break;
  }
  return end;
}

// The column of byte `at` of a line that starts at `begin`: the characters before it, plus one.
int columnOf(std::string_view input, std::size_t begin, std::size_t at) {
  int column = 1;
  for (std::size_t i = begin; i < at; ++i) column += (input[i] & 0xC0) != 0x80 ? 1 : 0;
  return column;
}

// The first byte of `bytes` that is no UTF-8, and the index in UTF-16 units of the U+FFFD that stands for it
// when the bytes are read as text.
std::optional<InputText::NotUtf8> firstNotUtf8(std::string_view bytes) {
  using Utf8 = boost::locale::utf::utf_traits<char>;
  int index = 0;
  for (char const* at = bytes.data(); at != bytes.data() + bytes.size();) {
    char const* const start = at;
    boost::locale::utf::code_point const c = Utf8::decode(at, bytes.data() + bytes.size());
    if (c == boost::locale::utf::illegal || c == boost::locale::utf::incomplete)
      return InputText::NotUtf8{index, static_cast<unsigned char>(*start)};
    index += c > 0xffff ? 2 : 1;
  }
  return std::nullopt;
}

bool isJsonBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Joins a JSON text from its "{" (byte `start` of line `line`) over as many lines as its outermost object
// takes, and what follows the object on the line it closes on; blanks outside strings are removed.
class JsonJoiner {
 public:
  JsonJoiner(std::string_view input, std::vector<Line> const& lines) : input_(input), lines_(lines) {}

  // Returns the index of the line the text ends on.
  std::size_t join(InputText& text, std::size_t line, std::size_t start) {
    line_ = line;
    std::size_t at = start;
    std::string compact;
    int depth = 0;
    bool inString = false, escaped = false, closed = false;
    for (; at < input_.size() && !(closed && at >= lines_[line_].end); ++at) {
      while (line_ + 1 < lines_.size() && at >= lines_[line_ + 1].begin) ++line_;
      char const c = input_[at];
      if (at >= lines_[line_].end && c != '\r' && c != '\n') continue;  // the BOM the next line starts with
      if (!inString && isJsonBlank(c)) continue;
      compact += c;
      text.places.push_back({static_cast<int>(line_ + 1), columnOf(input_, lines_[line_].begin, at)});
      text.range.end = at + 1;
      if (inString) {
        if (escaped)
          escaped = false;
        else if (c == '\\')
          escaped = true;
        else if (c == '"')
          inString = false;
      } else if (c == '"') {
        inString = true;
      } else if (c == '{' || c == '[') {
        ++depth;
      } else if ((c == '}' || c == ']') && --depth == 0 && !closed) {
        closed = true;
      }
    }
    text.text = QString::fromUtf8(compact.data(), static_cast<int>(compact.size()));
    if (!closed) {
      text.fault = "the JSON object that starts here does not close";
      text.faultAt = text.places.front();
    }
    return line_;
  }

 private:
  std::string_view input_;
  std::vector<Line> const& lines_;
  std::size_t line_ = 0;
};

// Whether a line that starts with this byte continues a JSON text rather than starting a text of its own.
bool continuesJson(char c) {
  return c == '"' || c == ',' || c == ':' || c == '}' || c == ']';
}

}  // namespace

Place InputText::place(std::size_t offset) const {
  if (places.empty()) return {line, 1};
  if (!json) return {places.front().line, places.front().column + static_cast<int>(offset)};
  if (offset < places.size()) return places[offset];
  return {places.back().line, places.back().column + 1};
}

std::vector<InputText> cutInput(std::string_view input) {
  std::vector<Line> const lines = linesOf(input);
  std::vector<InputText> texts;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Line const line = lines[i];
    std::size_t const begin = skipBlanks(input, line.begin, line.end);
    if (begin == line.end) continue;
    InputText text;
    text.line = static_cast<int>(i + 1);
    text.range.begin = begin;
    if (input[begin] == '{') {
      text.json = true;
      text.blanksBeforeBrace = begin > line.begin;
      i = JsonJoiner(input, lines).join(text, i, begin);
      // A line that goes on where the text has closed: a "}" too many, or a line break lost.
      std::size_t next = i + 1;
      while (next < lines.size() && skipBlanks(input, lines[next].begin, lines[next].end) == lines[next].end)
        ++next;
      if (text.fault.empty() && next < lines.size()) {
        std::size_t const at = skipBlanks(input, lines[next].begin, lines[next].end);
        if (continuesJson(input[at])) {
          text.faultAt = {static_cast<int>(next + 1), columnOf(input, lines[next].begin, at)};
          text.fault = "the JSON object closes on line " + std::to_string(i + 1) + ", but line " +
                       std::to_string(next + 1) + " goes on with it at column " +
                       std::to_string(text.faultAt.column) + "; is a '}' too many?";
          // The lines that go on with it belong to it, up to an empty line or one that starts a text.
          for (i = next; i + 1 < lines.size(); ++i) {
            std::size_t const start = skipBlanks(input, lines[i + 1].begin, lines[i + 1].end);
            if (start == lines[i + 1].end || input[start] == '{') break;
          }
          text.range.end = trimmedEnd(input, lines[i].begin, lines[i].end);
        }
      }
    } else {
      text.range.end = trimmedEnd(input, begin, line.end);
      text.text = textOf(input.substr(begin, text.range.end - begin));
      text.places.push_back({text.line, columnOf(input, line.begin, begin)});
      if (text.text.contains(QChar::ReplacementCharacter))  // where a byte that is no UTF-8 may stand
        text.notUtf8 = firstNotUtf8(input.substr(begin, text.range.end - begin));
    }
    text.lastLine = static_cast<int>(i + 1);
    texts.push_back(std::move(text));
  }
  return texts;
}

int textOnLine(std::vector<InputText> const& texts, int line) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (texts[i].line <= line && line <= texts[i].lastLine) return static_cast<int>(i);
  return -1;
}

std::string lineList(std::vector<int> const& lines) {
  std::string list;
  for (std::size_t i = 0; i < lines.size(); ++i)
    list += (i == 0 ? "" : i + 1 == lines.size() ? " and " : ", ") + std::to_string(lines[i]);
  return list;
}

std::string shownCharacter(InputText const& text, std::size_t index, char32_t c) {
  if (text.notUtf8 && static_cast<std::size_t>(text.notUtf8->index) == index) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "byte 0x%02X", text.notUtf8->byte);
    return buffer;
  }
  // The readers count UTF-16 units: a character beyond U+FFFF comes as its first half.
  if (QChar::isHighSurrogate(c) && index + 1 < static_cast<std::size_t>(text.text.size()) &&
      text.text.at(static_cast<int>(index + 1)).isLowSurrogate())
    c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text.text.at(static_cast<int>(index + 1)).unicode());
  return shownCharacter(c);
}

std::string shownCharacter(char32_t c) {
  bool const plain = c == U' ' || (c > 0xffff ? QChar::isPrint(c)
                                              : QChar(static_cast<ushort>(c)).isPrint() &&
                                                    !QChar(static_cast<ushort>(c)).isSpace() && c != 0xfffd);
  if (plain) return '\'' + QString::fromUcs4(&c, 1).toStdString() + '\'';
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

}  // namespace ctrlparam
