// KELMAR lines of the construction-stage analysis (program type 11). Every option is written whatever the
// model holds; most enumerations are written as keyword values, and the analysis type as a record of its
// own that refers to the iteration count of the run.
#include "lib/properties/control_param/src/kelmar_modules.h"

#include <QStringBuilder>

namespace trv::control_param::data {
namespace {

constexpr KelmarOption kDeadLoad = 45;
constexpr KelmarOption kBeam = 46;
constexpr KelmarOption kCreep = 47;
constexpr KelmarOption kCreepCode = 48;
constexpr KelmarOption kRelaxation = 49;
constexpr KelmarOption kCantilever = 50;
constexpr KelmarOption kCasting = 51;
constexpr KelmarOption kStore = 52;
constexpr KelmarOption kProblem = 53;
constexpr KelmarOption kNonlinearMaterial = 54;
constexpr KelmarOption kElasticModulus = 55;

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
  return recordName(language) % QLatin1String(" OPT ") % keyword(kProblem, language) % blank %
         valueItem(language) % blank % problemText(value) % blank % inLanguageText(language, "W2", "V2") %
         QLatin1String(" $(ITERATIONSNUMBER) ");
}

}  // namespace

KelmarLines moduleLines(ProgrammTypes /*type*/, BRAX_Control_Properties const& r,
                        ModelContent const& /*content*/, KeywordLanguage language) {
  KelmarLines lines = emptyLines();
  auto const text = [&](KelmarOption option, QLatin1String value) {
    appendOptionLine(language, keyword(option, language), value, lines);
  };
  auto const flag = [&](QString const& keywordText, bool value) {
    appendOptionLine(language, keywordText, value, lines);
  };
  text(kDeadLoad, activationText(r.dl, language));
  text(kBeam, beamText(r.beam));
  text(kCreep, creepText(r.crep));
  if (r.eige != BRAX_EIGE::ProjectDesignCode) text(kCreepCode, creepCodeText(r.eige));
  text(kRelaxation, activationText(r.relz, language));
  appendOptionLine(language, keyword(kCantilever, language), number(r.cant), lines);
  flag(keyword(kCasting, language), r.cast);
  flag(keyword(kStore, language), r.stor);
  lines.push_back(problemLine(r.prob, language));
  text(kNonlinearMaterial, nonlinearMaterialText(r.nmat, language));
  text(kElasticModulus, activationText(r.emod, language));
  flag(QStringLiteral("GPCS"), r.gpc);
  return lines;
}

}  // namespace trv::control_param::data
