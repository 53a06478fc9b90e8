// Integer midpoint ellipse in a box (an error-term walk over the first
// quadrant, mirrored), exact and symmetric without any floating point.
#include <algorithm>
#include <cstdint>

#include "raster.h"

namespace zt::platform::gdi {

namespace {

// Widens the left arc of a row to include x.
void mark(EllipseRows& rows, int y, int x) {
  const int index = y - rows.top;
  if (index < 0 || index >= rows.rows()) return;
  Span& span = rows.leftArc[static_cast<size_t>(index)];
  span.left = std::min(span.left, x);
  span.right = std::max(span.right, x);
}

}  // namespace

EllipseRows ellipseOutline(int left, int top, int right, int bottom) {
  EllipseRows rows;
  const int64_t width = static_cast<int64_t>(right) - left;
  const int64_t height = static_cast<int64_t>(bottom) - top;
  if (width <= 0 || height <= 0 || (width == 1 && height == 1)) return rows;
  int64_t x0 = left;
  int64_t x1 = right - 1;
  const int64_t a = x1 - x0;
  const int64_t b = height - 1;
  const int64_t b1 = b & 1;
  rows.top = top;
  rows.mirrorSum = static_cast<int>(x0 + x1);
  rows.leftArc.assign(static_cast<size_t>(height), Span{right, left - 1});

  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  int64_t y0 = top + (b + 1) / 2;
  int64_t y1 = y0 - b1;
  const int64_t stepA = 8 * a * a;
  const int64_t stepB = 8 * b * b;
  do {
    mark(rows, static_cast<int>(y0), static_cast<int>(x0));
    mark(rows, static_cast<int>(y1), static_cast<int>(x0));
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += stepA;
    }
    if (e2 >= dx) {
      ++x0;
      --x1;
      err += dx += stepB;
    }
  } while (x0 <= x1);
  // A very flat ellipse stops early: finish its tips.
  while (y0 - y1 < b || (a <= 1 && y0 - y1 <= b)) {
    mark(rows, static_cast<int>(y0++), static_cast<int>(x0 - 1));
    mark(rows, static_cast<int>(y1--), static_cast<int>(x0 - 1));
  }
  return rows;
}

std::vector<Span> penDot(int width) {
  if (width <= 1) return {Span{0, 0}};
  const int half = width / 2;
  std::vector<Span> dot;
  if (width == 2) return {Span{-1, 0}, Span{-1, 0}};
  // A filled disc: the outline of a width x width box plus its interior.
  const EllipseRows disc = ellipseOutline(-half, -half, width - half, width - half);
  for (const Span& arc : disc.leftArc) dot.push_back(Span{arc.left, disc.mirror(arc.left)});
  return dot;
}

}  // namespace zt::platform::gdi
