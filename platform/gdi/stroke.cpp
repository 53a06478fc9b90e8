#include "stroke.h"

namespace zt::platform::gdi {

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

}  // namespace zt::platform::gdi
