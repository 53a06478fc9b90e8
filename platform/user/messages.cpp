// The thread's message queue: PostMessageA, PostQuitMessage, PeekMessageA,
// GetMessageA, WaitMessage, GetMessageTime.
//
// Retrieval order, as on Win32 (and in Wine's server):
//   1. posted messages, oldest first;
//   2. WM_QUIT, once PostQuitMessage was called (whatever the filters);
//   3. keyboard input from keybd_event, oldest first;
//   4. WM_PAINT for the first visible window with an invalid region; it is
//      not removed: it comes again until the window is validated;
//   5. WM_TIMER for the timer that fell due first.
// Each step honours the window filter and the message range.
//
// Messages may be posted from any thread: the queue is guarded by a mutex,
// and a waiting GetMessageA or WaitMessage is woken through the driver.
// Everything else belongs to the thread that owns the windows. Before the
// thread waits, what changed on its windows is presented.
#include <deque>
#include <mutex>

#include "driver.h"
#include "keyboard.h"
#include "message_queue.h"
#include "timers.h"
#include "window.h"

namespace zt::platform {
namespace {

// Win32's default limit of posted messages per queue.
constexpr size_t kMaxPosted = 10000;

struct Queue {
  std::mutex mutex;
  std::deque<MSG> posted;
  std::deque<MSG> input;
  bool quit = false;
  int quitCode = 0;
};

Queue& queue() {
  static Queue instance;
  return instance;
}

DWORD lastMessageTime = 0;

bool inRange(UINT message, UINT first, UINT last) {
  if (first == 0 && last == 0) return true;
  if (first > last) return true;  // as Wine: a reversed range filters nothing
  return message >= first && message <= last;
}

// Takes (or with remove false, copies) the first matching message of list.
bool takeFrom(std::deque<MSG>& list, MSG* out, HWND filter, UINT first, UINT last, bool remove) {
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (windowMatchesFilter(filter, it->hwnd) && inRange(it->message, first, last)) {
      *out = *it;
      if (remove) list.erase(it);
      return true;
    }
  }
  return false;
}

// The retrieval itself; see the order above.
bool retrieve(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
  bool fromInput = false;
  bool found = false;
  {
    Queue& q = queue();
    std::lock_guard lock(q.mutex);
    if (takeFrom(q.posted, out, filter, first, last, remove)) {
      found = true;
    } else if (q.quit) {
      *out = makeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
      if (remove) q.quit = false;
      found = true;
    } else if (takeFrom(q.input, out, filter, first, last, remove)) {
      found = fromInput = true;
    }
  }
  if (!found && inRange(WM_PAINT, first, last)) {
    if (HWND hwnd = windowToPaint(filter)) {
      *out = makeMessage(hwnd, WM_PAINT, 0, 0);
      found = true;
    }
  }
  if (!found && inRange(WM_TIMER, first, last)) found = takeDueTimer(filter, remove, out);
  if (!found) return false;
  if (fromInput && remove) keyMessageTaken(*out);
  return true;
}

// Blocks until retrieve() would find something for these filters. A post
// between the probe and the wait is not lost: the driver's wait returns at
// once for a wake() it has not yet answered.
void waitFor(HWND filter, UINT first, UINT last) {
  for (;;) {
    MSG probe;
    if (retrieve(&probe, filter, first, last, false)) return;
    presentChanges();
    driver().wait(nextTimerDue());
  }
}

void post(std::deque<MSG> Queue::*list, const MSG& msg) {
  Queue& q = queue();
  {
    std::lock_guard lock(q.mutex);
    (q.*list).push_back(msg);
  }
  driver().wake();
}

}  // namespace

MSG makeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = GetTickCount();
  GetCursorPos(&msg.pt);
  return msg;
}

void postInputMessage(const MSG& msg) { post(&Queue::input, msg); }

void forgetWindowMessages(HWND hwnd) {
  Queue& q = queue();
  std::lock_guard lock(q.mutex);
  std::erase_if(q.posted, [&](const MSG& m) { return m.hwnd == hwnd; });
  std::erase_if(q.input, [&](const MSG& m) { return m.hwnd == hwnd; });
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A NULL window posts a message to the thread itself.
  if (hwnd && !findWindow(hwnd)) return FALSE;
  Queue& q = queue();
  {
    std::lock_guard lock(q.mutex);
    if (q.posted.size() >= kMaxPosted) return FALSE;
  }
  post(&Queue::posted, makeMessage(hwnd, msg, wParam, lParam));
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  Queue& q = queue();
  {
    std::lock_guard lock(q.mutex);
    q.quit = true;
    q.quitCode = exitCode;
  }
  driver().wake();
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove) {
  if (!msg) return FALSE;
  if (!retrieve(msg, hwnd, first, last, (remove & PM_REMOVE) != 0)) return FALSE;
  lastMessageTime = msg->time;
  return TRUE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last) {
  if (!msg) return -1;
  if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !findWindow(hwnd)) return -1;
  for (;;) {
    if (retrieve(msg, hwnd, first, last, true)) {
      lastMessageTime = msg->time;
      return msg->message == WM_QUIT ? FALSE : TRUE;
    }
    waitFor(hwnd, first, last);
  }
}

BOOL WaitMessage(void) {
  waitFor(nullptr, 0, 0);
  return TRUE;
}

DWORD GetMessageTime(void) { return lastMessageTime; }
