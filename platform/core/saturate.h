// Narrowing a wide integer to int without wrapping: values beyond the range
// stop at INT_MIN or INT_MAX.
#pragma once

#include <climits>

namespace zt::platform {

constexpr int saturateToInt(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace zt::platform
