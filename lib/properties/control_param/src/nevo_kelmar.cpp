// KELMAR lines of the beam and frame statics: the tolerances (program type 6) or all options (type 7).
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

constexpr KelmarOption kGen = 56;
constexpr KelmarOption kGenm = 57;
constexpr KelmarOption kAfix = 59;
constexpr KelmarOption kStyp = 60;
constexpr KelmarOption kGdiv = 61;
constexpr KelmarOption kPlc = 62;

void appendToleranceSet(NEVO_Control_Properties const& r, ModelContent const& content,
                        KeywordLanguage language, KelmarLines& lines) {
  appendOptionLine(language, keyword(kGen, language), r.gen, content, kGen, lines);
  appendOptionLine(language, keyword(kGenm, language), r.genm, content, kGenm, lines);
}

void appendFullSet(NEVO_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendToleranceSet(r, content, language, lines);
  appendOptionLine(language, keyword(kAfix, language), r.afix, content, kAfix, lines);
  appendOptionLine(language, keyword(kStyp, language), r.styp, content, kStyp, lines);
  appendOptionLine(language, keyword(kGdiv, language), r.gdiv, content, kGdiv, lines);
  appendOptionLine(language, keyword(kPlc, language), r.plc, content, kPlc, lines);
}

}  // namespace

KelmarLines moduleLines(ProgrammTypes type, NEVO_Control_Properties const& record,
                        ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  if (type == NEVO_A) appendToleranceSet(record, content, language, lines);
  if (type == NEVO_B) appendFullSet(record, content, language, lines);
  return lines;
}

}  // namespace trv::control_param::data
