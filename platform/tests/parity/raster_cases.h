// The Rectangle and Ellipse cases drawn on a memory DC by both builds.
#pragma once

#include <string>
#include <vector>

#include "raster_grid.h"
#include "win32.h"

enum class RasterShape { Rectangle, Ellipse };

struct RasterCase {
  std::string name;
  RasterShape shape = RasterShape::Rectangle;
  int penWidth = 1;        // -1 selects NULL_PEN
  bool solidBrush = true;  // false selects NULL_BRUSH
  RECT box{};              // the arguments of the call, in the order given (may be inverted)
};

// Every case; names start with "rect-", "ellipse-" or "degenerate-".
std::vector<RasterCase> rasterCases();

// Margin of untouched pixels around each case's box in its surface.
constexpr int kRasterMargin = 8;

// Draws the case on a fresh white memory DC and reads every pixel back.
// The pen is red and the brush blue, so each pixel shows which one drew it.
RasterGrid drawRasterCase(const RasterCase& c);
