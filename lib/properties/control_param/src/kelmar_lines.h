#pragma once
// The two forms of a KELMAR control record and the line writers shared by the module writers.
//
//   record line: <record name> <keyword> <value>                     "STEU FACH 1"
//   option line: <record name> OPT <keyword> <value item> <value>    "CTRL OPT WARP VAL 1"
//
// Gated writers append only when the option applies to the model (and, for optional values, when a value
// is present); ungated writers always append. Each writer appends at most one line.

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "lib/properties/control_param/src/ModelContent.h"
#include "lib/properties/control_param/src/utils.h"

namespace trv::control_param::data {

using KelmarLines = std::vector<QString>;

// "STEU" (German) or "CTRL" (English).
QString const& recordName(KeywordLanguage language);
// "WERT" (German) or "VAL" (English).
QString valueItem(KeywordLanguage language);
// The German or the English text, by language.
QString inLanguage(KeywordLanguage language, char const* german, char const* english);
QLatin1String inLanguageText(KeywordLanguage language, char const* german, char const* english);

// Value text: integers in base 10, reals in general format with six significant digits, booleans "1"/"0".
QString valueText(std::int32_t value);
QString valueText(double value);
QString valueText(bool value);

// Record lines, gated.
void appendRecordLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines);
void appendRecordLine(KeywordLanguage language, QString const& keyword, std::optional<double> const& value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines);

// Option lines, gated.
void appendOptionLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, QString const& keyword,
                      std::optional<std::int32_t> const& value, ModelContent const& content,
                      KelmarOption option, KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, QString const& keyword, std::optional<double> const& value,
                      ModelContent const& content, KelmarOption option, KelmarLines& lines);

// Option lines, ungated.
void appendOptionLine(KeywordLanguage language, QString const& keyword, std::int32_t value,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, QString const& keyword, QString const& value,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, QString const& keyword, QLatin1String value,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, QString const& keyword, bool value, KelmarLines& lines);

// An empty line set with room for the longest set of any module (12 lines), so that it grows only once.
KelmarLines emptyLines();

// Option line by identifier, gated: the keyword comes from the option table.
void appendOptionLine(KeywordLanguage language, KelmarOption option, std::int32_t value,
                      ModelContent const& content, KelmarLines& lines);

}  // namespace trv::control_param::data
