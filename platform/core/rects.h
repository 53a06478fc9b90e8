// Rectangle arithmetic of the layer. A rectangle excludes its right and
// bottom edges; it is empty when it has no width or no height. Results that
// are empty come back as the all-zero rectangle.
#pragma once

#include "win32.h"

namespace zt::platform {

bool isEmpty(const RECT& r);
// The common part of a and b.
RECT intersection(const RECT& a, const RECT& b);
// The smallest rectangle holding both; an empty one adds nothing.
RECT boundingUnion(const RECT& a, const RECT& b);
// r moved by (dx, dy); edges stop at the limits of LONG.
RECT offsetRect(const RECT& r, int dx, int dy);
// The bounding box of what is left of a once b is taken away: only a band
// that spans a's whole width or height can be taken away exactly.
RECT subtractBounds(const RECT& a, const RECT& b);
// Whether p lies in r (its right and bottom edges excluded).
bool containsPoint(const RECT& r, POINT p);
// a + b, kept within the range of LONG.
LONG saturatingAdd(LONG a, LONG b);

}  // namespace zt::platform
