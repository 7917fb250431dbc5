// KELMAR lines of the area design of concrete members: all options (program type 8) or the layer and
// specialist-report options only (type 9). Zuther writes plain record lines.
#include "lib/properties/control_param/src/kelmar_modules.h"

namespace trv::control_param::data {
namespace {

void appendLayer(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                 KelmarLines& lines) {
  if (r.lay != LAY::Automatic) {
    appendRecordLine(language, {option::kLay, QLatin1String("LAY")}, number(r.lay), content, lines);
  }
}

void appendReports(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendRecordLine(language, option::kFach, number(r.fach), content, lines);
}

void appendFullSet(Zuther_Control_Properties const& r, ModelContent const& content, KeywordLanguage language,
                   KelmarLines& lines) {
  appendLayer(r, content, language, lines);
  appendRecordLine(language, option::kBubb, r.bubb, content, lines);
  appendRecordLine(language, option::kCott, r.cott, content, lines);
  appendRecordLine(language, option::kWend, r.wend, content, lines);
  if (r.pfai != PFAI::Automatic) {
    appendRecordLine(language, option::kPfai, number(r.pfai), content, lines);
  }
  appendRecordLine(language, option::kTens, r.tens, content, lines);
  appendReports(r, content, language, lines);
}

}  // namespace

template <>
KelmarLines moduleLines<Zuther_Control_Properties>(ProgrammTypes type,
                                                   Zuther_Control_Properties const& record,
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
