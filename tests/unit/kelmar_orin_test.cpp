// KELMAR lines of the general finite-element analysis, by program type, model and language.
#include <functional>

#include <gtest/gtest.h>

#include "lib/properties/control_param/src/kelmar.h"
#include "tests/unit/kelmar_test_support.h"

namespace trv::control_param::data {
namespace {

using namespace kelmar_test;
using Record = ORIN_Control_Properties;
using Edit = std::function<void(Record&)>;

struct Case {
  char const* name;
  ProgrammTypes type;
  Edit edit;
  ModelContent content;
  int language;
  Lines expected;
};

const Edit kDefaults = [](Record&) {};

// Every optional value set, every switch turned away from its default.
const Edit kAllSet = [](Record& r) {
  r.t_custom = true;
  r.moments = true;
  r.torsional = true;
  r.warp = ORIN_WARP::Active;
  r.spri = ORIN_SPRI::NoEccentricity;
  r.spri_direction = false;
  r.solv = ORIN_SOLV::ParallelSparseSolver;
  r.iter = ORIN_ITER::Linesearch;
  r.fric = 2.5;
  r.bric = 7;
  r.cabl = 1.234e-7;
};

const Case kCases[] = {
    {"defaults with springs",
     ORIN_A,
     kDefaults,
     springs(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}},
    {"defaults without springs", ORIN_A, kDefaults, nothing(), kDe, {"STEU OPT WARP WERT 0"}},
    {"defaults english", ORIN_A, kDefaults, springs(), kEn, {"CTRL OPT WARP VAL 0", "CTRL OPT SPRI VAL 12"}},
    {"defaults full model",
     ORIN_A,
     kDefaults,
     everything(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}},
    {"type 2 like type 0",
     ORIN_C,
     kDefaults,
     springs(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}},
    {"warp active",
     ORIN_A,
     [](Record& r) { r.warp = ORIN_WARP::Active; },
     nothing(),
     kEn,
     {"CTRL OPT WARP VAL 1"}},
    // T-beam components and their double gate.
    {"t-beam custom without components",
     ORIN_A,
     [](Record& r) { r.t_custom = true; },
     quadsAndBeams(),
     kDe,
     {"STEU OPT PLAB WERT 0", "STEU OPT WARP WERT 0"}},
    {"t-beam without quads",
     ORIN_A,
     [](Record& r) { r.t_custom = true; },
     {false, true, true, true, true},
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}},
    {"t-beam without beams",
     ORIN_A,
     [](Record& r) { r.t_custom = true; },
     {true, true, false, true, false},
     kDe,
     {"STEU OPT WARP WERT 0"}},
    {"t-beam components but not custom",
     ORIN_A,
     [](Record& r) { r.moments = r.shearforces = r.axialforces = r.torsional = true; },
     quadsAndBeams(),
     kDe,
     {"STEU OPT WARP WERT 0"}},
    // Springs.
    {"spring 1 keeping direction",
     ORIN_A,
     [](Record& r) { r.spri = ORIN_SPRI::EccentricityInAnyCase; },
     springs(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 5"}},
    {"spring 1 not keeping direction",
     ORIN_A,
     [](Record& r) {
       r.spri = ORIN_SPRI::EccentricityInAnyCase;
       r.spri_direction = false;
     },
     springs(),
     kEn,
     {"CTRL OPT WARP VAL 0", "CTRL OPT SPRI VAL 1"}},
    {"spring 0 keeping direction",
     ORIN_A,
     [](Record& r) { r.spri = ORIN_SPRI::NoEccentricity; },
     springs(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 4"}},
    {"spring automatic not keeping direction",
     ORIN_A,
     [](Record& r) { r.spri_direction = false; },
     springs(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 8"}},
    // Solver.
    {"solver 0 written",
     ORIN_A,
     [](Record& r) { r.solv = ORIN_SOLV::NoSolutionProcess; },
     nothing(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT SOLV WERT 0"}},
    {"solver 2 after springs",
     ORIN_C,
     [](Record& r) { r.solv = ORIN_SOLV::IterativeEquationSolver; },
     springs(),
     kEn,
     {"CTRL OPT WARP VAL 0", "CTRL OPT SPRI VAL 12", "CTRL OPT SOLV VAL 2"}},
    {"sparse solver not written by type 3", ORIN_D, kDefaults, nothing(), kDe, {"STEU OPT WARP WERT 0"}},
    {"type 10 writes sparse solver", ORIN_E, kDefaults, everything(), kEn, {"CTRL OPT SOLV VAL 3"}},
    {"type 10 writes solver only", ORIN_E, kAllSet, everything(), kDe, {"STEU OPT SOLV WERT 4"}},
    // Iteration set (type 1).
    {"type 1 defaults",
     ORIN_B,
     kDefaults,
     everything(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}},
    {"type 1 crisfield",
     ORIN_B,
     [](Record& r) { r.iter = ORIN_ITER::Crisfield; },
     nothing(),
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT ITER WERT 0"}},
    {"type 1 all set german",
     ORIN_B,
     kAllSet,
     everything(),
     kDe,
     {"STEU OPT PLAB WERT 9", "STEU OPT WARP WERT 1", "STEU OPT FEDE WERT 0", "STEU OPT SOLV WERT 4",
      "STEU OPT ITER WERT 3", "STEU OPT TAU2 WERT 2.5", "STEU OPT BRIC WERT 7",
      "STEU OPT SEIL WERT 1.234e-07"}},
    {"type 1 all set english",
     ORIN_B,
     kAllSet,
     everything(),
     kEn,
     {"CTRL OPT PLAB VAL 9", "CTRL OPT WARP VAL 1", "CTRL OPT SPRI VAL 0", "CTRL OPT SOLV VAL 4",
      "CTRL OPT ITER VAL 3", "CTRL OPT FRIC VAL 2.5", "CTRL OPT BRIC VAL 7", "CTRL OPT CABL VAL 1.234e-07"}},
    {"type 1 all set empty model",
     ORIN_B,
     kAllSet,
     nothing(),
     kDe,
     {"STEU OPT WARP WERT 1", "STEU OPT SOLV WERT 4", "STEU OPT ITER WERT 3"}},
    {"type 1 zero values",
     ORIN_B,
     [](Record& r) {
       r.fric = 0.0;
       r.bric = 0;
       r.cabl = 0.0;
     },
     {true, true, false, true, false},
     kDe,
     {"STEU OPT WARP WERT 0", "STEU OPT TAU2 WERT 0", "STEU OPT BRIC WERT 0", "STEU OPT SEIL WERT 0"}},
    {"type 1 only bricks",
     ORIN_B,
     kAllSet,
     brics(),
     kEn,
     {"CTRL OPT WARP VAL 1", "CTRL OPT SOLV VAL 4", "CTRL OPT ITER VAL 3", "CTRL OPT BRIC VAL 7"}},
    // Friction line (type 3) and its absence in type 2.
    {"type 3 friction",
     ORIN_D,
     kAllSet,
     quads(),
     kDe,
     {"STEU OPT WARP WERT 1", "STEU OPT SOLV WERT 4", "STEU OPT TAU2 WERT 2.5"}},
    {"type 3 large friction",
     ORIN_D,
     [](Record& r) { r.fric = 1234567.0; },
     quads(),
     kEn,
     {"CTRL OPT WARP VAL 0", "CTRL OPT FRIC VAL 1.23457e+06"}},
    {"type 3 friction without quads",
     ORIN_D,
     [](Record& r) { r.fric = 0.1; },
     beams(),
     kDe,
     {"STEU OPT WARP WERT 0"}},
    {"type 2 ignores iteration set",
     ORIN_C,
     kAllSet,
     everything(),
     kDe,
     {"STEU OPT PLAB WERT 9", "STEU OPT WARP WERT 1", "STEU OPT FEDE WERT 0", "STEU OPT SOLV WERT 4"}},
    // Program types of other modules.
    {"type 4", PELU_A, kAllSet, everything(), kDe, {}},
    {"type 11", BRAX_A, kAllSet, everything(), kDe, {}},
    {"type 12", static_cast<ProgrammTypes>(12), kAllSet, everything(), kDe, {}},
};

TEST(KelmarOrin, LinesByProgramTypeModelAndLanguage) {
  for (Case const& c : kCases) {
    Record record;
    c.edit(record);
    EXPECT_EQ(toStd(writeKelmar(c.type, record, c.content, c.language)), c.expected) << c.name;
  }
}

// The T-beam sum: moments 1, shear forces 2, axial forces 4, torsion 8.
struct TBeamCase {
  bool moments, shear, axial, torsion;
  char const* line;
};

const TBeamCase kTBeamCases[] = {
    {false, false, false, false, "STEU OPT PLAB WERT 0"}, {true, false, false, false, "STEU OPT PLAB WERT 1"},
    {false, true, false, false, "STEU OPT PLAB WERT 2"},  {true, true, false, false, "STEU OPT PLAB WERT 3"},
    {false, false, true, false, "STEU OPT PLAB WERT 4"},  {true, false, true, false, "STEU OPT PLAB WERT 5"},
    {false, true, true, false, "STEU OPT PLAB WERT 6"},   {true, true, true, false, "STEU OPT PLAB WERT 7"},
    {false, false, false, true, "STEU OPT PLAB WERT 8"},  {true, false, false, true, "STEU OPT PLAB WERT 9"},
    {false, true, false, true, "STEU OPT PLAB WERT 10"},  {true, true, false, true, "STEU OPT PLAB WERT 11"},
    {false, false, true, true, "STEU OPT PLAB WERT 12"},  {true, false, true, true, "STEU OPT PLAB WERT 13"},
    {false, true, true, true, "STEU OPT PLAB WERT 14"},   {true, true, true, true, "STEU OPT PLAB WERT 15"},
};

TEST(KelmarOrin, TBeamSumOfComponents) {
  for (TBeamCase const& c : kTBeamCases) {
    for (ProgrammTypes type : {ORIN_A, ORIN_B, ORIN_C, ORIN_D}) {
      Record record;
      record.t_custom = true;
      record.moments = c.moments;
      record.shearforces = c.shear;
      record.axialforces = c.axial;
      record.torsional = c.torsion;
      Lines const expected{c.line, "STEU OPT WARP WERT 0"};
      EXPECT_EQ(toStd(writeKelmar(type, record, quadsAndBeams(), kDe)), expected)
          << c.line << " type " << type;
    }
  }
}

}  // namespace
}  // namespace trv::control_param::data
