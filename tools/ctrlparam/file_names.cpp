#include "tools/ctrlparam/file_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/ctrlparam/context.h"
#include "tools/ctrlparam/file_write.h"

namespace ctrlparam {
namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// The length of the valid UTF-8 sequence at `bytes[i]` and its code point, or 0 when none starts there.
int sequenceAt(QByteArray const& bytes, int i, char32_t& code) {
  auto const byte = [&](int k) { return static_cast<unsigned char>(bytes[i + k]); };
  unsigned char const lead = byte(0);
  int const length = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : (lead & 0xF0) == 0xE0        ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
  if (length == 0 || i + length > bytes.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(k) & 0x3F);
  }
  bool const overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  bool const surrogate = code >= 0xD800 && code <= 0xDFFF;
  return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

// A character of the text takes two code units where a surrogate pair stands (only valid UTF-8 made those).
int characterLength(QString const& text, int i) {
  return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

// Whether text[i] stands for a byte that is not valid UTF-8: a lone code unit U+DC00..U+DCFF (the second
// code unit of a pair is never looked at on its own).
bool isEscapedByte(QString const& text, int i) {
  ushort const u = text[i].unicode();
  return u >= kEscapedByte && u <= 0xDCFF;
}

}  // namespace

bool readAllFrom(int file, QByteArray& content) {
  char buffer[65536];
  for (;;) {
    ssize_t const count = ::read(file, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) return true;
    content.append(buffer, static_cast<int>(count));
  }
}

namespace {

std::string reason() {
  return std::strerror(errno);
}

}  // namespace

QString argumentText(QByteArray const& bytes) {
  QString text;
  for (int i = 0; i < bytes.size();) {
    char32_t code = 0;
    int const length = sequenceAt(bytes, i, code);
    if (length == 0) {
      text += QChar(kEscapedByte + static_cast<unsigned char>(bytes[i++]));
      continue;
    }
    text += QString::fromUcs4(&code, 1);
    i += length;
  }
  return text;
}

QByteArray systemBytes(QString const& text) {
  QByteArray bytes;
  for (int i = 0; i < text.size(); i += characterLength(text, i)) {
    if (isEscapedByte(text, i))
      bytes += static_cast<char>(text[i].unicode() - kEscapedByte);
    else
      bytes += text.mid(i, characterLength(text, i)).toUtf8();
  }
  return bytes;
}

std::string readableName(QString const& name) {
  QByteArray const bytes = systemBytes(name);
  return readableName(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool isUtf16(std::string_view bytes) {
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") return true;
  std::size_t const pairs = std::min<std::size_t>(bytes.size(), 64) / 2;
  bool first = pairs > 0, second = pairs > 0;
  for (std::size_t i = 0; i < pairs; ++i) {
    first = first && bytes[2 * i] == '\0';
    second = second && bytes[2 * i + 1] == '\0';
  }
  return first || second;
}

QByteArray readFile(QString const& name) {
  int const file = ::open(systemBytes(name).constData(), O_RDONLY | O_CLOEXEC);
  if (file < 0) throw Failure("cannot open " + readableName(name) + ": " + reason());
  QByteArray content;
  bool const read = readAllFrom(file, content);
  std::string const why = reason();
  ::close(file);
  if (!read) throw Failure("cannot read " + readableName(name) + ": " + why);
  return content;
}

QByteArray readStandardInput() {
  QByteArray content;
  if (!readAllFrom(STDIN_FILENO, content)) throw Failure("cannot read standard input: " + reason());
  return content;
}

void writeFile(QString const& name, QByteArray const& content) {
  int const file = ::open(systemBytes(name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (file < 0) throw Failure("cannot write " + readableName(name) + ": " + reason());
  bool written = true;
  for (qint64 done = 0; written && done < content.size();) {
    ssize_t const count =
        ::write(file, content.constData() + done, static_cast<std::size_t>(content.size() - done));
    if (count < 0 && errno == EINTR) continue;
    written = count > 0;
    done += count;
  }
  std::string why = written ? std::string() : reason();
  if (::close(file) != 0 && written) {
    written = false;
    why = reason();
  }
  if (!written) throw Failure("cannot write " + readableName(name) + ": " + why);
}

bool isFile(QString const& name) {
  struct stat status {};
  return ::stat(systemBytes(name).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace ctrlparam
