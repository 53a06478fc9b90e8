// Narrowing a wide integer to int without wrapping: values beyond the range
// stop at INT_MIN or INT_MAX. (The package has its own: it cannot see the
// layer's, which is not built on Windows.)
#pragma once

#include <climits>

namespace zt::package {

constexpr int ZT738_saturate_int(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace zt::package
