#include "stroke.h"

#include <algorithm>
#include <climits>

namespace zt::platform::gdi {

namespace {

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

}  // namespace

void strokeRectangle(Surface& surface, int left, int top, int right, int bottom, int width,
                     COLORREF colour) {
  const std::vector<Span> dot = penDot(width);
  const int firstOffset = -(width / 2);
  const int rows = static_cast<int>(dot.size());
  const auto dotRow = [&](int offset) -> const Span* {
    const int index = offset - firstOffset;
    return index >= 0 && index < rows ? &dot[static_cast<size_t>(index)] : nullptr;
  };
  const int firstRow = std::max(top + firstOffset, 0);
  const int endRow = std::min(bottom + firstOffset + rows, surface.height);
  for (int y = firstRow; y < endRow; ++y) {
    // The horizontal edges: the dot row that reaches y, stretched along the edge.
    for (int edgeY : {top, bottom}) {
      if (const Span* span = dotRow(y - edgeY))
        fillSpan(surface, y, left + span->left, right + span->right, colour);
    }
    // The vertical edges: every dot row whose centre lies on the edge.
    Band reach;
    for (int i = 0; i < rows; ++i) {
      const int centre = y - (firstOffset + i);
      if (centre >= top && centre <= bottom)
        reach.add(dot[static_cast<size_t>(i)].left, dot[static_cast<size_t>(i)].right);
    }
    if (reach.empty()) continue;
    fillSpan(surface, y, left + reach.left, left + reach.right, colour);
    fillSpan(surface, y, right + reach.left, right + reach.right, colour);
  }
}

void strokeEllipse(Surface& surface, int left, int top, int right, int bottom, int width,
                   COLORREF colour, const COLORREF* brush) {
  const int out = width / 2;
  const int in = (width - 1) / 2;
  const EllipseRows outer = ellipseOutline(left - out, top - out, right + out, bottom + out);
  const EllipseRows inner = ellipseOutline(left + in, top + in, right - in, bottom - in);
  for (int i = 0; i < outer.rows(); ++i) {
    const Span edge = outer.leftArc[static_cast<size_t>(i)];
    if (edge.left > edge.right) continue;
    const int y = outer.top + i;
    const int holeRow = y - inner.top;
    const Span* hole = holeRow >= 0 && holeRow < inner.rows()
                           ? &inner.leftArc[static_cast<size_t>(holeRow)]
                           : nullptr;
    if (!hole || hole->left > hole->right || inner.mirror(hole->right) <= hole->right + 1) {
      fillSpan(surface, y, edge.left, outer.mirror(edge.left), colour);
      continue;
    }
    if (brush) fillSpan(surface, y, hole->right + 1, inner.mirror(hole->right) - 1, *brush);
    fillSpan(surface, y, edge.left, hole->right, colour);
    fillSpan(surface, y, inner.mirror(hole->right), outer.mirror(edge.left), colour);
  }
}

}  // namespace zt::platform::gdi
