// Keyboard focus and the active window: GetFocus, SetFocus, GetActiveWindow,
// SetActiveWindow, SetForegroundWindow.
#include "focus.h"

#include "window.h"

namespace zt::platform {
namespace {

// One thread owns the windows, so the state is that thread's.
HWND focusWindow = nullptr;
HWND activeWindow = nullptr;

bool canActivate(HWND hwnd, HWND leaving) {
  Window* w = findWindow(hwnd);
  return w && hwnd != leaving && !w->isChild() && !w->destroying && w->visible() && w->enabled();
}

}  // namespace

void leaveWindow(HWND hwnd) {
  if (activeWindow && activeWindow == hwnd) {
    Window* w = findWindow(hwnd);
    HWND next = nullptr;
    if (w && canActivate(w->owner, hwnd)) {
      next = w->owner;
    } else {
      auto all = allWindows();
      for (auto it = all.rbegin(); it != all.rend() && !next; ++it) {
        if (canActivate(*it, hwnd)) next = *it;
      }
    }
    SetActiveWindow(next);
    // The desktop's keyboard focus follows: it would otherwise stay with the
    // window that left (on X, nowhere once that window is gone).
    if (next) screenWindowShown(next, true, true);
  }
  if (focusWindow && isSelfOrDescendant(hwnd, focusWindow)) {
    Window* w = findWindow(hwnd);
    SetFocus(w && w->isChild() ? w->parent : nullptr);
  }
}

void forgetWindow(HWND hwnd) {
  if (focusWindow == hwnd) focusWindow = nullptr;
  if (activeWindow == hwnd) activeWindow = nullptr;
}

}  // namespace zt::platform

using namespace zt::platform;

HWND GetFocus(void) { return focusWindow; }

HWND GetActiveWindow(void) { return activeWindow; }

HWND SetFocus(HWND hwnd) {
  if (hwnd) {
    // A disabled window, or one inside a disabled window, cannot take the focus.
    for (Window* w = findWindow(hwnd); w; w = w->isChild() ? findWindow(w->parent) : nullptr) {
      if (!w->enabled()) return nullptr;
    }
    if (!findWindow(hwnd)) return nullptr;
    // Focusing a window of another top-level window activates that one first.
    HWND top = topLevelOf(hwnd);
    if (top != activeWindow) SetActiveWindow(top);
    if (!findWindow(hwnd)) return nullptr;
  }
  HWND old = focusWindow;
  if (old == hwnd) return old;
  // The focus has moved when WM_KILLFOCUS arrives, as on Win32.
  focusWindow = hwnd;
  if (findWindow(old)) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && focusWindow == hwnd && findWindow(hwnd)) {
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
  return old;
}

HWND SetActiveWindow(HWND hwnd) { return activateWindow(hwnd, WA_ACTIVE); }

HWND zt::platform::activateWindow(HWND hwnd, WPARAM state) {
  if (hwnd) {
    hwnd = topLevelOf(hwnd);
    if (!hwnd) return nullptr;
  }
  HWND old = activeWindow;
  if (old == hwnd) return old;
  activeWindow = hwnd;
  if (findWindow(old)) {
    SendMessageA(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
  }
  if (hwnd && activeWindow == hwnd && findWindow(hwnd)) {
    SendMessageA(hwnd, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(old));
    // The focus belongs inside the active window.
    if (activeWindow == hwnd && !(focusWindow && isSelfOrDescendant(hwnd, focusWindow))) {
      SetFocus(hwnd);
    }
  } else if (!hwnd && focusWindow) {
    SetFocus(nullptr);
  }
  return old;
}

BOOL SetForegroundWindow(HWND hwnd) {
  if (!findWindow(hwnd)) return FALSE;
  SetActiveWindow(hwnd);
  return TRUE;
}
