// Where a top-level window goes on the screen, in screen pixels: the layer
// places a window by its outer rectangle, frame included, as Win32 does,
// while the desktop's window manager draws a frame of its own size around
// the client area that SDL places.
#pragma once

#include "win32.h"

namespace zt::platform::sdl {

// The window manager's frame around a client area (_NET_FRAME_EXTENTS), in
// screen pixels; all zero without a window manager.
struct FrameExtents {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool none() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool operator==(const FrameExtents&) const = default;
};

// The screen position of the client area for the layer's outer rectangle
// and content rectangle (the layer's screen coordinates, times scale on the
// screen). Without a frame the content goes where the layer has it. With
// one, the frame's top-left goes to the outer rectangle's; a window against
// the screen's right or bottom edge (and not also its left or top) stays
// against it, and a window that the layer keeps inside the screen is kept
// inside.
POINT clientPlacement(const RECT& outer, const RECT& content, const FrameExtents& frame, int scale,
                      SIZE screen);

}  // namespace zt::platform::sdl
