#include "lib/properties/control_param/src/kelmar_lines.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include <QStringBuilder>

#include "host/trv_assert/SmartAssert.h"

namespace trv::control_param::data {
namespace {

// The record names, made when the library is loaded.
const std::array<QString, 2> kRecordNames{QStringLiteral("STEU"), QStringLiteral("CTRL")};

// Position under which a failed self-check of the line by identifier is reported.
constexpr int kSelfCheckReportLine = 39;

// Whether `value` lies exactly halfway between two numbers of six significant digits. The scientific form
// with 25 significant digits is exact far enough: a value off the halfway point differs from it within the
// first 17 digits.
bool isSeventhDigitTie(double value) {
  std::array<char, 48> text{};
  std::to_chars(text.data(), text.data() + text.size(), std::fabs(value), std::chars_format::scientific, 24);
  // "d.dddddd5000...": the seventh digit follows the point at index 7.
  if (text[7] != '5') return false;
  for (std::size_t i = 8; i < 26; ++i)
    if (text[i] != '0') return false;
  return true;
}

bool isEnglish(KeywordLanguage language) {
  return language != kGerman;
}

// A value's text, Latin-1, in a buffer of its own (no heap).
struct ValueChars {
  std::array<char, 32> text{};
  int size = 0;
  QLatin1String view() const { return QLatin1String(text.data(), size); }
};

template <typename Integer>
ValueChars integerChars(Integer value) {
  ValueChars made;
  made.size = static_cast<int>(
      std::to_chars(made.text.data(), made.text.data() + made.text.size(), value).ptr - made.text.data());
  return made;
}

// The same text as QString::number(value, 'g', 6) for finite non-zero values, without its slow path for
// short decimals: the shortest correctly rounded form, except that a value lying exactly halfway at the
// seventh significant digit rounds away from zero.
ValueChars finiteValueChars(double value) {
  if (isSeventhDigitTie(value)) value = std::nextafter(value, std::copysign(HUGE_VAL, value));
  ValueChars made;
  made.size = static_cast<int>(std::to_chars(made.text.data(), made.text.data() + made.text.size(), value,
                                             std::chars_format::general, 6)
                                   .ptr -
                               made.text.data());
  return made;
}

ValueChars valueChars(std::int32_t value) {
  return integerChars(value);
}

ValueChars valueChars(std::int64_t value) {
  return integerChars(value);
}

ValueChars valueChars(bool value) {
  ValueChars made;
  made.text[0] = value ? '1' : '0';
  made.size = 1;
  return made;
}

QLatin1String recordNameText(KeywordLanguage language) {
  return isEnglish(language) ? QLatin1String("CTRL") : QLatin1String("STEU");
}

QLatin1String valueItemText(KeywordLanguage language) {
  return isEnglish(language) ? QLatin1String("VAL") : QLatin1String("WERT");
}

// The parts joined by single blanks, made in one allocation.
template <typename Value>
QString optionLine(KeywordLanguage language, QString const& keyword, Value const& value) {
  return recordNameText(language) % QLatin1String(" OPT ") % keyword % QLatin1Char(' ') %
         valueItemText(language) % QLatin1Char(' ') % value;
}

template <typename Value>
QString recordLine(KeywordLanguage language, QString const& keyword, Value const& value) {
  return recordNameText(language) % QLatin1Char(' ') % keyword % QLatin1Char(' ') % value;
}

// The same line from its pattern "<name> OPT <keyword> <item> <value>", appended piece by piece into one
// buffer of the final size.
QString optionLineFromPattern(KeywordLanguage language, QString const& keyword, QLatin1String value) {
  QLatin1String const name = recordNameText(language);
  QLatin1String const item = valueItemText(language);
  QString line;
  line.reserve(name.size() + 5 + keyword.size() + 1 + item.size() + 1 + value.size());
  line.append(name).append(QLatin1String(" OPT ")).append(keyword).append(QLatin1Char(' '));
  line.append(item).append(QLatin1Char(' ')).append(value);
  return line;
}

// The text of a real value for a line; infinities and NaN keep Qt's own text.
template <typename Write>
void withRealText(double value, Write&& write) {
  if (!std::isfinite(value)) {
    write(QString::number(value, 'g', 6));
  } else if (value == 0) {
    write(QLatin1String("0"));
  } else {
    write(finiteValueChars(value).view());
  }
}

// The keyword of a line in `language`.
QString keywordText(KeywordLanguage language, LineKeyword const& keyword) {
  return keyword.ownText.data() == nullptr ? keywordFor(keyword.option, isEnglish(language))
                                           : QString(keyword.ownText);
}

}  // namespace

KelmarLines emptyLines() {
  constexpr std::size_t kMostLines = 12;
  KelmarLines lines;
  lines.reserve(kMostLines);
  return lines;
}

QString const& recordName(KeywordLanguage language) {
  return kRecordNames[isEnglish(language) ? 1 : 0];
}

QString valueItem(KeywordLanguage language) {
  return valueItemText(language);
}

QLatin1String inLanguageText(KeywordLanguage language, char const* german, char const* english) {
  return QLatin1String(isEnglish(language) ? english : german);
}

QString inLanguage(KeywordLanguage language, char const* german, char const* english) {
  return QString::fromLatin1(isEnglish(language) ? english : german);
}

QString valueText(std::int32_t value) {
  return valueChars(value).view();
}
QString valueText(std::int64_t value) {
  return valueChars(value).view();
}
QString valueText(double value) {
  QString text;
  withRealText(value, [&](auto const& made) { text = made; });
  return text;
}
QString valueText(bool value) {
  return valueChars(value).view();
}

void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword, std::int64_t value,
                      ModelContent const& content, KelmarLines& lines) {
  if (isOptionApplicable(content, keyword.option))
    lines.push_back(recordLine(language, keywordText(language, keyword), valueChars(value).view()));
}

void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<double> const& value, ModelContent const& content, KelmarLines& lines) {
  if (value && isOptionApplicable(content, keyword.option)) {
    QString const text = keywordText(language, keyword);
    withRealText(*value, [&](auto const& made) { lines.push_back(recordLine(language, text, made)); });
  }
}

// The line is built from its pattern and, independently, by joining its parts; both must agree.
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, std::int64_t value,
                      ModelContent const& content, KelmarLines& lines) {
  if (!isOptionApplicable(content, keyword.option)) return;
  QString const text = keywordText(language, keyword);
  ValueChars const number = valueChars(value);
  QString const string_tmp = optionLineFromPattern(language, text, number.view());
  QString string = optionLine(language, text, number.view());
  if (string_tmp != string) {
    trv::smartassert::SmartAssert("string_tmp == string")
        .setFileContext("lib/properties/control_param/src/utils", kSelfCheckReportLine)
        .debug("");
  }
  lines.push_back(std::move(string));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<std::int32_t> const& value, ModelContent const& content,
                      KelmarLines& lines) {
  if (value && isOptionApplicable(content, keyword.option)) {
    lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(*value).view()));
  }
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<double> const& value, ModelContent const& content, KelmarLines& lines) {
  if (value && isOptionApplicable(content, keyword.option)) {
    QString const text = keywordText(language, keyword);
    withRealText(*value, [&](auto const& made) { lines.push_back(optionLine(language, text, made)); });
  }
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, std::int32_t value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(value).view()));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, QString const& value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), value));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, QLatin1String value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), value));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, bool value, KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(value).view()));
}

}  // namespace trv::control_param::data
