// The writer dispatch shared by all modules: the keyword language is checked once, then the module's line
// set for the program type is written.
#include "lib/properties/control_param/src/kelmar.h"

#include <stdexcept>

#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

// The record name table has one entry per language; any other value is refused before anything is written.
KeywordLanguage checkedLanguage(int language) {
  if (language != kGerman && language != kEnglish) {
    throw std::invalid_argument("Keyword language must be 0 (German) or 1 (English).");
  }
  return language;
}

template <typename Record>
std::vector<QString> checkedLines(ProgrammTypes type, Record const& record, ModelContent const& content,
                                  int language) {
  KeywordLanguage const checked = checkedLanguage(language);
  return moduleLines(type, record, content, checked);
}

}  // namespace

std::vector<QString> writeKelmar(ProgrammTypes type, ORIN_Control_Properties const& record,
                                 ModelContent const& content, int language) {
  return checkedLines(type, record, content, language);
}
std::vector<QString> writeKelmar(ProgrammTypes type, PELU_Control_Properties const& record,
                                 ModelContent const& content, int language) {
  return checkedLines(type, record, content, language);
}
std::vector<QString> writeKelmar(ProgrammTypes type, NEVO_Control_Properties const& record,
                                 ModelContent const& content, int language) {
  return checkedLines(type, record, content, language);
}
std::vector<QString> writeKelmar(ProgrammTypes type, Zuther_Control_Properties const& record,
                                 ModelContent const& content, int language) {
  return checkedLines(type, record, content, language);
}
std::vector<QString> writeKelmar(ProgrammTypes type, BRAX_Control_Properties const& record,
                                 ModelContent const& content, int language) {
  return checkedLines(type, record, content, language);
}

}  // namespace trv::control_param::data
