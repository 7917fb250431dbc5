// KELMAR lines of the cross-section analysis and design (program types 4 and 5).
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

// The interaction, plus 4 for non-linear strains; the exact sum, also near the top of the 32-bit range.
std::int64_t interactionValue(PELU_Control_Properties const& r) {
  return std::int64_t{number(r.inte)} + (r.non_lin_strain ? 4 : 0);
}

}  // namespace

template <>
KelmarLines moduleLines<PELU_Control_Properties>(ProgrammTypes type, PELU_Control_Properties const& record,
                                                 ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  if (type != PELU_A && type != PELU_B) return lines;
  if (record.axia > 0) {
    appendOptionLine(language, option::kAxia, number(record.axia), content, lines);
  }
  appendOptionLine(language, option::kVred, record.vred, content, lines);
  appendOptionLine(language, option::kSmoo, record.smoo, content, lines);
  if (record.inte != PELU_INTE::Automatic) {
    appendOptionLine(language, option::kInte, interactionValue(record), content, lines);
  }
  appendOptionLine(language, option::kUsep, record.usep, content, lines);
  return lines;
}

}  // namespace trv::control_param::data
