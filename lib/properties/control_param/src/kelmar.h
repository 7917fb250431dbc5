#pragma once
// The KELMAR control records of each module, chosen by the program type.

#include <vector>

#include <QString>

#include "lib/properties/control_param/src/kelmar_modules.h"
#include "lib/properties/control_param/vocabulary/ModelContent.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param::data {

// Refuses a keyword language other than 0 (German) and 1 (English): errors::unknownKeywordLanguage.
KeywordLanguage checkedLanguage(int language);

// The lines of `record` for `type`, `content` and `language`; nothing is written for a refused language.
template <typename Record>
std::vector<QString> writeKelmar(ProgrammTypes type, Record const& record, ModelContent const& content,
                                 int language) {
  return moduleLines(type, record, content, checkedLanguage(language));
}

}  // namespace trv::control_param::data
