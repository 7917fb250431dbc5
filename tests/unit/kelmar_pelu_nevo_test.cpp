// KELMAR lines of the cross-section module and the beam and frame statics.
#include <functional>

#include <gtest/gtest.h>

#include "lib/properties/control_param/src/kelmar.h"
#include "tests/unit/kelmar_test_support.h"

namespace trv::control_param::data {
namespace {

using namespace kelmar_test;

template <typename Record>
struct Case {
  char const* name;
  ProgrammTypes type;
  std::function<void(Record&)> edit;
  ModelContent content;
  int language;
  Lines expected;
};

template <typename Record>
void expectLines(Case<Record> const& c) {
  Record record;
  c.edit(record);
  EXPECT_EQ(toStd(writeKelmar(c.type, record, c.content, c.language)), c.expected) << c.name;
}

using PeluCase = Case<PELU_Control_Properties>;

void peluAllSet(PELU_Control_Properties& r) {
  r.axia = PELU_AXIA::UniaxialBending;
  r.vred = 0.5;
  r.smoo = 0;
  r.inte = PELU_INTE::Isotrope;
  r.usep = 1234567.0;
}

const PeluCase kPeluCases[] = {
    {"defaults", PELU_A, [](auto&) {}, everything(), kDe, {}},
    {"defaults english", PELU_B, [](auto&) {}, everything(), kEn, {}},
    {"all set german",
     PELU_A,
     peluAllSet,
     beams(),
     kDe,
     {"STEU OPT ACHS WERT 1", "STEU OPT QRED WERT 0.5", "STEU OPT AUSR WERT 0", "STEU OPT INTE WERT 5",
      "STEU OPT AUSN WERT 1.23457e+06"}},
    {"all set english",
     PELU_B,
     peluAllSet,
     everything(),
     kEn,
     {"CTRL OPT AXIA VAL 1", "CTRL OPT VRED VAL 0.5", "CTRL OPT SMOO VAL 0", "CTRL OPT INTE VAL 5",
      "CTRL OPT USEP VAL 1.23457e+06"}},
    {"all set without beams", PELU_A, peluAllSet, {true, true, false, true, true}, kDe, {}},
    {"axia 2",
     PELU_A,
     [](auto& r) { r.axia = PELU_AXIA::BiaxialBendingUnixialFibrePrincipalAxis; },
     beams(),
     kDe,
     {"STEU OPT ACHS WERT 2"}},
    {"axia 3",
     PELU_A,
     [](auto& r) { r.axia = PELU_AXIA::UniaxialBendingAllPrincipalAxis; },
     beams(),
     kEn,
     {"CTRL OPT AXIA VAL 3"}},
    {"axia -1", PELU_A, [](auto& r) { r.axia = PELU_AXIA::UniaxialBendingSymmetry; }, beams(), kDe, {}},
    {"axia -2",
     PELU_A,
     [](auto& r) { r.axia = PELU_AXIA::BiaxialBendingUnixialFibreYZSystem; },
     beams(),
     kDe,
     {}},
    {"axia -3", PELU_A, [](auto& r) { r.axia = PELU_AXIA::UniaxialBendingAllYZSystem; }, beams(), kDe, {}},
    {"inte 0 plus 4",
     PELU_A,
     [](auto& r) { r.inte = PELU_INTE::DoNotTake; },
     beams(),
     kDe,
     {"STEU OPT INTE WERT 4"}},
    {"inte 0 linear",
     PELU_A,
     [](auto& r) {
       r.inte = PELU_INTE::DoNotTake;
       r.non_lin_strain = false;
     },
     beams(),
     kDe,
     {"STEU OPT INTE WERT 0"}},
    {"inte 3 plus 4",
     PELU_B,
     [](auto& r) { r.inte = PELU_INTE::PreferenceOfShearStress; },
     beams(),
     kEn,
     {"CTRL OPT INTE VAL 7"}},
    {"inte 2 linear",
     PELU_B,
     [](auto& r) {
       r.inte = PELU_INTE::PrandtlFlow;
       r.non_lin_strain = false;
     },
     beams(),
     kEn,
     {"CTRL OPT INTE VAL 2"}},
    {"inte automatic", PELU_A, [](auto& r) { r.inte = PELU_INTE::Automatic; }, beams(), kDe, {}},
    {"zero reals and small value",
     PELU_A,
     [](auto& r) {
       r.vred = 0.0;
       r.usep = 0.00001;
     },
     beams(),
     kDe,
     {"STEU OPT QRED WERT 0", "STEU OPT AUSN WERT 1e-05"}},
    {"negative smoothing", PELU_A, [](auto& r) { r.smoo = -3; }, beams(), kEn, {"CTRL OPT SMOO VAL -3"}},
};

TEST(KelmarPelu, LinesByModelAndLanguage) {
  for (PeluCase const& c : kPeluCases) expectLines(c);
}

using NevoCase = Case<NEVO_Control_Properties>;

void nevoAllSet(NEVO_Control_Properties& r) {
  r.gen = 0.1;
  r.genm = 0.0;
  r.afix = 1;
  r.styp = 2;
  r.gdiv = 0;
  r.plc = 3;
}

const NevoCase kNevoCases[] = {
    {"tolerances defaults", NEVO_A, [](auto&) {}, everything(), kDe, {}},
    {"full defaults", NEVO_B, [](auto&) {}, everything(), kEn, {}},
    {"gen keeps its blank", NEVO_A, [](auto& r) { r.gen = 0.1; }, nothing(), kDe, {"STEU OPT GEN  WERT 0.1"}},
    {"genm english", NEVO_A, [](auto& r) { r.genm = 2.5; }, nothing(), kEn, {"CTRL OPT GENM VAL 2.5"}},
    {"tolerances ignore the rest",
     NEVO_A,
     nevoAllSet,
     everything(),
     kDe,
     {"STEU OPT GEN  WERT 0.1", "STEU OPT GENM WERT 0"}},
    {"full german",
     NEVO_B,
     nevoAllSet,
     cables(),
     kDe,
     {"STEU OPT GEN  WERT 0.1", "STEU OPT GENM WERT 0", "STEU OPT AFIX WERT 1", "STEU OPT STYP WERT 2",
      "STEU OPT GDIV WERT 0", "STEU OPT PLF  WERT 3"}},
    {"full english",
     NEVO_B,
     nevoAllSet,
     everything(),
     kEn,
     {"CTRL OPT GEN  VAL 0.1", "CTRL OPT GENM VAL 0", "CTRL OPT AFIX VAL 1", "CTRL OPT STYP VAL 2",
      "CTRL OPT GDIV VAL 0", "CTRL OPT PLC VAL 3"}},
    {"full without cables",
     NEVO_B,
     nevoAllSet,
     {true, true, true, false, true},
     kDe,
     {"STEU OPT GEN  WERT 0.1", "STEU OPT GENM WERT 0", "STEU OPT AFIX WERT 1", "STEU OPT GDIV WERT 0",
      "STEU OPT PLF  WERT 3"}},
    {"full large and small reals",
     NEVO_B,
     [](auto& r) {
       r.gen = 1234567.0;
       r.genm = 3.5e-9;
     },
     nothing(),
     kEn,
     {"CTRL OPT GEN  VAL 1.23457e+06", "CTRL OPT GENM VAL 3.5e-09"}},
    {"full plc only", NEVO_B, [](auto& r) { r.plc = 0; }, nothing(), kEn, {"CTRL OPT PLC VAL 0"}},
    {"other program type", Zuther_A, nevoAllSet, everything(), kDe, {}},
};

TEST(KelmarNevo, LinesByProgramTypeModelAndLanguage) {
  for (NevoCase const& c : kNevoCases) expectLines(c);
}

}  // namespace
}  // namespace trv::control_param::data
