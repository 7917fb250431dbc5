// The text side of the stored form: Base64 exactly as QByteArray writes and reads it, and the line split
// exactly as QString::split skipping empty parts.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <random>
#include <string>

#include "serialization/stored_text.h"

namespace {

using trv::serialization::Base64Line;
using trv::serialization::base64Line;
using trv::serialization::forEachLine;

QByteArray qtDecoded(QStringView line) {
  return QByteArray::fromBase64(line.toLatin1());
}

TEST(StoredText, Base64LineIsQtsBase64AndALineFeed) {
  std::mt19937 random(5);
  for (int size = 0; size < 200; ++size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    EXPECT_EQ(base64Line(bytes), QString::fromLatin1(QByteArray::fromStdString(bytes).toBase64()) + "\n");
  }
  EXPECT_EQ(base64Line(std::string(1, '\0')), "AA==\n");
  EXPECT_EQ(base64Line(""), "\n");
}

TEST(StoredText, Base64LineReadsAsQByteArrayReads) {
  QString const table[] = {
      "AA==", "AA=",  "AA", "cA gA",          "cAgA\r",     "AA==cAgA",       "-_-_", "Hello, World!",
      "",     "====", "A",  "\u00e4\u00c4AA", "\u20acAAAA", "QUJD\u0000RA==", "//++"};
  for (QString const& line : table) {
    Base64Line const decoded(line);
    QByteArray const expected = qtDecoded(line);
    EXPECT_EQ(decoded.bytes(), std::string_view(expected.constData(), expected.size())) << line.toStdString();
  }
  std::mt19937 random(9);
  QString const alphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/= -_\r\t\u00ff\u0100{";
  for (int i = 0; i < 3000; ++i) {
    QString line;
    int const size = static_cast<int>(random() % (i < 2900 ? 40 : 2000));  // also beyond the local buffer
    for (int k = 0; k < size; ++k) line += alphabet[static_cast<int>(random() % alphabet.size())];
    Base64Line const decoded(line);
    QByteArray const expected = qtDecoded(line);
    ASSERT_EQ(decoded.bytes(), std::string_view(expected.constData(), expected.size())) << line.toStdString();
  }
}

TEST(StoredText, LinesAreTheNonEmptyPartsBetweenLineFeeds) {
  for (QString const text : {"", "\n", "a", "a\n", "\n\na\n", "a\nb", "a\n\n b \r\n", "\r\n\n\n"}) {
    QStringList lines;
    forEachLine(text, [&](QStringView line) { lines << line.toString(); });
    EXPECT_EQ(lines, text.split('\n', Qt::SkipEmptyParts)) << text.toStdString();
  }
}

}  // namespace
