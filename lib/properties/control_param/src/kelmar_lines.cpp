#include "lib/properties/control_param/src/kelmar_lines.h"

#include <array>
#include <utility>

#include <QStringBuilder>

#include "reports/host_reports.h"

namespace trv::control_param::data {
namespace {

// The record names, made when the library is loaded.
const std::array<QString, 2> kRecordNames{QStringLiteral("STEU"), QStringLiteral("CTRL")};

bool isEnglish(KeywordLanguage language) {
  return language != kGerman;
}

// The parts joined by single blanks, made in one allocation.
QString optionLine(KeywordLanguage language, QString const& keyword, QLatin1String value) {
  return recordName(language) % QLatin1String(" OPT ") % keyword % QLatin1Char(' ') % valueItem(language) %
         QLatin1Char(' ') % value;
}

QString recordLine(KeywordLanguage language, QString const& keyword, QLatin1String value) {
  return recordName(language) % QLatin1Char(' ') % keyword % QLatin1Char(' ') % value;
}

// The same line from its pattern "<name> OPT <keyword> <item> <value>", appended piece by piece into one
// buffer of the final size.
QString optionLineFromPattern(KeywordLanguage language, QString const& keyword, QLatin1String value) {
  QString const& name = recordName(language);
  QLatin1String const item = valueItem(language);
  QString line;
  line.reserve(name.size() + 5 + keyword.size() + 1 + item.size() + 1 + value.size());
  line.append(name).append(QLatin1String(" OPT ")).append(keyword).append(QLatin1Char(' '));
  line.append(item).append(QLatin1Char(' ')).append(value);
  return line;
}

// The keyword of a line in `language`.
QString keywordText(KeywordLanguage language, LineKeyword const& keyword) {
  return keyword.ownText.data() == nullptr ? data::keyword(keyword.option, language)
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

QLatin1String valueItem(KeywordLanguage language) {
  return isEnglish(language) ? QLatin1String("VAL") : QLatin1String("WERT");
}

QLatin1String inLanguageText(KeywordLanguage language, char const* german, char const* english) {
  return QLatin1String(isEnglish(language) ? english : german);
}

QString keyword(KelmarOption option, KeywordLanguage language) {
  return keywordFor(option, isEnglish(language));
}

void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword, std::int64_t value,
                      ModelContent const& content, KelmarLines& lines) {
  if (isOptionApplicable(content, keyword.option))
    lines.push_back(recordLine(language, keywordText(language, keyword), valueChars(value).view()));
}

void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<double> const& value, ModelContent const& content, KelmarLines& lines) {
  if (value && isOptionApplicable(content, keyword.option)) {
    lines.push_back(recordLine(language, keywordText(language, keyword), valueChars(*value).view()));
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
    reportToHost("string_tmp == string", report_position::kOptionLineSelfCheck);
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
    lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(*value).view()));
  }
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, std::int32_t value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(value).view()));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, QLatin1String value,
                      KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), value));
}

void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, bool value, KelmarLines& lines) {
  lines.push_back(optionLine(language, keywordText(language, keyword), valueChars(value).view()));
}

}  // namespace trv::control_param::data
