// The thread's message queue as the other windowing files see it.
#pragma once

#include "win32.h"

namespace zt::platform {

// Queues keyboard input (keybd_event): taken after posted messages and the
// quit message, before WM_PAINT and WM_TIMER.
void postInputMessage(const MSG& msg);
// Drops the queued messages of a window that is being destroyed.
void forgetWindowMessages(HWND hwnd);

}  // namespace zt::platform
