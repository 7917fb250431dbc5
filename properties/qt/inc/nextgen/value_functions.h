#pragma once
// Equality and order of property values (held in boost::any) for each value type of the option records.

#include <cmath>
#include <limits>
#include <type_traits>

#include <boost/any.hpp>

namespace trv::properties::nextgen {

// Exact equality, except for doubles, which are equal within the machine epsilon relative to their sum or
// when their distance is below the smallest normal double.
template <typename T>
bool valuesEqual(T const& a, T const& b) {
  if constexpr (std::is_same_v<T, double>) {
    double const distance = std::fabs(a - b);
    return a == b || distance < std::fabs(a + b) * std::numeric_limits<double>::epsilon() ||
           distance < std::numeric_limits<double>::min();
  } else {
    return a == b;
  }
}

// Both empty: equal; one empty or different held types: not equal; else the values compared as `T`.
template <typename T>
bool isEqualAs(boost::any const& a, boost::any const& b) {
  if (a.empty() && b.empty()) return true;
  if (a.empty() || b.empty() || a.type() != b.type()) return false;
  T const* x = boost::any_cast<T>(&a);
  T const* y = boost::any_cast<T>(&b);
  return x && y && valuesEqual(*x, *y);
}

// `a < b` as `T`; false when either does not hold a `T`.
template <typename T>
bool isLessAs(boost::any const& a, boost::any const& b) {
  T const* x = boost::any_cast<T>(&a);
  T const* y = boost::any_cast<T>(&b);
  return x && y && *x < *y;
}

}  // namespace trv::properties::nextgen
