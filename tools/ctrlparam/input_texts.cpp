#include "tools/ctrlparam/input_texts.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace ctrlparam {
namespace {

bool isBase64Letter(QChar c) {
  ushort const u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '+' || u == '/';
}

bool isBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// A character as a message shows it: itself when printable, else its code point.
std::string shown(QChar c) {
  if (c.isPrint() && c.unicode() != 0xfffd) return '\'' + QString(c).toStdString() + '\'';
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", c.unicode());
  return buffer;
}

// The lines of an input: a BOM at its start and a CR at the end of each line removed.
std::vector<QStringView> linesOf(QString const& input) {
  QStringView rest(input);
  if (rest.startsWith(QChar(0xfeff))) rest = rest.mid(1);
  std::vector<QStringView> lines;
  for (;;) {
    int const feed = rest.indexOf(QLatin1Char('\n'));
    QStringView line = feed < 0 ? rest : rest.left(feed);
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    lines.push_back(line);
    if (feed < 0) return lines;
    rest = rest.mid(feed + 1);
  }
}

int firstNonBlank(QStringView line, int from = 0) {
  while (from < line.size() && isBlank(line[from])) ++from;
  return from;
}

}  // namespace

std::optional<std::string> base64Problem(QStringView line) {
  int const start = firstNonBlank(line);
  int end = line.size();
  while (end > start && isBlank(line[end - 1])) --end;
  int letters = 0, padding = 0;
  for (int i = start; i < end; ++i) {
    QChar const c = line[i];
    std::string const column = " at column " + std::to_string(i + 1);
    if (c == QLatin1Char('=')) {
      if (++padding > 2) return "too much padding: '='" + column;
      continue;
    }
    if (!isBase64Letter(c))
      return shown(c) + column + " is no Base64 character (A-Z, a-z, 0-9, +, / and = at the end)";
    if (padding > 0) return shown(c) + column + " follows the padding '=', which only ends a Base64 text";
    ++letters;
  }
  if (letters % 4 == 1) return "the Base64 text is cut short: its last group has one character";
  if (padding > 0 && (letters + padding) % 4 != 0) return "the padding '=' does not fill the last group";
  return std::nullopt;
}

CompactJson compactJson(std::string_view json) {
  CompactJson result;
  int depth = 0;
  bool inString = false, escaped = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    char const c = json[i];
    if (inString) {
      result.text += c;
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        inString = false;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
    result.text += c;
    if (c == '"') inString = true;
    if (c == '{' || c == '[') ++depth;
    if ((c == '}' || c == ']') && --depth <= 0) {
      result.end = i + 1;
      result.closed = true;
      return result;
    }
  }
  result.end = json.size();
  return result;
}

std::vector<OptionsText> splitTexts(QString const& input) {
  std::vector<QStringView> const lines = linesOf(input);
  int const count = static_cast<int>(lines.size());
  // The whole input in UTF-8, CRs removed, and where each line starts in it.
  std::string all;
  std::vector<std::size_t> starts;
  for (QStringView line : lines) {
    starts.push_back(all.size());
    all += line.toUtf8().toStdString() + '\n';
  }
  auto byteOffset = [&](int line, int column) {
    return starts[static_cast<std::size_t>(line)] +
           static_cast<std::size_t>(lines[static_cast<std::size_t>(line)].left(column).toUtf8().size());
  };
  std::vector<OptionsText> texts;
  for (int i = 0; i < count;) {
    QStringView const line = lines[static_cast<std::size_t>(i)];
    int const start = firstNonBlank(line);
    if (start == line.size()) {
      ++i;
      continue;
    }
    if (line[start] != QLatin1Char('{')) {
      texts.push_back(OptionsText{i + 1, line.toString().trimmed(), false, 0, 0,
                                  base64Problem(line).value_or(""), i + 1});
      ++i;
      continue;
    }
    // A JSON text: from its "{" on, over as many lines as it takes; then only blanks or a second object.
    OptionsText text{i + 1, {}, true, 0, 0, {}};
    int last = i, column = start;
    for (;;) {
      std::size_t const from = byteOffset(last, column);
      CompactJson const compact = compactJson(std::string_view(all).substr(from));
      if (!compact.closed) throw CheckError(last + 1, "the JSON object that starts here does not close");
      if (text.text.isEmpty()) text.text = QString::fromStdString(compact.text);
      std::size_t const end = from + compact.end;
      last = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), end - 1) - starts.begin()) - 1;
      std::size_t const lineStart = starts[static_cast<std::size_t>(last)];
      column = QString::fromUtf8(all.data() + lineStart, static_cast<int>(end - lineStart)).size();
      QStringView const rest = lines[static_cast<std::size_t>(last)];
      int const next = firstNonBlank(rest, column);
      if (next == rest.size()) break;
      if (rest[next] != QLatin1Char('{'))
        throw CheckError(last + 1, shown(rest[next]) + " at column " + std::to_string(next + 1) +
                                       " follows the end of the JSON object");
      if (text.secondObjectLine == 0) {
        text.secondObjectLine = last + 1;
        text.secondObjectColumn = next + 1;
      }
      column = next;
    }
    text.lastLine = last + 1;
    texts.push_back(std::move(text));
    i = last + 1;
  }
  return texts;
}

}  // namespace ctrlparam
