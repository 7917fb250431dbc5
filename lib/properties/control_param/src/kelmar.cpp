#include "lib/properties/control_param/src/kelmar.h"

#include <stdexcept>

namespace trv::control_param::data {

// The record name table has one entry per language; any other value is refused before anything is written.
KeywordLanguage checkedLanguage(int language) {
  if (language != kGerman && language != kEnglish)
    throw std::invalid_argument("Keyword language must be 0 (German) or 1 (English).");
  return language;
}

}  // namespace trv::control_param::data
