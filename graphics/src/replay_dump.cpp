// What zt738-replay keeps of a run: the graphics window's client area and the
// console's stored lines, written byte for byte the same on every system.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "package.h"
#include "replay_hooks.h"

namespace zt::package {

bool ZT738_write_client_pixels(const std::string& path) {
  // The client area shows the canvas from its top-left corner.
  RECT client = {};
  GetClientRect(graphicsWindow, &client);
  const int width = std::min<int>(client.right - client.left, CANVAS_WIDTH);
  const int height = std::min<int>(client.bottom - client.top, CANVAS_HEIGHT);
  if (width <= 0 || height <= 0) return false;

  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF pixel = GetPixel(canvas, x, y);
      row[3 * x] = GetRValue(pixel);
      row[3 * x + 1] = GetGValue(pixel);
      row[3 * x + 2] = GetBValue(pixel);
    }
    std::fwrite(row.data(), 1, row.size(), file);
  }
  const bool ok = std::ferror(file) == 0;
  return std::fclose(file) == 0 && ok;
}

bool ZT738_write_console_lines(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  for (const std::string& line : ZT738_console_lines()) {
    std::fwrite(line.data(), 1, line.size(), file);
    if (line.empty() || line.back() != '\n') std::fputc('\n', file);
  }
  const bool ok = std::ferror(file) == 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace zt::package
