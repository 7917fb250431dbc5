#include "lib/properties/control_param/src/kelmar_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <QByteArray>

#include "lib/properties/control_param/src/detail/real_text.h"

namespace trv::control_param::data {
namespace {

template <typename Integer>
ValueChars integerChars(Integer value) {
  ValueChars made;
  made.size = static_cast<int>(
      std::to_chars(made.text.data(), made.text.data() + made.text.size(), value).ptr - made.text.data());
  return made;
}

}  // namespace

ValueChars valueChars(std::int32_t value) {
  return integerChars(value);
}

ValueChars valueChars(std::int64_t value) {
  return integerChars(value);
}

// Infinities and NaN keep Qt's own text.
ValueChars valueChars(double value) {
  ValueChars made;
  char* const first = made.text.data();
  char* end = first;
  if (!std::isfinite(value)) {
    QByteArray const text = QString::number(value, 'g', 6).toLatin1();
    end = std::copy(text.begin(), text.end(), first);
  } else if (value == 0) {
    *end++ = '0';
  } else {
    end = detail::writeFiniteReal(value, first, first + made.text.size());
  }
  made.size = static_cast<int>(end - first);
  return made;
}

ValueChars valueChars(bool value) {
  ValueChars made;
  made.text[0] = value ? '1' : '0';
  made.size = 1;
  return made;
}

QString valueText(std::int32_t value) {
  return valueChars(value).view();
}
QString valueText(std::int64_t value) {
  return valueChars(value).view();
}
QString valueText(double value) {
  return valueChars(value).view();
}
QString valueText(bool value) {
  return valueChars(value).view();
}

}  // namespace trv::control_param::data
