// The option table, value text and line writers shared by all module writers.
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "host/trv_assert/SmartAssert.h"
#include "lib/properties/control_param/src/kelmar_lines.h"
#include "tests/unit/kelmar_test_support.h"

namespace trv::control_param::data {
namespace {

using namespace kelmar_test;

// Applicability per identifier, written from the option table: A always, Q quads, R brics, B beams,
// C cables, S springs, X quads and beams.
constexpr char kNeeds[] = "BAABBBBBBBBBXASSAAAAQQAASQQQBQRCQQQAAQQQQQQQAAAAAAAAAAAAAAAACAA";
static_assert(sizeof(kNeeds) == 64);

bool expectedApplicable(char needs, ModelContent const& c) {
  switch (needs) {
    case 'A':
      return true;
    case 'Q':
      return c.hasQuads;
    case 'R':
      return c.hasBrics;
    case 'B':
      return c.hasBeams;
    case 'C':
      return c.hasCables;
    case 'S':
      return c.hasSprings;
    case 'X':
      return c.hasQuads && c.hasBeams;
  }
  ADD_FAILURE() << "bad needs " << needs;
  return false;
}

TEST(KelmarOptionTable, ApplicabilityOfEveryIdentifierForEveryModel) {
  ModelContent const contents[] = {nothing(), everything(), quads(),   brics(),
                                   beams(),   cables(),     springs(), quadsAndBeams()};
  for (KelmarOption id = 0; id <= 62; ++id) {
    for (ModelContent const& c : contents) {
      EXPECT_EQ(isOptionApplicable(c, id), expectedApplicable(kNeeds[id], c))
          << "option " << id << " quads " << c.hasQuads << " brics " << c.hasBrics << " beams " << c.hasBeams
          << " cables " << c.hasCables << " springs " << c.hasSprings;
    }
  }
}

TEST(KelmarOptionTable, TBeamNeedsQuadsAndBeams) {
  EXPECT_FALSE(isOptionApplicable({true, true, false, true, true}, 12));
  EXPECT_FALSE(isOptionApplicable({false, true, true, true, true}, 12));
  EXPECT_TRUE(isOptionApplicable(quadsAndBeams(), 12));
}

TEST(KelmarOptionTable, IdentifiersBeyondTheTableAlwaysApply) {
  for (KelmarOption id : {63u, 64u, 1000u, std::numeric_limits<KelmarOption>::max()}) {
    EXPECT_TRUE(isOptionApplicable(nothing(), id)) << id;
  }
}

struct KeywordCase {
  KelmarOption id;
  char const* german;
  char const* english;
};

const KeywordCase kKeywords[] = {
    {0, "ACHS", "AXIA"},  {1, "ACT", "ACT"},    {2, "EIGE", "EIGE"},  {3, "AMAX", "AMAX"},
    {4, "AGEN", "AGEN"},  {5, "ETOL", "ETOL"},  {6, "IMAX", "IMAX"},  {7, "QRED", "VRED"},
    {8, "AUSR", "SMOO"},  {9, "INTE", "INTE"},  {10, "AUSN", "USEP"}, {11, "EGRE", "ELIM"},
    {12, "PLAB", "PLAB"}, {13, "WARP", "WARP"}, {14, "FEDE", "SPRI"}, {16, "SOLV", "SOLV"},
    {23, "ITER", "ITER"}, {26, "TAU2", "FRIC"}, {28, "STII", "STII"}, {29, "BETO", "CONC"},
    {30, "BRIC", "BRIC"}, {31, "SEIL", "CABL"}, {37, "FACH", "FACH"}, {39, "QUER", "TENS"},
    {40, "DBRU", "PFAI"}, {41, "WEND", "WEND"}, {42, "COTT", "COTT"}, {43, "HOHL", "BUBB"},
    {45, "EG", "DL"},     {46, "STAB", "BEAM"}, {47, "KRIE", "CREP"}, {48, "EIGE", "EIGE"},
    {49, "RELZ", "RELZ"}, {50, "KRAG", "CANT"}, {51, "GUSS", "CAST"}, {52, "SPEI", "STOR"},
    {53, "PROB", "PROB"}, {54, "NMAT", "NMAT"}, {55, "EMOD", "EMOD"}, {56, "GEN ", "GEN "},
    {57, "GENM", "GENM"}, {59, "AFIX", "AFIX"}, {60, "STYP", "STYP"}, {61, "GDIV", "GDIV"},
    {62, "PLF ", "PLC"},
};

TEST(KelmarOptionTable, KeywordsInBothLanguages) {
  smartassert::clearReports();
  for (KeywordCase const& k : kKeywords) {
    EXPECT_EQ(keywordFor(k.id, false).toStdString(), k.german) << k.id;
    EXPECT_EQ(keywordFor(k.id, true).toStdString(), k.english) << k.id;
  }
  EXPECT_TRUE(smartassert::reports().empty());
}

TEST(KelmarOptionTable, IdentifierWithoutKeywordIsReportedAndGivesEmptyText) {
  for (KelmarOption id : {15u, 17u, 18u, 19u, 20u, 21u, 22u, 24u, 25u, 27u,
                          32u, 33u, 34u, 35u, 36u, 38u, 44u, 58u, 63u, 4000u}) {
    for (bool english : {false, true}) {
      smartassert::clearReports();
      EXPECT_TRUE(keywordFor(id, english).isEmpty()) << id;
      ASSERT_EQ(smartassert::reports().size(), 1u) << id;
      smartassert::Report const& report = smartassert::reports().front();
      EXPECT_EQ(report.condition, "0 && \"Invalid option!\"");
      EXPECT_EQ(report.file, "lib/properties/control_param/src/utils");
      EXPECT_EQ(report.line, 651);
      EXPECT_EQ(report.message, "");
    }
  }
  smartassert::clearReports();
}

TEST(KelmarValueText, Integers) {
  EXPECT_EQ(valueText(std::int32_t{0}).toStdString(), "0");
  EXPECT_EQ(valueText(std::int32_t{12}).toStdString(), "12");
  EXPECT_EQ(valueText(std::int32_t{-3}).toStdString(), "-3");
  EXPECT_EQ(valueText(std::numeric_limits<std::int32_t>::max()).toStdString(), "2147483647");
  EXPECT_EQ(valueText(std::numeric_limits<std::int32_t>::min()).toStdString(), "-2147483648");
}

TEST(KelmarValueText, RealsWithSixSignificantDigits) {
  struct {
    double value;
    char const* text;
  } const cases[] = {
      {0.0, "0"},
      {0.1, "0.1"},
      {2.5, "2.5"},
      {-2.5, "-2.5"},
      {1234567, "1.23457e+06"},
      {100000, "100000"},
      {1000000, "1e+06"},
      {123456.7, "123457"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
      {1.234e-7, "1.234e-07"},
      {3.0, "3"},
      {1.0 / 3.0, "0.333333"},
  };
  for (auto const& c : cases) EXPECT_EQ(valueText(c.value).toStdString(), c.text) << c.value;
}

TEST(KelmarValueText, Booleans) {
  EXPECT_EQ(valueText(true).toStdString(), "1");
  EXPECT_EQ(valueText(false).toStdString(), "0");
}

TEST(KelmarLineForms, RecordNameAndValueItemFollowTheLanguage) {
  EXPECT_EQ(recordName(kDe).toStdString(), "STEU");
  EXPECT_EQ(recordName(kEn).toStdString(), "CTRL");
  EXPECT_EQ(QString(valueItem(kDe)).toStdString(), "WERT");
  EXPECT_EQ(QString(valueItem(kEn)).toStdString(), "VAL");
}

// One writer call and the lines it must leave.
struct WriterCase {
  char const* name;
  std::function<void(KelmarLines&)> write;
  Lines expected;
};

const std::optional<double> kNoReal;
const std::optional<std::int32_t> kNoInt;

const WriterCase kWriterCases[] = {
    // Record lines, gated.
    {"record int de", [](KelmarLines& l) { appendRecordLine(kDe, 37, 1, quads(), l); }, {"STEU FACH 1"}},
    {"record int en", [](KelmarLines& l) { appendRecordLine(kEn, 37, 1, quads(), l); }, {"CTRL FACH 1"}},
    {"record int zero", [](KelmarLines& l) { appendRecordLine(kDe, 37, 0, quads(), l); }, {"STEU FACH 0"}},
    {"record int not applicable", [](KelmarLines& l) { appendRecordLine(kDe, 37, 1, beams(), l); }, {}},
    {"record real",
     [](KelmarLines& l) { appendRecordLine(kEn, 39, std::optional(0.1), quads(), l); },
     {"CTRL TENS 0.1"}},
    {"record real zero",
     [](KelmarLines& l) { appendRecordLine(kDe, 39, std::optional(0.0), quads(), l); },
     {"STEU QUER 0"}},
    {"record real absent", [](KelmarLines& l) { appendRecordLine(kDe, 39, kNoReal, quads(), l); }, {}},
    {"record real not applicable",
     [](KelmarLines& l) { appendRecordLine(kDe, 39, std::optional(2.5), nothing(), l); },
     {}},
    // Option lines, gated.
    {"option int de",
     [](KelmarLines& l) { appendOptionLine(kDe, 23, 3, nothing(), l); },
     {"STEU OPT ITER WERT 3"}},
    {"option int en negative",
     [](KelmarLines& l) {
       appendOptionLine(kEn, {0, QLatin1String("ACHS")}, -2, beams(), l);
     },
     {"CTRL OPT ACHS VAL -2"}},
    {"option int not applicable", [](KelmarLines& l) { appendOptionLine(kDe, 14, 12, quads(), l); }, {}},
    {"option optional int",
     [](KelmarLines& l) { appendOptionLine(kDe, 30, std::optional(7), brics(), l); },
     {"STEU OPT BRIC WERT 7"}},
    {"option optional int zero",
     [](KelmarLines& l) { appendOptionLine(kEn, 30, std::optional(0), brics(), l); },
     {"CTRL OPT BRIC VAL 0"}},
    {"option optional int absent", [](KelmarLines& l) { appendOptionLine(kDe, 30, kNoInt, brics(), l); }, {}},
    {"option optional int not applicable",
     [](KelmarLines& l) { appendOptionLine(kDe, 30, std::optional(7), cables(), l); },
     {}},
    {"option optional real",
     [](KelmarLines& l) { appendOptionLine(kDe, 56, std::optional(0.5), nothing(), l); },
     {"STEU OPT GEN  WERT 0.5"}},
    {"option optional real large",
     [](KelmarLines& l) { appendOptionLine(kEn, 26, std::optional(1234567.0), quads(), l); },
     {"CTRL OPT FRIC VAL 1.23457e+06"}},
    {"option optional real small",
     [](KelmarLines& l) { appendOptionLine(kDe, 31, std::optional(0.00002), cables(), l); },
     {"STEU OPT SEIL WERT 2e-05"}},
    {"option optional real absent",
     [](KelmarLines& l) { appendOptionLine(kDe, 31, kNoReal, cables(), l); },
     {}},
    {"option optional real not applicable",
     [](KelmarLines& l) { appendOptionLine(kDe, 31, std::optional(1.0), springs(), l); },
     {}},
    {"identifier above 60 applies always",
     [](KelmarLines& l) { appendOptionLine(kDe, 62, std::optional(4), nothing(), l); },
     {"STEU OPT PLF  WERT 4"}},
    // Option lines, ungated.
    {"ungated int", [](KelmarLines& l) { appendOptionLine(kDe, 12, 15, l); }, {"STEU OPT PLAB WERT 15"}},
    {"ungated text",
     [](KelmarLines& l) { appendOptionLine(kEn, 45, QLatin1String("OFF"), l); },
     {"CTRL OPT DL VAL OFF"}},
    {"ungated bool true",
     [](KelmarLines& l) { appendOptionLine(kDe, 51, true, l); },
     {"STEU OPT GUSS WERT 1"}},
    {"ungated bool false",
     [](KelmarLines& l) { appendOptionLine(kEn, 52, false, l); },
     {"CTRL OPT STOR VAL 0"}},
    // Option line by identifier.
    {"by identifier de",
     [](KelmarLines& l) { appendOptionLine(kDe, KelmarOption{13}, 1, nothing(), l); },
     {"STEU OPT WARP WERT 1"}},
    {"by identifier en",
     [](KelmarLines& l) { appendOptionLine(kEn, KelmarOption{14}, 12, springs(), l); },
     {"CTRL OPT SPRI VAL 12"}},
    {"by identifier not applicable",
     [](KelmarLines& l) { appendOptionLine(kEn, KelmarOption{14}, 12, quadsAndBeams(), l); },
     {}},
};

TEST(KelmarLineWriters, AppendExactlyTheExpectedLine) {
  for (WriterCase const& c : kWriterCases) {
    smartassert::clearReports();
    KelmarLines lines{QStringLiteral("earlier line")};
    c.write(lines);
    Lines expected{"earlier line"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(toStd(lines), expected) << c.name;
    EXPECT_TRUE(smartassert::reports().empty()) << c.name;
  }
}

TEST(KelmarLineWriters, ByIdentifierWithoutKeywordGoesOnWithEmptyKeyword) {
  smartassert::clearReports();
  KelmarLines lines;
  appendOptionLine(kDe, KelmarOption{15}, 3, springs(), lines);
  EXPECT_EQ(toStd(lines), Lines{"STEU OPT  WERT 3"});
  ASSERT_EQ(smartassert::reports().size(), 1u);
  EXPECT_EQ(smartassert::reports().front().condition, "0 && \"Invalid option!\"");
  smartassert::clearReports();
}

}  // namespace
}  // namespace trv::control_param::data
