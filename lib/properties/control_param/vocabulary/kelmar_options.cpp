#include "lib/properties/control_param/vocabulary/kelmar_options.h"

#include <array>

#include "reports/host_reports.h"

namespace trv::control_param::data {
namespace {

using namespace option;

// What an option needs in the analysis model to apply: the ModelContent flag (or flags) that gate it.
enum class Needs { Always, Quads, Brics, Beams, Cables, Springs, QuadsAndBeams };

struct OptionEntry {
  KelmarOption id;
  char const* german;  // nullptr: the identifier has no keyword of its own
  char const* english;
  Needs needs;
};

// The option table, one row per identifier in order. "GEN " and "PLF " keep their trailing blank.
constexpr std::array<OptionEntry, kLastKelmarOption + 1> kOptionTable{{
    {kAxia, "ACHS", "AXIA", Needs::Beams},         {kAct, "ACT", "ACT", Needs::Always},
    {kEigen, "EIGE", "EIGE", Needs::Always},       {kAmax, "AMAX", "AMAX", Needs::Beams},
    {kAgen, "AGEN", "AGEN", Needs::Beams},         {kEtol, "ETOL", "ETOL", Needs::Beams},
    {kImax, "IMAX", "IMAX", Needs::Beams},         {kVred, "QRED", "VRED", Needs::Beams},
    {kSmoo, "AUSR", "SMOO", Needs::Beams},         {kInte, "INTE", "INTE", Needs::Beams},
    {kUsep, "AUSN", "USEP", Needs::Beams},         {kElim, "EGRE", "ELIM", Needs::Beams},
    {kPlab, "PLAB", "PLAB", Needs::QuadsAndBeams}, {kWarp, "WARP", "WARP", Needs::Always},
    {kSpri, "FEDE", "SPRI", Needs::Springs},       {kSpriDirection, nullptr, nullptr, Needs::Springs},
    {kSolv, "SOLV", "SOLV", Needs::Always},        {17, nullptr, nullptr, Needs::Always},
    {18, nullptr, nullptr, Needs::Always},         {19, nullptr, nullptr, Needs::Always},
    {20, nullptr, nullptr, Needs::Quads},          {21, nullptr, nullptr, Needs::Quads},
    {22, nullptr, nullptr, Needs::Always},         {kIter, "ITER", "ITER", Needs::Always},
    {24, nullptr, nullptr, Needs::Springs},        {25, nullptr, nullptr, Needs::Quads},
    {kFric, "TAU2", "FRIC", Needs::Quads},         {27, nullptr, nullptr, Needs::Quads},
    {kStii, "STII", "STII", Needs::Beams},         {kConc, "BETO", "CONC", Needs::Quads},
    {kBric, "BRIC", "BRIC", Needs::Brics},         {kCabl, "SEIL", "CABL", Needs::Cables},
    {32, nullptr, nullptr, Needs::Quads},          {33, nullptr, nullptr, Needs::Quads},
    {34, nullptr, nullptr, Needs::Quads},          {35, nullptr, nullptr, Needs::Always},
    {36, nullptr, nullptr, Needs::Always},         {kFach, "FACH", "FACH", Needs::Quads},
    {38, nullptr, nullptr, Needs::Quads},          {kTens, "QUER", "TENS", Needs::Quads},
    {kPfai, "DBRU", "PFAI", Needs::Quads},         {kWend, "WEND", "WEND", Needs::Quads},
    {kCott, "COTT", "COTT", Needs::Quads},         {kBubb, "HOHL", "BUBB", Needs::Quads},
    {kLay, nullptr, nullptr, Needs::Always},       {kDl, "EG", "DL", Needs::Always},
    {kBeam, "STAB", "BEAM", Needs::Always},        {kCrep, "KRIE", "CREP", Needs::Always},
    {kCreepCode, "EIGE", "EIGE", Needs::Always},   {kRelz, "RELZ", "RELZ", Needs::Always},
    {kCant, "KRAG", "CANT", Needs::Always},        {kCast, "GUSS", "CAST", Needs::Always},
    {kStor, "SPEI", "STOR", Needs::Always},        {kProb, "PROB", "PROB", Needs::Always},
    {kNmat, "NMAT", "NMAT", Needs::Always},        {kEmod, "EMOD", "EMOD", Needs::Always},
    {kGen, "GEN ", "GEN ", Needs::Always},         {kGenm, "GENM", "GENM", Needs::Always},
    {58, nullptr, nullptr, Needs::Always},         {kAfix, "AFIX", "AFIX", Needs::Always},
    {kStyp, "STYP", "STYP", Needs::Cables},        {kGdiv, "GDIV", "GDIV", Needs::Always},
    {kPlc, "PLF ", "PLC", Needs::Always},
}};

constexpr bool rowsInOrder() {
  for (std::size_t row = 0; row < kOptionTable.size(); ++row)
    if (kOptionTable[row].id != row) return false;
  return true;
}
static_assert(rowsInOrder(), "the option table has one row per identifier, in order");

bool holds(ModelContent const& content, Needs needs) {
  switch (needs) {
    case Needs::Always:
      return true;
    case Needs::Quads:
      return content.hasQuads;
    case Needs::Brics:
      return content.hasBrics;
    case Needs::Beams:
      return content.hasBeams;
    case Needs::Cables:
      return content.hasCables;
    case Needs::Springs:
      return content.hasSprings;
    case Needs::QuadsAndBeams:
      return content.hasQuads && content.hasBeams;
  }
  return true;
}

// The keywords of the option table as strings, German and English, made once (copies share them).
std::array<std::array<QString, 2>, kLastKelmarOption + 1> const& keywordTexts() {
  static std::array<std::array<QString, 2>, kLastKelmarOption + 1> const texts = [] {
    std::array<std::array<QString, 2>, kLastKelmarOption + 1> made;
    for (std::size_t option = 0; option < kOptionTable.size(); ++option)
      if (kOptionTable[option].german != nullptr)
        made[option] = {QString::fromLatin1(kOptionTable[option].german),
                        QString::fromLatin1(kOptionTable[option].english)};
    return made;
  }();
  return texts;
}

}  // namespace

bool isOptionApplicable(ModelContent const& content, KelmarOption option) {
  return option > kLastKelmarOption || holds(content, kOptionTable[option].needs);
}

QString keywordFor(KelmarOption option, bool english) {
  if (option <= kLastKelmarOption && kOptionTable[option].german != nullptr)
    return keywordTexts()[option][english ? 1 : 0];
  reportToHost("0 && \"Invalid option!\"", report_position::kInvalidOption);
  return QString();
}

}  // namespace trv::control_param::data
