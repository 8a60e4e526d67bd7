#pragma once

#include "ui/Exception.h"

#include <cstdint>
#include <limits>
#include <utility>

// Converts to a narrower or unsigned integer type, raising the range error when the value
// does not fit.
template <typename To, typename From> To CheckedRange(From value) {
  if (!std::in_range<To>(value)) throw ERangeError();
  return static_cast<To>(value);
}

// Converts to To when the value lies in [low, high], else raises the range error.
template <typename To, typename From> To CheckedRange(From value, To low, To high) {
  if (std::cmp_less(value, low) || std::cmp_greater(value, high)) throw ERangeError();
  return static_cast<To>(value);
}

// Signed 32-bit addition that raises the overflow error instead of wrapping.
inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (__builtin_add_overflow(a, b, &result)) throw EIntOverflow();
  return result;
}

// Signed 32-bit subtraction that raises the overflow error instead of wrapping.
inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (__builtin_sub_overflow(a, b, &result)) throw EIntOverflow();
  return result;
}
