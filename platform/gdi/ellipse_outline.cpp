// Integer midpoint ellipse in a box (an error-term walk over one quadrant,
// mirrored), exact and symmetric without any floating point.
#include <algorithm>

#include "raster.h"

namespace zt::platform::gdi {

namespace {

// Widens the left arc of a row to include x.
void mark(EllipseRows& rows, int64_t y, int64_t x) {
  const int64_t index = y - rows.top;
  if (index < 0 || index >= rows.rows()) return;
  Span& span = rows.leftArc[static_cast<size_t>(index)];
  span.left = std::min(span.left, static_cast<int>(x));
  span.right = std::max(span.right, static_cast<int>(x));
}

}  // namespace

EllipseWalk::EllipseWalk(int64_t width, int64_t height) {
  const int64_t a = width - 1;
  const int64_t b = height - 1;
  const int64_t oddRows = b & 1;
  dx_ = 4 * (1 - a) * b * b;
  dy_ = 4 * (oddRows + 1) * a * a;
  err_ = dx_ + dy_ + oddRows * a * a;
  columnGrowth_ = 8 * b * b;
  rowGrowth_ = 8 * a * a;
}

void EllipseWalk::step() {
  const int64_t e2 = 2 * err_;
  if (e2 <= dy_) {
    ++row_;
    err_ += dy_ += rowGrowth_;
  }
  if (e2 >= dx_) {
    ++column_;
    err_ += dx_ += columnGrowth_;
  }
}

EllipseRows ellipseOutline(int left, int top, int right, int bottom) {
  EllipseRows rows;
  const int64_t width = static_cast<int64_t>(right) - left;
  const int64_t height = static_cast<int64_t>(bottom) - top;
  if (width <= 0 || height <= 0 || (width == 1 && height == 1)) return rows;
  rows.top = top;
  rows.mirrorSum = left + right - 1;
  rows.leftArc.assign(static_cast<size_t>(height), Span{right, left - 1});

  // The lower-left quadrant, mirrored onto the upper one: rows below and
  // above the middle (one and the same row when the height is odd).
  const int64_t below = top + height / 2;
  const int64_t above = top + (height - 1) - height / 2;
  EllipseWalk walk(width, height);
  do {
    mark(rows, below + walk.row(), left + walk.column());
    mark(rows, above - walk.row(), left + walk.column());
    walk.step();
  } while (2 * walk.column() < width);
  // A very flat ellipse stops early: finish its tips.
  const int64_t tip = left + walk.column() - 1;
  int64_t y0 = below + walk.row();
  int64_t y1 = above - walk.row();
  while (y0 - y1 < height - 1 || (width <= 2 && y0 - y1 <= height - 1)) {
    mark(rows, y0++, tip);
    mark(rows, y1--, tip);
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
