#include "lib/properties/control_param/src/calculation_method.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "host/trv_qt/trv_qt.h"

namespace trv::control_param::data {
namespace {

constexpr double kNoValue = -99999.0;
constexpr int kCalculationMethodEntry = 93;

// `value` truncated toward zero, or nothing when that is no int (NaN, out of range).
std::optional<int> truncatedInt(double value) {
  double const truncated = std::trunc(value);
  if (!(truncated >= std::numeric_limits<int>::min() && truncated <= std::numeric_limits<int>::max()))
    return std::nullopt;
  return static_cast<int>(truncated);
}

}  // namespace

int calculationMethod(QString const& xml) {
  return calculationMethod(xml, trv_qt_readXMLpart, trv_qt_readXMLdlist);
}

int calculationMethod(QString const& xml, XmlPartReader readPart, NumberListReader readNumbers) {
  int position = 0;
  for (;;) {
    int next = position;
    QString const part = readPart(xml, position, QStringLiteral("o"), &next);
    std::vector<double> const numbers = readNumbers(part, QStringLiteral(" "));
    if (numbers.size() < 3) return -1;
    // A reader that does not move on would hand out the same element for ever.
    bool const advanced = next > position;
    position = next;
    if (numbers[1] != 0.0 && numbers[2] != kNoValue && truncatedInt(numbers[0]) == kCalculationMethodEntry) {
      if (std::optional<int> const method = truncatedInt(numbers[2])) return *method;
    }
    if (!advanced) return -1;
  }
}

}  // namespace trv::control_param::data
