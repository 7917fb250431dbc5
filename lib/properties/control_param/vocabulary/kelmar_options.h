#pragma once
// The KELMAR option vocabulary: the identifier of every control option, its keyword in both languages and
// the kind of element the analysis model must hold for it to apply. The KELMAR writers and the property
// filter of the inspector both read it.

#include <cstdint>

#include <QString>

#include "lib/properties/control_param/vocabulary/ModelContent.h"

namespace trv::control_param::data {

// Identifier of a KELMAR control option, 0 to 62.
using KelmarOption = std::uint32_t;

// The language switch of getKELMAR: 0 German, 1 English.
using KeywordLanguage = int;
constexpr KeywordLanguage kGerman = 0;
constexpr KeywordLanguage kEnglish = 1;

// The options by name. Identifiers that no module writes or shows have no name; the table in
// kelmar_options.cpp lists all of them.
namespace option {
constexpr KelmarOption kAxia = 0;
constexpr KelmarOption kAct = 1;
constexpr KelmarOption kEigen = 2;
constexpr KelmarOption kAmax = 3;
constexpr KelmarOption kAgen = 4;
constexpr KelmarOption kEtol = 5;
constexpr KelmarOption kImax = 6;
constexpr KelmarOption kVred = 7;
constexpr KelmarOption kSmoo = 8;
constexpr KelmarOption kInte = 9;
constexpr KelmarOption kUsep = 10;
constexpr KelmarOption kElim = 11;
constexpr KelmarOption kPlab = 12;  // the T-beam components
constexpr KelmarOption kWarp = 13;
constexpr KelmarOption kSpri = 14;
constexpr KelmarOption kSpriDirection = 15;  // no keyword: shown by the inspector only
constexpr KelmarOption kSolv = 16;
constexpr KelmarOption kIter = 23;
constexpr KelmarOption kFric = 26;
constexpr KelmarOption kStii = 28;
constexpr KelmarOption kConc = 29;
constexpr KelmarOption kBric = 30;
constexpr KelmarOption kCabl = 31;
constexpr KelmarOption kFach = 37;
constexpr KelmarOption kTens = 39;
constexpr KelmarOption kPfai = 40;
constexpr KelmarOption kWend = 41;
constexpr KelmarOption kCott = 42;
constexpr KelmarOption kBubb = 43;
constexpr KelmarOption kLay = 44;  // no keyword: its writer supplies "LAY" in both languages
constexpr KelmarOption kDl = 45;
constexpr KelmarOption kBeam = 46;
constexpr KelmarOption kCrep = 47;
constexpr KelmarOption kCreepCode = 48;
constexpr KelmarOption kRelz = 49;
constexpr KelmarOption kCant = 50;
constexpr KelmarOption kCast = 51;
constexpr KelmarOption kStor = 52;
constexpr KelmarOption kProb = 53;
constexpr KelmarOption kNmat = 54;
constexpr KelmarOption kEmod = 55;
constexpr KelmarOption kGen = 56;
constexpr KelmarOption kGenm = 57;
constexpr KelmarOption kAfix = 59;
constexpr KelmarOption kStyp = 60;
constexpr KelmarOption kGdiv = 61;
constexpr KelmarOption kPlc = 62;
}  // namespace option

// The highest identifier of the option table.
constexpr KelmarOption kLastKelmarOption = option::kPlc;

// Whether the option applies to an analysis model holding `content`. Identifiers above 60 always apply.
bool isOptionApplicable(ModelContent const& content, KelmarOption option);

// The option's keyword in the chosen language. For an identifier without a keyword a failed condition is
// reported and an empty string returned.
QString keywordFor(KelmarOption option, bool english);

}  // namespace trv::control_param::data
