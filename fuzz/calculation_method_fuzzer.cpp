// getCalculationMethod on arbitrary older XML forms (the bytes as UTF-8). After each input the result is
// that of a plain reading of the "o" entries: the third number of the first entry whose first number is 93,
// whose second is not 0 and whose third is not -99999 and fits an int, the search ending at the first entry
// with fewer than three numbers; -1 otherwise.

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "host/trv_qt/trv_qt.h"
#include "lib/properties/control_param/src/Data.h"

namespace {

using fuzz::require;

bool fitsInt(double value) {
  return std::trunc(value) >= -2147483648.0 && std::trunc(value) <= 2147483647.0;
}

int expectedMethod(QString const& xml) {
  int position = 0;
  for (int entries = 0; entries <= xml.size(); ++entries) {
    int next = position;
    std::vector<double> const numbers = trv_qt_readXMLdlist(
        trv_qt_readXMLpart(xml, position, QStringLiteral("o"), &next), QStringLiteral(" "));
    if (numbers.size() < 3) return -1;
    bool const matches = numbers[1] != 0.0 && numbers[2] != -99999.0 && fitsInt(numbers[0]) &&
                         static_cast<int>(numbers[0]) == 93 && fitsInt(numbers[2]);
    if (matches) return static_cast<int>(numbers[2]);
    if (next <= position) return -1;
    position = next;
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  QString const xml = QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
  int const method = trv::control_param::Data::getCalculationMethod(xml);
  require(method == expectedMethod(xml), "calculation method differs from a plain reading");
  require(method == -1 || xml.contains(QStringLiteral("</o>")), "a method found without an \"o\" entry");
  return 0;
}
