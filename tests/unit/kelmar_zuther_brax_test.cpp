// KELMAR lines of the area design of concrete members (record lines) and of the construction-stage
// analysis (keyword values and the analysis-type record).
#include <functional>

#include <gtest/gtest.h>

#include "lib/properties/control_param/src/kelmar.h"
#include "tests/unit/kelmar_test_support.h"

namespace trv::control_param::data {
namespace {

using namespace kelmar_test;

struct ZutherCase {
  char const* name;
  ProgrammTypes type;
  std::function<void(Zuther_Control_Properties&)> edit;
  ModelContent content;
  int language;
  Lines expected;
};

void zutherAllSet(Zuther_Control_Properties& r) {
  r.lay = LAY::LayerDesign;
  r.bubb = 0.1;
  r.cott = 2.5;
  r.wend = 0.0;
  r.pfai = PFAI::Compression;
  r.tens = 0.00001;
  r.fach = Fach_Berichte::Consideration;
}

const ZutherCase kZutherCases[] = {
    {"full defaults with quads", Zuther_A, [](auto&) {}, quads(), kDe, {"STEU FACH 0"}},
    {"full defaults english", Zuther_A, [](auto&) {}, everything(), kEn, {"CTRL FACH 0"}},
    {"full defaults without quads", Zuther_A, [](auto&) {}, {false, true, true, true, true}, kDe, {}},
    {"full german",
     Zuther_A,
     zutherAllSet,
     quads(),
     kDe,
     {"STEU LAY 1", "STEU HOHL 0.1", "STEU COTT 2.5", "STEU WEND 0", "STEU DBRU 2", "STEU QUER 1e-05",
      "STEU FACH 1"}},
    {"full english",
     Zuther_A,
     zutherAllSet,
     everything(),
     kEn,
     {"CTRL LAY 1", "CTRL BUBB 0.1", "CTRL COTT 2.5", "CTRL WEND 0", "CTRL PFAI 2", "CTRL TENS 1e-05",
      "CTRL FACH 1"}},
    {"full without quads", Zuther_A, zutherAllSet, nothing(), kDe, {"STEU LAY 1"}},
    {"pfai mechanical",
     Zuther_A,
     [](auto& r) { r.pfai = PFAI::Mechanical; },
     quads(),
     kDe,
     {"STEU DBRU 1", "STEU FACH 0"}},
    {"lay baumann and large real",
     Zuther_A,
     [](auto& r) {
       r.lay = LAY::Baumann;
       r.cott = 1234567.0;
     },
     quads(),
     kEn,
     {"CTRL LAY 0", "CTRL COTT 1.23457e+06", "CTRL FACH 0"}},
    {"short defaults with quads", Zuther_B, [](auto&) {}, quads(), kEn, {"CTRL FACH 0"}},
    {"short defaults without quads", Zuther_B, [](auto&) {}, nothing(), kDe, {}},
    {"short baumann without quads",
     Zuther_B,
     [](auto& r) { r.lay = LAY::Baumann; },
     nothing(),
     kDe,
     {"STEU LAY 0"}},
    {"short baumann with quads",
     Zuther_B,
     [](auto& r) { r.lay = LAY::Baumann; },
     quads(),
     kDe,
     {"STEU LAY 0", "STEU FACH 0"}},
    {"short ignores the rest", Zuther_B, zutherAllSet, everything(), kDe, {"STEU LAY 1", "STEU FACH 1"}},
    {"other program type", NEVO_B, zutherAllSet, everything(), kDe, {}},
};

TEST(KelmarZuther, RecordLinesByProgramTypeModelAndLanguage) {
  for (ZutherCase const& c : kZutherCases) {
    Zuther_Control_Properties record;
    c.edit(record);
    EXPECT_EQ(toStd(writeKelmar(c.type, record, c.content, c.language)), c.expected) << c.name;
  }
}

const Lines kBraxDefaultsDe{
    "STEU OPT EG WERT AUTO",   "STEU OPT STAB WERT -",
    "STEU OPT KRIE WERT RCRE", "STEU OPT RELZ WERT AUTO",
    "STEU OPT KRAG WERT 12",   "STEU OPT GUSS WERT 0",
    "STEU OPT SPEI WERT 1",    "STEU OPT PROB WERT LINE W2 $(ITERATIONSNUMBER) ",
    "STEU OPT NMAT WERT NEIN", "STEU OPT EMOD WERT AUTO",
    "STEU OPT GPCS WERT 0",
};
const Lines kBraxDefaultsEn{
    "CTRL OPT DL VAL AUTO",   "CTRL OPT BEAM VAL -",
    "CTRL OPT CREP VAL RCRE", "CTRL OPT RELZ VAL AUTO",
    "CTRL OPT CANT VAL 12",   "CTRL OPT CAST VAL 0",
    "CTRL OPT STOR VAL 1",    "CTRL OPT PROB VAL LINE V2 $(ITERATIONSNUMBER) ",
    "CTRL OPT NMAT VAL NO",   "CTRL OPT EMOD VAL AUTO",
    "CTRL OPT GPCS VAL 0",
};

TEST(KelmarBrax, DefaultsGiveElevenLinesWhateverTheModel) {
  for (ModelContent const& content : {nothing(), everything(), quads(), beams()}) {
    EXPECT_EQ(toStd(writeKelmar(BRAX_A, BRAX_Control_Properties{}, content, kDe)), kBraxDefaultsDe);
    EXPECT_EQ(toStd(writeKelmar(BRAX_A, BRAX_Control_Properties{}, content, kEn)), kBraxDefaultsEn);
  }
}

// One field changed from its default: the line at `index` of the default lines reads `line`.
struct BraxCase {
  std::function<void(BRAX_Control_Properties&)> edit;
  int language;
  std::size_t index;
  char const* line;
};

template <typename E>
E outOfList(int value) {
  return static_cast<E>(value);
}

const BraxCase kBraxCases[] = {
    {[](auto& r) { r.dl = BRAX_Activation::NoActivation; }, kDe, 0, "STEU OPT EG WERT AUS"},
    {[](auto& r) { r.dl = BRAX_Activation::NoActivation; }, kEn, 0, "CTRL OPT DL VAL OFF"},
    {[](auto& r) { r.dl = outOfList<BRAX_Activation>(7); }, kDe, 0, "STEU OPT EG WERT AUTO"},
    {[](auto& r) { r.beam = BRAX_BEAM::Pelu; }, kDe, 1, "STEU OPT STAB WERT PELU"},
    {[](auto& r) { r.beam = BRAX_BEAM::Orin; }, kDe, 1, "STEU OPT STAB WERT ORIN"},
    {[](auto& r) { r.beam = BRAX_BEAM::Orin; }, kEn, 1, "CTRL OPT BEAM VAL ORIN"},
    {[](auto& r) { r.beam = outOfList<BRAX_BEAM>(3); }, kEn, 1, "CTRL OPT BEAM VAL -"},
    {[](auto& r) { r.crep = BRAX_CREP::Standard; }, kDe, 2, "STEU OPT KRIE WERT STAN"},
    {[](auto& r) { r.crep = BRAX_CREP::Standard; }, kEn, 2, "CTRL OPT CREP VAL STAN"},
    {[](auto& r) { r.crep = outOfList<BRAX_CREP>(-1); }, kDe, 2, "STEU OPT KRIE WERT STAN"},
    {[](auto& r) { r.relz = BRAX_Activation::NoActivation; }, kDe, 3, "STEU OPT RELZ WERT AUS"},
    {[](auto& r) { r.relz = BRAX_Activation::NoActivation; }, kEn, 3, "CTRL OPT RELZ VAL OFF"},
    {[](auto& r) { r.cant = BRAX_CANT::InSystemPosition; }, kDe, 4, "STEU OPT KRAG WERT 0"},
    {[](auto& r) { r.cant = BRAX_CANT::WithOriginalInclination; }, kDe, 4, "STEU OPT KRAG WERT 1"},
    {[](auto& r) { r.cant = BRAX_CANT::TangentialCantileverErection; }, kEn, 4, "CTRL OPT CANT VAL 2"},
    {[](auto& r) { r.cant = BRAX_CANT::AddNodesSeparateHorizontally; }, kEn, 4, "CTRL OPT CANT VAL 11"},
    {[](auto& r) { r.cant = outOfList<BRAX_CANT>(99); }, kDe, 4, "STEU OPT KRAG WERT 99"},
    {[](auto& r) { r.cast = true; }, kDe, 5, "STEU OPT GUSS WERT 1"},
    {[](auto& r) { r.cast = true; }, kEn, 5, "CTRL OPT CAST VAL 1"},
    {[](auto& r) { r.stor = false; }, kDe, 6, "STEU OPT SPEI WERT 0"},
    {[](auto& r) { r.stor = false; }, kEn, 6, "CTRL OPT STOR VAL 0"},
    {[](auto& r) { r.prob = BRAX_PROB::IncludingNonlinearEffects; }, kDe, 7,
     "STEU OPT PROB WERT NONL W2 $(ITERATIONSNUMBER) "},
    {[](auto& r) { r.prob = BRAX_PROB::IncludingNonlinearEffects; }, kEn, 7,
     "CTRL OPT PROB VAL NONL V2 $(ITERATIONSNUMBER) "},
    {[](auto& r) { r.prob = BRAX_PROB::FullGeometricalNonlinearAnalysis; }, kEn, 7,
     "CTRL OPT PROB VAL TH3 V2 $(ITERATIONSNUMBER) "},
    {[](auto& r) { r.prob = outOfList<BRAX_PROB>(5); }, kDe, 7,
     "STEU OPT PROB WERT LINE W2 $(ITERATIONSNUMBER) "},
    {[](auto& r) { r.nmat = BRAX_NMAT::Active; }, kDe, 8, "STEU OPT NMAT WERT JA"},
    {[](auto& r) { r.nmat = BRAX_NMAT::Active; }, kEn, 8, "CTRL OPT NMAT VAL YES"},
    {[](auto& r) { r.nmat = outOfList<BRAX_NMAT>(2); }, kEn, 8, "CTRL OPT NMAT VAL YES"},
    {[](auto& r) { r.emod = BRAX_Activation::NoActivation; }, kDe, 9, "STEU OPT EMOD WERT AUS"},
    {[](auto& r) { r.emod = BRAX_Activation::NoActivation; }, kEn, 9, "CTRL OPT EMOD VAL OFF"},
    {[](auto& r) { r.gpc = true; }, kDe, 10, "STEU OPT GPCS WERT 1"},
    {[](auto& r) { r.gpc = true; }, kEn, 10, "CTRL OPT GPCS VAL 1"},
    {[](auto& r) { r.version_id = 1; }, kDe, 10, "STEU OPT GPCS WERT 0"},
};

TEST(KelmarBrax, EveryKeywordValue) {
  for (BraxCase const& c : kBraxCases) {
    BRAX_Control_Properties record;
    c.edit(record);
    Lines expected = c.language == kDe ? kBraxDefaultsDe : kBraxDefaultsEn;
    expected[c.index] = c.line;
    EXPECT_EQ(toStd(writeKelmar(BRAX_A, record, nothing(), c.language)), expected) << c.line;
  }
}

// A code other than the project's design code adds a line between the creep and relaxation lines.
struct EigeCase {
  BRAX_EIGE value;
  int language;
  char const* line;
};

const EigeCase kEigeCases[] = {
    {BRAX_EIGE::EN1992, kDe, "STEU OPT EIGE WERT EN10"},
    {BRAX_EIGE::FibModelCode, kDe, "STEU OPT EIGE WERT MC10"},
    {BRAX_EIGE::CebFipModelCode, kEn, "CTRL OPT EIGE VAL MC90"},
    {BRAX_EIGE::RueschSummation, kDe, "STEU OPT EIGE WERT SUM"},
    {BRAX_EIGE::RueschSummation, kEn, "CTRL OPT EIGE VAL SUM"},
    {outOfList<BRAX_EIGE>(17), kDe, "STEU OPT EIGE WERT EN10"},
    {outOfList<BRAX_EIGE>(-1), kEn, "CTRL OPT EIGE VAL EN10"},
};

TEST(KelmarBrax, CreepCodeLine) {
  for (EigeCase const& c : kEigeCases) {
    BRAX_Control_Properties record;
    record.eige = c.value;
    Lines expected = c.language == kDe ? kBraxDefaultsDe : kBraxDefaultsEn;
    expected.insert(expected.begin() + 3, c.line);
    EXPECT_EQ(toStd(writeKelmar(BRAX_A, record, everything(), c.language)), expected) << c.line;
  }
}

}  // namespace
}  // namespace trv::control_param::data
