#pragma once
// The texts of KELMAR values: integers in base 10, reals in general format with six significant digits,
// booleans "1"/"0".

#include <array>
#include <cstdint>

#include <QString>

#include "lib/properties/control_param/vocabulary/export.h"

namespace trv::control_param::data {

// A value's text, Latin-1, in a buffer of its own (no heap).
struct ValueChars {
  std::array<char, 32> text{};
  int size = 0;
  QLatin1String view() const { return QLatin1String(text.data(), size); }
};

ValueChars valueChars(std::int32_t value);
ValueChars valueChars(std::int64_t value);
ValueChars valueChars(double value);
ValueChars valueChars(bool value);

// The same as a QString; exported, so that a host tool says what a value's line holds exactly as written.
TRV_CONTROL_PARAM_EXPORT QString valueText(std::int32_t value);
TRV_CONTROL_PARAM_EXPORT QString valueText(std::int64_t value);
TRV_CONTROL_PARAM_EXPORT QString valueText(double value);
TRV_CONTROL_PARAM_EXPORT QString valueText(bool value);

}  // namespace trv::control_param::data
