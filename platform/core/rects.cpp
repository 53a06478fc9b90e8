#include "rects.h"

#include <algorithm>

#include "saturate.h"

namespace zt::platform {

bool isEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT intersection(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return isEmpty(r) ? RECT{} : r;
}

RECT boundingUnion(const RECT& a, const RECT& b) {
  if (isEmpty(a)) return isEmpty(b) ? RECT{} : b;
  if (isEmpty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

bool containsPoint(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LONG saturatingAdd(LONG a, LONG b) { return saturateToInt(static_cast<long long>(a) + b); }

RECT offsetRect(const RECT& r, int dx, int dy) {
  return RECT{saturatingAdd(r.left, dx), saturatingAdd(r.top, dy), saturatingAdd(r.right, dx),
              saturatingAdd(r.bottom, dy)};
}

RECT subtractBounds(const RECT& a, const RECT& b) {
  const RECT cut = intersection(a, b);
  if (isEmpty(cut)) return isEmpty(a) ? RECT{} : a;
  RECT r = a;
  const bool fullWidth = cut.left == a.left && cut.right == a.right;
  const bool fullHeight = cut.top == a.top && cut.bottom == a.bottom;
  if (fullWidth && fullHeight) return RECT{};
  if (fullWidth && cut.top == a.top) r.top = cut.bottom;
  if (fullWidth && cut.bottom == a.bottom) r.bottom = cut.top;
  if (fullHeight && cut.left == a.left) r.left = cut.right;
  if (fullHeight && cut.right == a.right) r.right = cut.left;
  return r;
}

}  // namespace zt::platform
