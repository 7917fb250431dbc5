#include "lib/properties/control_param/src/utils.h"

#include <array>

#include "host/trv_assert/SmartAssert.h"

namespace trv::control_param::data {
namespace {

// What an option needs in the analysis model to apply.
enum class Needs { Always, Quads, Brics, Beams, Cables, Springs, QuadsAndBeams };

struct OptionEntry {
  char const* german;  // nullptr: the identifier has no keyword of its own
  char const* english;
  Needs needs;
};

// The option table, indexed by identifier. "GEN " and "PLF " keep their trailing blank.
constexpr std::array<OptionEntry, kLastKelmarOption + 1> kOptionTable{{
    {"ACHS", "AXIA", Needs::Beams},          // 0
    {"ACT", "ACT", Needs::Always},           // 1
    {"EIGE", "EIGE", Needs::Always},         // 2
    {"AMAX", "AMAX", Needs::Beams},          // 3
    {"AGEN", "AGEN", Needs::Beams},          // 4
    {"ETOL", "ETOL", Needs::Beams},          // 5
    {"IMAX", "IMAX", Needs::Beams},          // 6
    {"QRED", "VRED", Needs::Beams},          // 7
    {"AUSR", "SMOO", Needs::Beams},          // 8
    {"INTE", "INTE", Needs::Beams},          // 9
    {"AUSN", "USEP", Needs::Beams},          // 10
    {"EGRE", "ELIM", Needs::Beams},          // 11
    {"PLAB", "PLAB", Needs::QuadsAndBeams},  // 12
    {"WARP", "WARP", Needs::Always},         // 13
    {"FEDE", "SPRI", Needs::Springs},        // 14
    {nullptr, nullptr, Needs::Springs},      // 15
    {"SOLV", "SOLV", Needs::Always},         // 16
    {nullptr, nullptr, Needs::Always},       // 17
    {nullptr, nullptr, Needs::Always},       // 18
    {nullptr, nullptr, Needs::Always},       // 19
    {nullptr, nullptr, Needs::Quads},        // 20
    {nullptr, nullptr, Needs::Quads},        // 21
    {nullptr, nullptr, Needs::Always},       // 22
    {"ITER", "ITER", Needs::Always},         // 23
    {nullptr, nullptr, Needs::Springs},      // 24
    {nullptr, nullptr, Needs::Quads},        // 25
    {"TAU2", "FRIC", Needs::Quads},          // 26
    {nullptr, nullptr, Needs::Quads},        // 27
    {"STII", "STII", Needs::Beams},          // 28
    {"BETO", "CONC", Needs::Quads},          // 29
    {"BRIC", "BRIC", Needs::Brics},          // 30
    {"SEIL", "CABL", Needs::Cables},         // 31
    {nullptr, nullptr, Needs::Quads},        // 32
    {nullptr, nullptr, Needs::Quads},        // 33
    {nullptr, nullptr, Needs::Quads},        // 34
    {nullptr, nullptr, Needs::Always},       // 35
    {nullptr, nullptr, Needs::Always},       // 36
    {"FACH", "FACH", Needs::Quads},          // 37
    {nullptr, nullptr, Needs::Quads},        // 38
    {"QUER", "TENS", Needs::Quads},          // 39
    {"DBRU", "PFAI", Needs::Quads},          // 40
    {"WEND", "WEND", Needs::Quads},          // 41
    {"COTT", "COTT", Needs::Quads},          // 42
    {"HOHL", "BUBB", Needs::Quads},          // 43
    {nullptr, nullptr, Needs::Always},       // 44
    {"EG", "DL", Needs::Always},             // 45
    {"STAB", "BEAM", Needs::Always},         // 46
    {"KRIE", "CREP", Needs::Always},         // 47
    {"EIGE", "EIGE", Needs::Always},         // 48
    {"RELZ", "RELZ", Needs::Always},         // 49
    {"KRAG", "CANT", Needs::Always},         // 50
    {"GUSS", "CAST", Needs::Always},         // 51
    {"SPEI", "STOR", Needs::Always},         // 52
    {"PROB", "PROB", Needs::Always},         // 53
    {"NMAT", "NMAT", Needs::Always},         // 54
    {"EMOD", "EMOD", Needs::Always},         // 55
    {"GEN ", "GEN ", Needs::Always},         // 56
    {"GENM", "GENM", Needs::Always},         // 57
    {nullptr, nullptr, Needs::Always},       // 58
    {"AFIX", "AFIX", Needs::Always},         // 59
    {"STYP", "STYP", Needs::Cables},         // 60
    {"GDIV", "GDIV", Needs::Always},         // 61
    {"PLF ", "PLC", Needs::Always},          // 62
}};

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

// Position under which a missing keyword is reported in the host's assertion log.
constexpr int kInvalidOptionReportLine = 651;

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
  trv::smartassert::SmartAssert("0 && \"Invalid option!\"")
      .setFileContext("lib/properties/control_param/src/utils", kInvalidOptionReportLine)
      .debug("");
  return QString();
}

}  // namespace trv::control_param::data
