// The calculation-method probe over the older XML form of a task.

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "host/trv_qt/trv_qt.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/calculation_method.h"

namespace {

using trv::control_param::Data;
using trv::control_param::data::calculationMethod;

struct ProbeCase {
  char const* xml;
  int method;
};

class CalculationMethod : public testing::TestWithParam<ProbeCase> {};

TEST_P(CalculationMethod, FindsTheThirdNumberOfTheFirstEntry93) {
  QString const xml = QString::fromUtf8(GetParam().xml);
  EXPECT_EQ(calculationMethod(xml), GetParam().method);
  EXPECT_EQ(Data::getCalculationMethod(xml), GetParam().method);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CalculationMethod,
    testing::Values(
        ProbeCase{"<o>93 0 4</o><o>93 1 -99999</o><o>93 1 5</o>",
                  5},  // second 0 and third -99999 passed over
        ProbeCase{"<o>12 1 3</o>", -1}, ProbeCase{"<o>93.9 1 7.6</o>", 7},  // truncated toward zero
        ProbeCase{"<o>93 1 -7.9</o>", -7}, ProbeCase{"<o>-93.5 1 5</o>", -1},
        ProbeCase{"<o>1 2</o><o>93 1 5</o>", -1},  // an entry of two numbers ends the search
        ProbeCase{"", -1}, ProbeCase{"<x>93 1 5</x>", -1}, ProbeCase{"<o>93 1 5", -1},
        ProbeCase{"<a><o>1 1 1</o>text<o>93 2 0 9</o></a>", 0}, ProbeCase{"<o>93 1 5</o><o>93 1 6</o>", 5},
        ProbeCase{"<o>93 1 2147483647.5</o>", 2147483647}, ProbeCase{"<o>93 1 -2147483648</o>", -2147483648},
        // A NaN second number is unequal to 0 and passes on.
        ProbeCase{"<o>93 nan 5</o>", 5},
        // No number that is NaN or beyond int is taken for 93 or as the method.
        ProbeCase{"<o>nan 1 5</o>", -1}, ProbeCase{"<o>4294967389 1 5</o>", -1},
        ProbeCase{"<o>inf 1 5</o>", -1}, ProbeCase{"<o>93 1 nan</o><o>93 1 6</o>", 6},
        ProbeCase{"<o>93 1 3e9</o><o>93 1 2</o>", 2}, ProbeCase{"<o>93 1 -3e9</o>", -1},
        ProbeCase{"<o>93 1 inf</o>", -1}));

// Readers that do not move on: the probe looks at the element once and stops.
int stuckCalls = 0;
QString stuckPart(QString const&, int position, QString const&, int* next) {
  ++stuckCalls;
  *next = position;
  return QStringLiteral("93 0 1");
}
QString backwardsPart(QString const&, int, QString const&, int* next) {
  ++stuckCalls;
  *next = 0;
  return QStringLiteral("5 1 1");
}
QString stuckMatch(QString const&, int position, QString const&, int* next) {
  *next = position;
  return QStringLiteral("93 1 8");
}

TEST(CalculationMethodReader, EndsWhenThePositionDoesNotAdvance) {
  stuckCalls = 0;
  EXPECT_EQ(calculationMethod("<o>93 0 1</o>", stuckPart, trv_qt_readXMLdlist), -1);
  EXPECT_EQ(stuckCalls, 1);
  stuckCalls = 0;
  EXPECT_EQ(calculationMethod("<o>5 1 1</o>", backwardsPart, trv_qt_readXMLdlist), -1);
  EXPECT_EQ(stuckCalls, 1);
  EXPECT_EQ(calculationMethod("", stuckMatch, trv_qt_readXMLdlist), 8);
}

TEST(CalculationMethodReader, HostXmlPartReaderGivesTheNextElementAndPosition) {
  QString const xml = QStringLiteral("<o>1 2 3</o> <o>4</o>");
  int next = -1;
  EXPECT_EQ(trv_qt_readXMLpart(xml, 0, "o", &next), "1 2 3");
  EXPECT_EQ(next, 12);
  EXPECT_EQ(trv_qt_readXMLpart(xml, next, "o", &next), "4");
  EXPECT_EQ(next, xml.size());
  EXPECT_EQ(trv_qt_readXMLpart(xml, next, "o", &next), "");
  EXPECT_EQ(next, xml.size());
  EXPECT_EQ(trv_qt_readXMLdlist("93 1  -7.5 x", " "), (std::vector<double>{93, 1, -7.5}));
}

}  // namespace
