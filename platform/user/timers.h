// Timers as the message retrieval sees them.
#pragma once

#include <chrono>
#include <optional>

#include "win32.h"

namespace zt::platform {

using Clock = std::chrono::steady_clock;

// The WM_TIMER of the timer that fell due first among those matching the
// window filter (see windowMatchesFilter). With remove, the timer's next
// tick is due a full period after now.
bool takeDueTimer(HWND filter, bool remove, MSG* msg);
// When the next timer falls due, if any timer runs.
std::optional<Clock::time_point> nextTimerDue();
// Stops the timers of a window that is being destroyed.
void killWindowTimers(HWND hwnd);
// Whether proc is the procedure of a running timer (DispatchMessageA only
// calls those).
bool isTimerProc(TIMERPROC proc);

}  // namespace zt::platform
