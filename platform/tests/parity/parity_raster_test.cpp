// Draws every Rectangle and Ellipse case on a memory DC, checks what holds
// for any correct rasteriser, and writes each case's pixels to
// $ZT738_PARITY_DIR (default: the current directory) for parity_compare.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "raster_cases.h"

namespace {

std::string dumpDirectory() {
  const char* dir = std::getenv("ZT738_PARITY_DIR");
  return dir && *dir ? dir : ".";
}

int count(const RasterGrid& g, char pixel) {
  int n = 0;
  for (const std::string& row : g.rows)
    n += static_cast<int>(std::count(row.begin(), row.end(), pixel));
  return n;
}

// The first drawn pixel outside the box grown by half the pen and one pixel
// of slack, as "x,y", or empty when there is none.
std::string strayPixel(const RasterCase& c, const RasterGrid& g) {
  const int grow = std::max(c.penWidth, 1) / 2 + 1;
  const int left = std::min(c.box.left, c.box.right) - grow;
  const int right = std::max(c.box.left, c.box.right) + grow;
  const int top = std::min(c.box.top, c.box.bottom) - grow;
  const int bottom = std::max(c.box.top, c.box.bottom) + grow;
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const bool inside = x >= left && x < right && y >= top && y < bottom;
      if (!inside && g.rows[y][x] != kPixelUntouched) {
        return std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return "";
}

TEST(RasterParity, EveryCaseDrawsPlausiblyAndIsDumped) {
  const std::string dir = dumpDirectory();
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  ASSERT_FALSE(ec) << "cannot create " << dir << ": " << ec.message();

  const std::vector<RasterCase> cases = rasterCases();
  ASSERT_GT(cases.size(), 100u);
  for (const RasterCase& c : cases) {
    SCOPED_TRACE(c.name);
    const RasterGrid g = drawRasterCase(c);
    ASSERT_EQ(static_cast<int>(g.rows.size()), g.height);
    EXPECT_TRUE(writeRasterGrid(dir, g)) << "cannot write into " << dir;

    EXPECT_EQ(strayPixel(c, g), "") << "a pixel drawn outside the box and its pen";
    EXPECT_EQ(count(g, kPixelOther), 0) << "solid pens and brushes draw exact colours";
    if (c.penWidth < 0) {
      EXPECT_EQ(count(g, kPixelPen), 0) << "NULL_PEN draws no outline";
    }
    if (!c.solidBrush) {
      EXPECT_EQ(count(g, kPixelBrush), 0) << "NULL_BRUSH fills nothing";
    }

    const int w = std::abs(c.box.right - c.box.left);
    const int h = std::abs(c.box.bottom - c.box.top);
    if (w >= 3 && h >= 3) {
      EXPECT_GT(count(g, kPixelPen) + count(g, kPixelBrush), 0) << "nothing drawn";
    }
    if (!c.solidBrush && std::min(w, h) > 2 * c.penWidth + 2) {
      const int cx = std::min(c.box.left, c.box.right) + w / 2;
      const int cy = std::min(c.box.top, c.box.bottom) + h / 2;
      EXPECT_EQ(g.rows[cy][cx], kPixelUntouched) << "a hollow shape keeps its inside";
    }
  }
}

}  // namespace
