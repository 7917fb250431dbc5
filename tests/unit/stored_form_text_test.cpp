// The text side of the stored form: Base64 exactly as QByteArray writes and reads it, and the line split
// exactly as QString::split skipping empty parts.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "serialization/stored_text.h"

namespace {

using trv::serialization::Base64Line;
using trv::serialization::base64Line;
using trv::serialization::forEachBase64Line;
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
}

// Texts of several lines, short and long ones (beyond the local buffer), read in one pass as QString::split
// and QByteArray::fromBase64 read them, line by line.
TEST(StoredText, Base64LinesReadAsSplitAndQByteArrayRead) {
  std::mt19937 random(9);
  QString const alphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/= -_\r\t\u00ff\u0100{";
  for (int i = 0; i < 3000; ++i) {
    QString text;
    int const size = static_cast<int>(random() % (i < 2800 ? 60 : 2000));
    unsigned const lineFeedOneIn = i % 2 ? 8 : 700;
    for (int k = 0; k < size; ++k)
      text += random() % lineFeedOneIn == 0 ? QChar('\n')
                                            : alphabet[static_cast<int>(random() % alphabet.size())];
    std::vector<QByteArray> lines;
    forEachBase64Line(text, [&](std::string_view bytes) {
      lines.emplace_back(bytes.data(), static_cast<int>(bytes.size()));
    });
    std::vector<QByteArray> expected;
    for (QString const& line : text.split('\n', Qt::SkipEmptyParts)) expected.push_back(qtDecoded(line));
    ASSERT_EQ(lines, expected) << text.toStdString();
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
