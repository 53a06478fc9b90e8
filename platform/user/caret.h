// The caret's links to painting and to window destruction.
#pragma once

#include "win32.h"

namespace zt::platform {

// BeginPaint and EndPaint of the caret's owner take the caret off the pixels
// and put it back, so that painting never sees or overwrites it.
void caretPaintStarts(HWND hwnd);
void caretPaintEnds(HWND hwnd);
// The owner is being destroyed: the caret goes with it.
void caretWindowGone(HWND hwnd);

}  // namespace zt::platform
