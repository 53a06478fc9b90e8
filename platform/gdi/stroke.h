// Outlines drawn with a pen wider than one pixel, centred on the one-pixel
// outline of the shape.
#pragma once

#include "raster.h"

namespace zt::platform::gdi {

// The outline of the rectangle whose corner pixels are (left, top) and
// (right, bottom), both included: the pen's disc swept along the frame,
// which gives round joins.
void strokeRectangle(Surface& surface, int left, int top, int right, int bottom, int width,
                     COLORREF colour);
// The ring between the ellipses of the box grown and shrunk by half the pen
// (box without its right and bottom edges), united with the pen's disc swept
// along the one-pixel outline; symmetric about both axes. The brush, if any,
// fills what the ring encloses.
void strokeEllipse(Surface& surface, int left, int top, int right, int bottom, int width,
                   COLORREF colour, const COLORREF* brush);

}  // namespace zt::platform::gdi
