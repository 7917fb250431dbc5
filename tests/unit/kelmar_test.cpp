// The KELMAR option table beyond what the writers use (the lines themselves are in the golden transcripts),
// and real values in KELMAR lines: six significant digits in general format, exactly as Qt's
// QString::number(value, 'g', 6) writes them, halfway cases and signed zero included.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/trv_assert/SmartAssert.h"
#include "lib/properties/control_param/src/kelmar_values.h"
#include "lib/properties/control_param/vocabulary/kelmar_options.h"

namespace trv::control_param::data {
namespace {

// An identifier without a keyword of its own, or beyond the table, gives an empty keyword and one report;
// identifiers beyond the table apply to any model.
TEST(KelmarOptionTable, IdentifiersWithoutKeywordAreReportedAndBeyondTheTableAlwaysApply) {
  smartassert::clearReports();
  for (KelmarOption const option : {KelmarOption{17}, kLastKelmarOption + 1, KelmarOption{1000}})
    EXPECT_TRUE(keywordFor(option, false).isEmpty()) << option;
  EXPECT_EQ(keywordFor(option::kSpri, true), QStringLiteral("SPRI"));
  ASSERT_EQ(smartassert::reports().size(), 3u);
  EXPECT_EQ(smartassert::reports()[2].condition, "0 && \"Invalid option!\"");
  EXPECT_EQ(smartassert::reports()[2].file, "lib/properties/control_param/src/utils");
  EXPECT_EQ(smartassert::reports()[2].line, 651);
  EXPECT_FALSE(isOptionApplicable(ModelContent{}, option::kStyp));
  EXPECT_TRUE(isOptionApplicable(ModelContent{}, kLastKelmarOption + 1));
}

// Special values, any bit pattern, decimals of up to eight digits, and multiples of small powers of two
// (where the halfway cases lie, written away from zero) read as Qt writes them.
TEST(KelmarRealText, AsQtWritesThem) {
  std::mt19937_64 random(20240611);
  double const inf = std::numeric_limits<double>::infinity();
  std::vector<double> values{0.0,
                             -0.0,
                             1.0 / 3,
                             1234567,
                             0.0001,
                             0.00001,
                             5e-324,
                             123456.5,
                             -123456.5,
                             1814.125,
                             22738.25,
                             1234565,
                             999999.5,
                             123456.49999999999,
                             inf,
                             -inf,
                             std::numeric_limits<double>::quiet_NaN()};
  for (int i = 0; i < 100000; ++i) {
    std::uint64_t const bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
    values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 100000000) - 50000000) /
                     std::pow(10.0, static_cast<double>(random() % 12)));
    values.push_back(
        std::ldexp(static_cast<double>(static_cast<std::int64_t>(random() % 20000000) - 10000000),
                   static_cast<int>(random() % 60) - 30));
  }
  int mismatches = 0;
  for (double value : values)
    if (valueText(value) != QString::number(value, 'g', 6) && ++mismatches <= 5)
      ADD_FAILURE() << "value " << value << ": " << valueText(value).toStdString() << " instead of "
                    << QString::number(value, 'g', 6).toStdString();
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace trv::control_param::data
