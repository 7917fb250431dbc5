// KELMAR lines of the beam and frame statics: the tolerances (program type 6) or all options (type 7).
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

void appendToleranceSet(NEVO_Control_Properties const& r, ModelContent const& content,
                        KeywordLanguage language, KelmarLines& lines) {
  appendOptionLine(language, option::kGen, r.gen, content, lines);
  appendOptionLine(language, option::kGenm, r.genm, content, lines);
}

void appendFullSet(NEVO_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendToleranceSet(r, content, language, lines);
  appendOptionLine(language, option::kAfix, r.afix, content, lines);
  appendOptionLine(language, option::kStyp, r.styp, content, lines);
  appendOptionLine(language, option::kGdiv, r.gdiv, content, lines);
  appendOptionLine(language, option::kPlc, r.plc, content, lines);
}

}  // namespace

template <>
KelmarLines moduleLines<NEVO_Control_Properties>(ProgrammTypes type, NEVO_Control_Properties const& record,
                                                 ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  if (type == NEVO_A) appendToleranceSet(record, content, language, lines);
  if (type == NEVO_B) appendFullSet(record, content, language, lines);
  return lines;
}

}  // namespace trv::control_param::data
