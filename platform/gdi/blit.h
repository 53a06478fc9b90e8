// Block copies between surfaces.
#pragma once

#include "surface.h"
#include "win32.h"

namespace zt::platform::gdi {

// Copies width x height pixels from (srcX, srcY) to (destX, destY), clipped
// to both surfaces. The two may be the same surface, overlapping or not.
void copyBlock(Surface& dest, int destX, int destY, const Surface& src, int srcX, int srcY,
               int width, int height);

}  // namespace zt::platform::gdi
