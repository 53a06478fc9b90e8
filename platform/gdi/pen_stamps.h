// The stamps of a wide pen along an ellipse's outline: the pen's disc, the
// band across a diagonal step, and the parts of them that a point adds to
// the points before it on a run of steps. Made once per pen width; the
// outline walk (ellipse_stroke.cpp) only places them.
#pragma once

#include <vector>

#include "raster.h"

namespace zt::platform::gdi {

struct Offset {
  int x;
  int y;
};

// Pixels relative to a point: runs of rows, ordered by row and within a
// row from the left, disjoint.
struct Run {
  int row;
  int left;
  int right;
};
using Stamp = std::vector<Run>;

// The diagonal step of each quadrant of the outline, in quadrant order.
constexpr Offset kQuadrantSteps[4] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};

// The stamps of one pen width: its disc and, for the diagonal step of each
// quadrant (in the order of kQuadrantSteps), the band, the disc with the
// band, and what those add along a run of diagonal steps.
struct PenStamps {
  int width = 0;
  Stamp disc;
  Span widest{0, 0};  // the disc's middle row
  Stamp band[4];
  Stamp discAndBand[4];
  Stamp chainStep[4];
  Stamp chainEnd[4];
  // After k steps down a column (k up to `reach`), the disc and the disc
  // with the band; after k steps along a row, the band.
  int reach = 0;  // beyond it, k makes no difference
  std::vector<Stamp> columnEnd[4];
  std::vector<Stamp> columnEndAndBand[4];
  std::vector<Stamp> bandAfterRow[4];
};

// The stamps for a pen of this width, made once for the last width asked
// for (per thread): callers draw with one pen at a time.
const PenStamps& penStamps(int width);

}  // namespace zt::platform::gdi
