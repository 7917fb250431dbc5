// KELMAR lines of the general finite-element analysis (program types 0, 1, 2, 3 and 10).
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

// The T-beam components as a sum of flags: moments 1, shear forces 2, axial forces 4, torsion 8.
std::int32_t tBeamComponents(ORIN_Control_Properties const& r) {
  return (r.moments ? 1 : 0) + (r.shearforces ? 2 : 0) + (r.axialforces ? 4 : 0) + (r.torsional ? 8 : 0);
}

// The spring eccentricity, plus 4 when the coupling spring keeps its direction; the exact sum, also for a
// stored value near the top of the 32-bit range.
std::int64_t springValue(ORIN_Control_Properties const& r) {
  return std::int64_t{number(r.spri)} + (r.spri_direction ? 4 : 0);
}

void appendSolver(ORIN_Control_Properties const& r, KeywordLanguage language, KelmarLines& lines) {
  appendOptionLine(language, option::kSolv, number(r.solv), lines);
}

void appendBaseSet(ORIN_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  if (r.t_custom) appendOptionLine(language, option::kPlab, tBeamComponents(r), content, lines);
  appendOptionLine(language, option::kWarp, number(r.warp), content, lines);
  appendOptionLine(language, option::kSpri, springValue(r), content, lines);
  if (r.solv != ORIN_SOLV::SparseSolver) appendSolver(r, language, lines);
}

void appendFriction(ORIN_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                    KelmarLines& lines) {
  appendOptionLine(language, option::kFric, r.fric, content, lines);
}

void appendIterationSet(ORIN_Control_Properties const& r, ModelContent const& content,
                        KeywordLanguage language, KelmarLines& lines) {
  if (r.iter != ORIN_ITER::Automatic) {
    appendOptionLine(language, option::kIter, number(r.iter), content, lines);
  }
  appendFriction(r, content, language, lines);
  appendOptionLine(language, option::kBric, r.bric, content, lines);
  appendOptionLine(language, option::kCabl, r.cabl, content, lines);
}

}  // namespace

template <>
KelmarLines moduleLines<ORIN_Control_Properties>(ProgrammTypes type, ORIN_Control_Properties const& record,
                                                 ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  // The lines and the inspector differ on `fric` on purpose: ORIN_B writes it but does not show it, ORIN_C
  // shows it but does not write it, ORIN_D shows and writes it (the inspector's rule table in
  // applicability.cpp says the same).
  switch (type) {
    case ORIN_A:
    case ORIN_C:
      appendBaseSet(record, content, language, lines);
      break;
    case ORIN_B:
      appendBaseSet(record, content, language, lines);
      appendIterationSet(record, content, language, lines);
      break;
    case ORIN_D:
      appendBaseSet(record, content, language, lines);
      appendFriction(record, content, language, lines);
      break;
    case ORIN_E:
      appendSolver(record, language, lines);
      break;
    default:
      break;
  }
  return lines;
}

}  // namespace trv::control_param::data
