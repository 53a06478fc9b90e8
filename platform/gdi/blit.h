// Block copies between surfaces, and the rectangle arithmetic they need.
#pragma once

#include "surface.h"
#include "win32.h"

namespace zt::platform::gdi {

// Copies width x height pixels from (srcX, srcY) to (destX, destY), clipped
// to both surfaces. The two may be the same surface, overlapping or not.
void copyBlock(Surface& dest, int destX, int destY, const Surface& src, int srcX, int srcY,
               int width, int height);

bool isEmpty(const RECT& r);
RECT intersect(const RECT& a, const RECT& b);
// The bounding box of what is left of a once b is taken away.
RECT subtractBounds(const RECT& a, const RECT& b);

}  // namespace zt::platform::gdi
