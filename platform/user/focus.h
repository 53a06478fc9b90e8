// Focus and activation state shared by the windowing calls.
#pragma once

#include "win32.h"

namespace zt::platform {

// Moves the activation and then the focus away from a window (and its
// descendants) that is being hidden or destroyed: the activation goes to its
// owner or else to the newest other visible top-level window, the focus to
// its parent (none for a top-level window).
void leaveWindow(HWND hwnd);
// SetActiveWindow with the WM_ACTIVATE state to report (WA_ACTIVE, WA_CLICKACTIVE).
HWND activateWindow(HWND hwnd, WPARAM state);
// Drops any reference to a window that no longer exists, without messages.
void forgetWindow(HWND hwnd);

}  // namespace zt::platform
