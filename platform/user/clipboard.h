// The clipboard's link to window destruction.
#pragma once

#include "win32.h"

namespace zt::platform {

// A window is being destroyed: if it has the clipboard open, the clipboard
// closes; if it owns the clipboard, the clipboard has no owner any more.
void clipboardWindowGone(HWND hwnd);

}  // namespace zt::platform
