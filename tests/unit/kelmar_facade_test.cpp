// getKELMAR through the exported facade: the module's model content is asked of the host when the task is
// made, and an unknown keyword language is refused.
#include <stdexcept>

#include <gtest/gtest.h>

#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/Data.h"
#include "tests/unit/kelmar_test_support.h"

namespace trv::control_param {
namespace {

using namespace kelmar_test;
using dbo::standin::ElementKinds;

constexpr int kHandle = 4711;

class KelmarFacade : public testing::Test {
 protected:
  void TearDown() override { dbo::standin::clearModels(); }

  static Lines kelmar(ProgrammTypes type, ElementKinds kinds, int language) {
    dbo::standin::setModel(kHandle, kinds);
    return toStd(Data(type, kHandle).getKELMAR(language));
  }
};

// ElementKinds fields in order: quads, brics, beams, cables, springs.
TEST_F(KelmarFacade, LinesFollowTheModelOfTheProjectDatabase) {
  EXPECT_EQ(kelmar(ORIN_A, {false, false, false, false, true}, kDe),
            (Lines{"STEU OPT WARP WERT 0", "STEU OPT FEDE WERT 12"}));
  EXPECT_EQ(kelmar(ORIN_A, {true, true, true, true, false}, kDe), (Lines{"STEU OPT WARP WERT 0"}));
  EXPECT_EQ(kelmar(ORIN_B, {false, false, false, false, true}, kEn),
            (Lines{"CTRL OPT WARP VAL 0", "CTRL OPT SPRI VAL 12"}));
  EXPECT_EQ(kelmar(ORIN_E, {}, kEn), (Lines{"CTRL OPT SOLV VAL 3"}));
  EXPECT_EQ(kelmar(PELU_A, {true, true, true, true, true}, kDe), Lines{});
  EXPECT_EQ(kelmar(NEVO_B, {true, true, true, true, true}, kDe), Lines{});
  EXPECT_EQ(kelmar(Zuther_A, {true, false, false, false, false}, kDe), (Lines{"STEU FACH 0"}));
  EXPECT_EQ(kelmar(Zuther_B, {false, true, true, true, true}, kEn), Lines{});
  EXPECT_EQ(kelmar(BRAX_A, {}, kDe).size(), 11u);
}

TEST_F(KelmarFacade, UnknownHandleHoldsNoElements) {
  EXPECT_EQ(toStd(Data(ORIN_D, 999).getKELMAR(kDe)), (Lines{"STEU OPT WARP WERT 0"}));
}

TEST_F(KelmarFacade, BraxSettersChangeTheirLines) {
  Data data(BRAX_A, kHandle);
  data.setBRAX_PROB(BRAX_PROB::FullGeometricalNonlinearAnalysis);
  data.setBRAX_NMAT(BRAX_NMAT::Active);
  Lines const lines = toStd(data.getKELMAR(kEn));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[7], "CTRL OPT PROB VAL TH3 V2 $(ITERATIONSNUMBER) ");
  EXPECT_EQ(lines[8], "CTRL OPT NMAT VAL YES");
}

TEST_F(KelmarFacade, CopiesShareTheRecord) {
  Data data(BRAX_A, kHandle);
  Data copy = data;
  copy.setBRAX_PROB(BRAX_PROB::IncludingNonlinearEffects);
  EXPECT_EQ(toStd(data.getKELMAR(kDe))[7], "STEU OPT PROB WERT NONL W2 $(ITERATIONSNUMBER) ");
}

TEST_F(KelmarFacade, UnknownLanguageIsRefusedByEveryModule) {
  dbo::standin::setModel(kHandle, {true, true, true, true, true});
  for (int type = ORIN_A; type <= BRAX_A; ++type) {
    Data data(static_cast<ProgrammTypes>(type), kHandle);
    for (int language : {2, -1, 42}) {
      try {
        data.getKELMAR(language);
        ADD_FAILURE() << "type " << type << " language " << language << " was accepted";
      } catch (std::invalid_argument const& error) {
        EXPECT_STREQ(error.what(), "Keyword language must be 0 (German) or 1 (English).");
      }
    }
    // The refusal leaves the task usable.
    EXPECT_NO_THROW(data.getKELMAR(kEn)) << type;
  }
}

}  // namespace
}  // namespace trv::control_param
