#include "blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zt::platform::gdi {

void copyBlock(Surface& dest, int destX, int destY, const Surface& src, int srcX, int srcY,
               int width, int height) {
  // Work in 64 bits so that offsets near the int limits cannot overflow.
  int64_t dx = destX, dy = destY, sx = srcX, sy = srcY, w = width, h = height;
  const auto clipStart = [&](int64_t& d, int64_t& s, int64_t& size) {
    const int64_t skip = std::max<int64_t>({0, -d, -s});
    d += skip;
    s += skip;
    size -= skip;
  };
  clipStart(dx, sx, w);
  clipStart(dy, sy, h);
  w = std::min({w, static_cast<int64_t>(dest.width) - dx, static_cast<int64_t>(src.width) - sx});
  h = std::min({h, static_cast<int64_t>(dest.height) - dy, static_cast<int64_t>(src.height) - sy});
  if (w <= 0 || h <= 0) return;
  const size_t bytes = static_cast<size_t>(w) * sizeof(COLORREF);
  // Rows are visited away from the direction of travel, so that on one
  // surface no row is overwritten before it was read; memmove does the same
  // within a row.
  const bool upward = &dest == &src && dy > sy;
  for (int64_t i = 0; i < h; ++i) {
    const int64_t row = upward ? h - 1 - i : i;
    std::memmove(dest.row(static_cast<int>(dy + row)) + dx,
                 src.row(static_cast<int>(sy + row)) + sx, bytes);
  }
}

}  // namespace zt::platform::gdi
