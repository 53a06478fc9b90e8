// Small rectangle helpers for the windowing code.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "window.h"

namespace zt::platform {

bool isEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT intersection(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return isEmpty(r) ? RECT{} : r;
}

RECT boundingUnion(const RECT& a, const RECT& b) {
  if (isEmpty(a)) return b;
  if (isEmpty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

LONG saturatingAdd(LONG a, LONG b) {
  int64_t sum = static_cast<int64_t>(a) + b;
  sum =
      std::clamp<int64_t>(sum, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max());
  return static_cast<LONG>(sum);
}

}  // namespace zt::platform
