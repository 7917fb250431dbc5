// KELMAR lines of the cross-section analysis and design (program types 4 and 5).
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

constexpr KelmarOption kAxis = 0;
constexpr KelmarOption kShearReduction = 7;
constexpr KelmarOption kSmoothing = 8;
constexpr KelmarOption kInteraction = 9;
constexpr KelmarOption kUsage = 10;

// The interaction, plus 4 for non-linear strains.
std::int32_t interactionValue(PELU_Control_Properties const& r) {
  return number(r.inte) + (r.non_lin_strain ? 4 : 0);
}

}  // namespace

KelmarLines moduleLines(ProgrammTypes type, PELU_Control_Properties const& record,
                        ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  if (type != PELU_A && type != PELU_B) return lines;
  if (record.axia > 0) {
    appendOptionLine(language, keyword(kAxis, language), number(record.axia), content, kAxis, lines);
  }
  appendOptionLine(language, keyword(kShearReduction, language), record.vred, content, kShearReduction,
                   lines);
  appendOptionLine(language, keyword(kSmoothing, language), record.smoo, content, kSmoothing, lines);
  if (record.inte != PELU_INTE::Automatic) {
    appendOptionLine(language, keyword(kInteraction, language), interactionValue(record), content,
                     kInteraction, lines);
  }
  appendOptionLine(language, keyword(kUsage, language), record.usep, content, kUsage, lines);
  return lines;
}

}  // namespace trv::control_param::data
