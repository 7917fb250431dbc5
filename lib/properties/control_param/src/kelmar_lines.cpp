#include "lib/properties/control_param/src/kelmar_lines.h"

#include <array>
#include <charconv>
#include <cmath>

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

// The parts joined by single blanks, made in one allocation.
QString optionLine(KeywordLanguage language, QString const& keyword, QString const& value) {
  return recordName(language) % QLatin1String(" OPT ") % keyword % QLatin1Char(' ') % valueItem(language) %
         QLatin1Char(' ') % value;
}

QString recordLine(KeywordLanguage language, QString const& keyword, QString const& value) {
  return recordName(language) % QLatin1Char(' ') % keyword % QLatin1Char(' ') % value;
}

}  // namespace

QString const& recordName(KeywordLanguage language) {
  return kRecordNames[isEnglish(language) ? 1 : 0];
}

QString valueItem(KeywordLanguage language) {
  return isEnglish(language) ? QStringLiteral("VAL") : QStringLiteral("WERT");
}

QString inLanguage(KeywordLanguage language, char const* german, char const* english) {
  return QString::fromLatin1(isEnglish(language) ? english : german);
}

QString valueText(std::int32_t value) {
  return QString::number(value, 10);
}
// The same text as QString::number(value, 'g', 6), without its slow path for short decimals: the
// shortest correctly rounded form, except that a value lying exactly halfway at the seventh significant
// digit rounds away from zero, and zero has no sign.
QString valueText(double value) {
  if (!std::isfinite(value)) return QString::number(value, 'g', 6);
  if (value == 0) return QStringLiteral("0");
  if (isSeventhDigitTie(value)) value = std::nextafter(value, std::copysign(HUGE_VAL, value));
  std::array<char, 32> text{};
  auto const end =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 6).ptr;
  return QString::fromLatin1(text.data(), static_cast<int>(end - text.data()));
}
QString valueText(bool value) {
  return value ? QStringLiteral("1") : QStringLiteral("0");
}

void appendRecordLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines) {
  if (isOptionApplicable(content, option)) lines.push_back(recordLine(language, keyword, valueText(value)));
}

void appendRecordLine(KeywordLanguage language, QString const& keyword, std::optional<double> const& value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines) {
  if (value && isOptionApplicable(content, option)) {
    lines.push_back(recordLine(language, keyword, valueText(*value)));
  }
}

void appendOptionLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines) {
  if (isOptionApplicable(content, option)) lines.push_back(optionLine(language, keyword, valueText(value)));
}

void appendOptionLine(KeywordLanguage language, QString const& keyword,
                      std::optional<std::int32_t> const& value, ModelContent const& content,
                      KelmarOption option, KelmarLines& lines) {
  if (value && isOptionApplicable(content, option)) {
    lines.push_back(optionLine(language, keyword, valueText(*value)));
  }
}

void appendOptionLine(KeywordLanguage language, QString const& keyword, std::optional<double> const& value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines) {
  if (value && isOptionApplicable(content, option)) {
    lines.push_back(optionLine(language, keyword, valueText(*value)));
  }
}

void appendOptionLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keyword, valueText(value)));
}

void appendOptionLine(KeywordLanguage language, QString const& keyword, QString const& value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keyword, value));
}

void appendOptionLine(KeywordLanguage language, QString const& keyword, bool value, KelmarLines& lines) {
  lines.push_back(optionLine(language, keyword, valueText(value)));
}

// The line is built from its pattern and, independently, by joining its parts; both must agree.
void appendOptionLine(KeywordLanguage language, KelmarOption option, std::int32_t value,
                      ModelContent const& content, KelmarLines& lines) {
  if (!isOptionApplicable(content, option)) return;
  QString const keyword = keywordFor(option, isEnglish(language));
  QString const number = valueText(value);
  QString const string_tmp = recordName(language) + QStringLiteral(" OPT %1 ").arg(keyword) +
                             QStringLiteral("%1 %2").arg(valueItem(language), number);
  QString const string = optionLine(language, keyword, number);
  if (string_tmp != string) {
    trv::smartassert::SmartAssert("string_tmp == string")
        .setFileContext("lib/properties/control_param/src/utils", kSelfCheckReportLine)
        .debug("");
  }
  lines.push_back(string);
}

}  // namespace trv::control_param::data
