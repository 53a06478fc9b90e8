// Outlines drawn with a pen wider than one pixel, centred on the one-pixel
// outline of the shape.
#pragma once

#include <algorithm>
#include <climits>

#include "raster.h"

namespace zt::platform::gdi {

// Coverage of one row as a single run; empty while left > right.
struct Band {
  int left = INT_MAX;
  int right = INT_MIN;

  void add(int from, int to) {
    left = std::min(left, from);
    right = std::max(right, to);
  }
  bool empty() const { return left > right; }
};

// The outline of the rectangle whose corner pixels are (left, top) and
// (right, bottom), both included: the pen's disc swept along the frame,
// which gives round joins.
void strokeRectangle(Surface& surface, int left, int top, int right, int bottom, int width,
                     COLORREF colour);
// The outline of the ellipse in the box (without its right and bottom
// edges, at least 3 pixels each way) as Win32 draws it: the pen's disc at
// every point of the one-pixel outline, and along each diagonal step of
// that outline a band as wide as the pen across the step, which leans a
// pixel towards the right (so the outline is not symmetric). The brush, if
// any, fills the rest of the ellipse's own interior.
void strokeEllipse(Surface& surface, int left, int top, int right, int bottom, int width,
                   COLORREF colour, const COLORREF* brush);

}  // namespace zt::platform::gdi
