// Timers: SetTimer, KillTimer, and the WM_TIMER messages they make.
//
// A timer is due once its period has passed since it was set or since its
// last WM_TIMER was taken from the queue. However many periods go by while
// nobody takes messages, a timer yields one WM_TIMER. Window timers are
// named by (window, id); thread timers (no window) get a fresh id from
// SetTimer and are dispatched to their TIMERPROC with no window.
#include <algorithm>
#include <vector>

#include "timers.h"
#include "window.h"

namespace zt::platform {
namespace {

// Periods below Win32's USER_TIMER_MINIMUM are raised to it.
constexpr UINT kMinimumPeriod = 10;
// Thread timer ids start here, apart from any id a program picks.
constexpr UINT_PTR kFirstThreadTimerId = 0x7FFF0000;

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  std::chrono::milliseconds period;
  Clock::time_point due;
  TIMERPROC proc;
};

// Used on the thread that owns the windows only.
std::vector<Timer> timers;
UINT_PTR nextThreadTimerId = kFirstThreadTimerId;

auto findTimer(HWND hwnd, UINT_PTR id) {
  return std::find_if(timers.begin(), timers.end(),
                      [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR freshThreadTimerId() {
  for (;;) {
    UINT_PTR id = nextThreadTimerId++;
    if (nextThreadTimerId == 0) nextThreadTimerId = kFirstThreadTimerId;
    if (id != 0 && findTimer(nullptr, id) == timers.end()) return id;
  }
}

}  // namespace

bool takeDueTimer(HWND filter, bool remove, MSG* msg) {
  Clock::time_point now = Clock::now();
  Timer* first = nullptr;
  for (Timer& t : timers) {
    if (t.due > now || !windowMatchesFilter(filter, t.hwnd)) continue;
    if (!first || t.due < first->due) first = &t;
  }
  if (!first) return false;
  *msg = MSG{};
  msg->hwnd = first->hwnd;
  msg->message = WM_TIMER;
  msg->wParam = first->id;
  msg->lParam = reinterpret_cast<LPARAM>(first->proc);
  msg->time = GetTickCount();
  if (remove) first->due = now + first->period;
  return true;
}

std::optional<Clock::time_point> nextTimerDue() {
  if (timers.empty()) return std::nullopt;
  auto it = std::min_element(timers.begin(), timers.end(),
                             [](const Timer& a, const Timer& b) { return a.due < b.due; });
  return it->due;
}

void killWindowTimers(HWND hwnd) {
  std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool isTimerProc(TIMERPROC proc) {
  return proc &&
         std::any_of(timers.begin(), timers.end(), [&](const Timer& t) { return t.proc == proc; });
}

}  // namespace zt::platform

using namespace zt::platform;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) {
  if (hwnd && !findWindow(hwnd)) return 0;
  auto period = std::chrono::milliseconds(std::max(ms, kMinimumPeriod));
  Clock::time_point due = Clock::now() + period;
  auto existing = findTimer(hwnd, id);
  if (hwnd || (id != 0 && existing != timers.end())) {
    // Setting a timer again replaces it and starts its period afresh.
    if (existing != timers.end()) {
      *existing = Timer{hwnd, id, period, due, proc};
    } else {
      timers.push_back(Timer{hwnd, id, period, due, proc});
    }
    return hwnd && id == 0 ? 1 : id;
  }
  id = freshThreadTimerId();
  timers.push_back(Timer{nullptr, id, period, due, proc});
  return id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto it = findTimer(hwnd, id);
  if (it == timers.end()) return FALSE;
  timers.erase(it);
  return TRUE;
}
