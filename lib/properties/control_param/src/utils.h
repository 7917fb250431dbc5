#pragma once
// The KELMAR option table: identifiers, keywords in both languages and which analysis model each option
// applies to. The property filter of the inspector uses the same applicability rule.

#include <cstdint>

#include <QString>

#include "lib/properties/control_param/src/ModelContent.h"

namespace trv::control_param::data {

// Identifier of a KELMAR control option, 0 to 62.
using KelmarOption = std::uint32_t;

// The language switch of getKELMAR: 0 German, 1 English.
using KeywordLanguage = int;
constexpr KeywordLanguage kGerman = 0;
constexpr KeywordLanguage kEnglish = 1;

// The highest identifier of the option table.
constexpr KelmarOption kLastKelmarOption = 62;

// Whether the option applies to an analysis model holding `content`. Identifiers above 60 always apply.
bool isOptionApplicable(ModelContent const& content, KelmarOption option);

// The option's keyword in the chosen language. For an identifier without a keyword a failed condition is
// reported and an empty string returned.
QString keywordFor(KelmarOption option, bool english);

}  // namespace trv::control_param::data
