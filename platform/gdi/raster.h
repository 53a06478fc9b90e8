// Pixel primitives on a Surface. Everything is clipped to the surface, so
// callers may pass any coordinates.
#pragma once

#include <cstdint>
#include <vector>

#include "surface.h"

namespace zt::platform::gdi {

// Fills pixels x0..x1 (both included) of row y.
void fillSpan(Surface& surface, int y, int x0, int x1, COLORREF colour);
// Fills the rectangle without its right and bottom edges.
void fillBox(Surface& surface, int left, int top, int right, int bottom, COLORREF colour);

// One row of a shape: pixels left..right, both included.
struct Span {
  int left;
  int right;
};

// An ellipse outline, row by row. Rows run from top; for each row the left
// arc covers outerLeft..innerLeft and the right arc is its mirror image
// (x -> mirrorSum - x). Rows where the arcs meet are solid.
struct EllipseRows {
  int top = 0;
  int mirrorSum = 0;
  std::vector<Span> leftArc;

  int rows() const { return static_cast<int>(leftArc.size()); }
  int mirror(int x) const { return mirrorSum - x; }
};

// The error-term walk along a quarter of the ellipse inscribed in a
// width x height box (both at least 1), from the middle of a side towards
// the middle of the top or bottom: column() counts the columns in from the
// side, row() the rows out from the middle. Each step moves one column in,
// one row out, or both; the walk itself never ends, its users stop it.
class EllipseWalk {
 public:
  EllipseWalk(int64_t width, int64_t height);
  int64_t column() const { return column_; }
  int64_t row() const { return row_; }
  void step();

 private:
  int64_t column_ = 0;
  int64_t row_ = 0;
  int64_t dx_;  // error changes of a column step and of a row step
  int64_t dy_;
  int64_t err_;
  int64_t columnGrowth_;  // how those changes grow per step
  int64_t rowGrowth_;
};

// The one-pixel outline of the ellipse inscribed in a normalised box whose
// right and bottom edges are excluded. Empty for a box of one pixel or less.
EllipseRows ellipseOutline(int left, int top, int right, int bottom);

// The pen's footprint: a solid disc of the given width, as rows of offsets
// from its centre pixel (row offsets start at -width / 2).
std::vector<Span> penDot(int width);

}  // namespace zt::platform::gdi
