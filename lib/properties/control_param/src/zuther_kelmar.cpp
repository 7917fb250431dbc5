// KELMAR lines of the area design of concrete members: all options (program type 8) or the layer and
// specialist-report options only (type 9). Zuther writes plain record lines.
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

constexpr KelmarOption kFach = 37;
constexpr KelmarOption kTens = 39;
constexpr KelmarOption kPfai = 40;
constexpr KelmarOption kWend = 41;
constexpr KelmarOption kCott = 42;
constexpr KelmarOption kBubb = 43;
constexpr KelmarOption kLay = 44;  // no keyword in the option table: "LAY" in both languages

void appendLayer(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                 KelmarLines& lines) {
  if (r.lay != LAY::Automatic) {
    appendRecordLine(language, QStringLiteral("LAY"), number(r.lay), content, kLay, lines);
  }
}

void appendReports(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendRecordLine(language, keyword(kFach, language), number(r.fach), content, kFach, lines);
}

void appendFullSet(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendLayer(r, content, language, lines);
  appendRecordLine(language, keyword(kBubb, language), r.bubb, content, kBubb, lines);
  appendRecordLine(language, keyword(kCott, language), r.cott, content, kCott, lines);
  appendRecordLine(language, keyword(kWend, language), r.wend, content, kWend, lines);
  if (r.pfai != PFAI::Automatic) {
    appendRecordLine(language, keyword(kPfai, language), number(r.pfai), content, kPfai, lines);
  }
  appendRecordLine(language, keyword(kTens, language), r.tens, content, kTens, lines);
  appendReports(r, content, language, lines);
}

}  // namespace

KelmarLines moduleLines(ProgrammTypes type, Zuther_Control_Properties const& record,
                        ModelContent const& content, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  if (type == Zuther_A) appendFullSet(record, content, language, lines);
  if (type == Zuther_B) {
    appendLayer(record, content, language, lines);
    appendReports(record, content, language, lines);
  }
  return lines;
}

}  // namespace trv::control_param::data
