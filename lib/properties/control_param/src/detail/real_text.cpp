#include "lib/properties/control_param/src/detail/real_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace trv::control_param::data::detail {
namespace {

// Whether `value` lies exactly halfway between two numbers of six significant digits. The scientific form
// with 25 significant digits is exact far enough: a value off the halfway point differs from it within the
// first 17 digits.
bool isSeventhDigitTie(double value) {
  std::array<char, 48> text{};
  std::to_chars(text.data(), text.data() + text.size(), std::fabs(value), std::chars_format::scientific, 24);
  // "d.dddddd5000...": the seventh digit follows the point at index 7.
  if (text[7] != '5') return false;
  for (std::size_t i = 8; i < 26; ++i)
    if (text[i] != '0') return false;
  return true;
}

}  // namespace

// The shortest correctly rounded form, except that a value lying exactly halfway at the seventh significant
// digit rounds away from zero, as Qt does.
char* writeFiniteReal(double value, char* first, char* last) {
  if (isSeventhDigitTie(value)) value = std::nextafter(value, std::copysign(HUGE_VAL, value));
  return std::to_chars(first, last, value, std::chars_format::general, 6).ptr;
}

}  // namespace trv::control_param::data::detail
