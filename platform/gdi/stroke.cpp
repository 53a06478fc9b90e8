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
  const EllipseRows centre = ellipseOutline(left, top, right, bottom);
  // An even pen's disc is off its centre pixel, so only odd pens are swept:
  // that keeps the outline symmetric.
  const std::vector<Span> dot = width % 2 == 1 ? penDot(width) : std::vector<Span>{};
  const int dotRows = static_cast<int>(dot.size());
  const auto arcAt = [](const EllipseRows& rows, int y) -> const Span* {
    const int index = y - rows.top;
    if (index < 0 || index >= rows.rows()) return nullptr;
    const Span& arc = rows.leftArc[static_cast<size_t>(index)];
    return arc.left <= arc.right ? &arc : nullptr;
  };
  for (int y = outer.top; y < outer.top + outer.rows(); ++y) {
    const Span* edge = arcAt(outer, y);
    if (!edge) continue;
    // The left side of the ring: from the outer ellipse to the inner one (or
    // across when there is no inner arc), widened by the pen's disc swept
    // along the centre outline, which fills the corners of steep steps.
    Band side;
    const Span* hole = arcAt(inner, y);
    side.add(edge->left, hole ? hole->right : outer.mirror(edge->left));
    for (int i = 0; i < dotRows; ++i) {
      if (const Span* arc = arcAt(centre, y + out - i)) {
        side.add(arc->left + dot[static_cast<size_t>(i)].left,
                 arc->right + dot[static_cast<size_t>(i)].right);
      }
    }
    const int holeLeft = side.right + 1;
    const int holeRight = outer.mirror(side.right) - 1;
    if (holeLeft > holeRight) {
      fillSpan(surface, y, side.left, outer.mirror(side.left), colour);
      continue;
    }
    if (brush && arcAt(centre, y)) fillSpan(surface, y, holeLeft, holeRight, *brush);
    fillSpan(surface, y, side.left, side.right, colour);
    fillSpan(surface, y, outer.mirror(side.right), outer.mirror(side.left), colour);
  }
}

}  // namespace zt::platform::gdi
