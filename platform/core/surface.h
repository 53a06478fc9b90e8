// A block of 32-bit pixels: the client area of a window or a bitmap.
#pragma once

#include <vector>

#include "win32.h"

namespace zt::platform {

// Pixels are stored as COLORREF values (0x00BBGGRR), row by row from the top.
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  void resize(int w, int h, COLORREF fill) {
    width = w < 0 ? 0 : w;
    height = h < 0 ? 0 : h;
    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
  }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  COLORREF* row(int y) {
    return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
  }
  const COLORREF* row(int y) const {
    return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
  }
};

}  // namespace zt::platform
