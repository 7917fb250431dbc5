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

#include "lib/properties/control_param/src/kelmar_values.h"
#include "lib/properties/control_param/vocabulary/ModelContent.h"
#include "lib/properties/control_param/vocabulary/kelmar_options.h"

namespace trv::control_param::data {

using KelmarLines = std::vector<QString>;

// "STEU" (German) or "CTRL" (English), from the record name table.
QString const& recordName(KeywordLanguage language);
// "WERT" (German) or "VAL" (English).
QLatin1String valueItem(KeywordLanguage language);
// The German or the English text, by language.
QLatin1String inLanguageText(KeywordLanguage language, char const* german, char const* english);
// The keyword of `option` in `language`.
QString keyword(KelmarOption option, KeywordLanguage language);

// The keyword a line is written with: its option's keyword in the line's language, looked up by the writer,
// or, for a line whose keyword the option table does not hold (Zuther "LAY", BRAX "GPCS"), the writer's own
// text, the same in both languages.
struct LineKeyword {
  LineKeyword(KelmarOption option) : option(option) {}
  LineKeyword(KelmarOption option, QLatin1String ownText) : option(option), ownText(ownText) {}
  KelmarOption option;
  QLatin1String ownText;  // null: the option table's keyword
};

// An identifier beyond the option table, for a line that no option gates; it always applies.
constexpr KelmarOption kNoKelmarOption = kLastKelmarOption + 1;

// Record lines, gated by the option. The gated integer forms take 64 bits: some writers add a flag value to
// a stored 32-bit number and write the exact sum.
void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword, std::int64_t value,
                      ModelContent const& content, KelmarLines& lines);
void appendRecordLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<double> const& value, ModelContent const& content, KelmarLines& lines);

// Option lines, gated by the option. The integer line is built twice, from its pattern and by joining its
// parts, and the two are checked to agree.
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, std::int64_t value,
                      ModelContent const& content, KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<std::int32_t> const& value, ModelContent const& content,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword,
                      std::optional<double> const& value, ModelContent const& content, KelmarLines& lines);

// Option lines, ungated.
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, std::int32_t value,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, QLatin1String value,
                      KelmarLines& lines);
void appendOptionLine(KeywordLanguage language, LineKeyword const& keyword, bool value, KelmarLines& lines);

// An empty line set with room for the longest set of any module (12 lines), so that it grows only once.
KelmarLines emptyLines();

}  // namespace trv::control_param::data
