// The thread's message queue as the other windowing files see it.
#pragma once

#include "win32.h"

namespace zt::platform {

// A message stamped with the time and the pointer's position.
MSG makeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Queues keyboard input (keybd_event): taken after posted messages and the
// quit message, before WM_PAINT and WM_TIMER.
void postInputMessage(const MSG& msg);
// Drops the queued messages of a window that is being destroyed.
void forgetWindowMessages(HWND hwnd);

}  // namespace zt::platform
