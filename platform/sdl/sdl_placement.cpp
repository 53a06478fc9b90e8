// Placing a client area so that the window manager's frame is where the
// layer's outer rectangle is (see sdl_placement.h). Pure arithmetic.
#include "sdl_placement.h"

#include <algorithm>

namespace zt::platform::sdl {
namespace {

// One axis: the client's start for an outer span [outerStart, outerEnd) on
// a screen of length screen, the client's length, and the frame's sides.
int place(int outerStart, int outerEnd, int length, int before, int after, int screen) {
  int start = outerStart + before;
  int end = start + length + after;  // the frame's far edge
  bool inside = outerStart >= 0 && outerEnd <= screen;
  // The far edge is held when the window lies against it (and not also
  // against the near edge), or when the frame would run off the screen.
  bool againstFarEdge = outerEnd == screen && outerStart != 0;
  if (againstFarEdge || (inside && end > screen)) start = screen - after - length;
  if (inside) start = std::max(start, before);
  return start;
}

}  // namespace

POINT clientPlacement(const RECT& outer, const RECT& content, const FrameExtents& frame, int scale,
                      SIZE screen) {
  if (frame.none()) return POINT{content.left * scale, content.top * scale};
  int width = (content.right - content.left) * scale;
  int height = (content.bottom - content.top) * scale;
  return POINT{
      place(outer.left * scale, outer.right * scale, width, frame.left, frame.right, screen.cx),
      place(outer.top * scale, outer.bottom * scale, height, frame.top, frame.bottom, screen.cy)};
}

}  // namespace zt::platform::sdl
