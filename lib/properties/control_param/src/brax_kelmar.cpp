// KELMAR lines of the construction-stage analysis (program type 11). Every option is written whatever the
// model holds; most enumerations are written as keyword values, and the analysis type as a record of its
// own that refers to the iteration count of the run.
#include "lib/properties/control_param/src/kelmar_modules.h"

#include <QStringBuilder>

namespace trv::control_param::data {
namespace {

QLatin1String activationText(BRAX_Activation value, KeywordLanguage language) {
  return value == BRAX_Activation::NoActivation ? inLanguageText(language, "AUS", "OFF")
                                                : QLatin1String("AUTO");
}

QLatin1String beamText(BRAX_BEAM value) {
  switch (value) {
    case BRAX_BEAM::Pelu:
      return QLatin1String("PELU");
    case BRAX_BEAM::Orin:
      return QLatin1String("ORIN");
    default:
      return QLatin1String("-");
  }
}

QLatin1String creepText(BRAX_CREP value) {
  return value == BRAX_CREP::Advanced ? QLatin1String("RCRE") : QLatin1String("STAN");
}

// Only for a code other than the project's design code.
QLatin1String creepCodeText(BRAX_EIGE value) {
  switch (value) {
    case BRAX_EIGE::FibModelCode:
      return QLatin1String("MC10");
    case BRAX_EIGE::CebFipModelCode:
      return QLatin1String("MC90");
    case BRAX_EIGE::RueschSummation:
      return QLatin1String("SUM");
    default:
      return QLatin1String("EN10");
  }
}

QLatin1String problemText(BRAX_PROB value) {
  switch (value) {
    case BRAX_PROB::IncludingNonlinearEffects:
      return QLatin1String("NONL");
    case BRAX_PROB::FullGeometricalNonlinearAnalysis:
      return QLatin1String("TH3");
    default:
      return QLatin1String("LINE");
  }
}

QLatin1String nonlinearMaterialText(BRAX_NMAT value, KeywordLanguage language) {
  return value == BRAX_NMAT::Inactive ? inLanguageText(language, "NEIN", "NO")
                                      : inLanguageText(language, "JA", "YES");
}

// The analysis-type record: its value, then the second value item and the iteration-count placeholder,
// which is left for later processing of the input; the record ends in a blank.
QString problemLine(BRAX_PROB value, KeywordLanguage language) {
  QLatin1Char const blank(' ');
  return recordName(language) % QLatin1String(" OPT ") % keyword(option::kProb, language) % blank %
         valueItem(language) % blank % problemText(value) % blank % inLanguageText(language, "W2", "V2") %
         QLatin1String(" $(ITERATIONSNUMBER) ");
}

}  // namespace

template <>
KelmarLines moduleLines<BRAX_Control_Properties>(ProgrammTypes /*type*/, BRAX_Control_Properties const& r,
                                                 ModelContent const& /*content*/, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  using namespace option;
  appendOptionLine(language, kDl, activationText(r.dl, language), lines);
  appendOptionLine(language, kBeam, beamText(r.beam), lines);
  appendOptionLine(language, kCrep, creepText(r.crep), lines);
  if (r.eige != BRAX_EIGE::ProjectDesignCode)
    appendOptionLine(language, kCreepCode, creepCodeText(r.eige), lines);
  appendOptionLine(language, kRelz, activationText(r.relz, language), lines);
  appendOptionLine(language, kCant, number(r.cant), lines);
  appendOptionLine(language, kCast, r.cast, lines);
  appendOptionLine(language, kStor, r.stor, lines);
  lines.push_back(problemLine(r.prob, language));
  appendOptionLine(language, kNmat, nonlinearMaterialText(r.nmat, language), lines);
  appendOptionLine(language, kEmod, activationText(r.emod, language), lines);
  appendOptionLine(language, {kNoKelmarOption, QLatin1String("GPCS")}, r.gpc, lines);
  return lines;
}

}  // namespace trv::control_param::data
