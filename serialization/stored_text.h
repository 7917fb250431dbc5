#pragma once
// The text side of the stored form, independent of the record: the non-empty lines of a stored text and
// the Base64 of one line. Base64 follows QByteArray exactly: `base64Line(bytes)` is
// `QString::fromLatin1(bytes.toBase64()) + "\n"`, `Base64Line(line).bytes()` is
// `QByteArray::fromBase64(line.toLatin1())` (characters outside the alphabet, "=" included, are skipped),
// both without the intermediate copies: the lines are views, and the Base64 (detail/stored_text.cpp) is
// hand-written for speed and finds the end of its line as it goes, instead of QString::split's and
// QByteArray's copies (figures in BENCHMARKS.md, "Stored-form codec").

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include <QString>
#include <QStringView>

#include "serialization/read_observer.h"

namespace trv::serialization {

// Calls `f(QStringView)` for every part of `text` between line feeds, empty parts skipped.
template <typename F>
void forEachLine(QString const& text, F&& f) {
  int const size = text.size();
  for (int start = 0, end = 0; start < size; start = end + 1) {
    end = text.indexOf(QLatin1Char('\n'), start);
    if (end < 0) end = size;
    if (end > start) f(QStringView(text.constData() + start, end - start));
  }
}

// The Base64 text of `bytes` followed by a line feed.
QString base64Line(std::string_view bytes);

// The bytes that the first line of a text (up to its first line feed) decodes to; held on the stack for lines
// of ordinary length.
class Base64Line {
 public:
  explicit Base64Line(QStringView text);
  // The same, telling `observer` of every character the decoding passes over (read_observer.h).
  Base64Line(QStringView text, ReadObserver& observer);
  Base64Line(Base64Line const&) = delete;
  Base64Line& operator=(Base64Line const&) = delete;

  std::string_view bytes() const { return {data_, size_}; }
  // The characters of the line, the line feed not counted.
  std::size_t length() const { return length_; }

 private:
  static constexpr std::size_t kLocalBytes = 384;
  // The longest line decoded into the local buffer (a group's fourth byte written beyond the last one).
  static constexpr qsizetype kLocalCharacters = (kLocalBytes - 1) * 4 / 3;

  std::array<char, kLocalBytes> local_;
  std::unique_ptr<char[]> heap_;
  char* data_;
  std::size_t size_ = 0;
  std::size_t length_ = 0;
};

// Calls `f(std::string_view)` with the bytes of every part of `text` between line feeds, empty parts skipped:
// what forEachLine and Base64Line give, in one pass over the text.
template <typename F>
void forEachBase64Line(QString const& text, F&& f) {
  QStringView rest(text);
  while (!rest.isEmpty()) {
    Base64Line const line(rest);
    if (line.length() != 0) f(line.bytes());
    rest = rest.mid(std::min(static_cast<qsizetype>(line.length()) + 1, rest.size()));
  }
}

}  // namespace trv::serialization
