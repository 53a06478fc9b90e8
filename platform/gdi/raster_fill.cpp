#include <algorithm>

#include "raster.h"

namespace zt::platform::gdi {

void fillSpan(Surface& surface, int y, int x0, int x1, COLORREF colour) {
  if (y < 0 || y >= surface.height) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, surface.width - 1);
  if (x0 > x1) return;
  COLORREF* row = surface.row(y);
  std::fill(row + x0, row + x1 + 1, colour);
}

void fillBox(Surface& surface, int left, int top, int right, int bottom, COLORREF colour) {
  top = std::max(top, 0);
  bottom = std::min(bottom, surface.height);
  for (int y = top; y < bottom; ++y) fillSpan(surface, y, left, right - 1, colour);
}

}  // namespace zt::platform::gdi
