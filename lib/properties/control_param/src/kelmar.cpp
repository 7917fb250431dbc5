#include "lib/properties/control_param/src/kelmar.h"

#include "lib/properties/control_param/src/errors.h"

namespace trv::control_param::data {

// The record name table has one entry per language; any other value is refused before anything is written.
KeywordLanguage checkedLanguage(int language) {
  if (language != kGerman && language != kEnglish) errors::unknownKeywordLanguage();
  return language;
}

}  // namespace trv::control_param::data
