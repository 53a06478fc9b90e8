// A window's visibility and state: ShowWindow, IsWindow, IsWindowVisible,
// EnableWindow, IsWindowEnabled.
#include "focus.h"
#include "window.h"

using namespace zt::platform;

BOOL ShowWindow(HWND hwnd, int cmd) {
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  bool wasVisible = w->visible();
  bool show = cmd != SW_HIDE;
  bool activate = show && !w->isChild() && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE &&
                  cmd != SW_SHOWMINNOACTIVE && cmd != SW_MINIMIZE;
  if (show != wasVisible) {
    SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if ((w = findWindow(hwnd)) == nullptr) return wasVisible;
    if (show) {
      w->style |= WS_VISIBLE;
      // Everything that appears is to be painted, children included.
      invalidateWindow(hwnd, nullptr, true, true);
    } else {
      w->style &= ~static_cast<DWORD>(WS_VISIBLE);
      if (w->isChild()) {
        // Uncover the parent where the child was.
        RECT r = w->rect;
        invalidateWindow(w->parent, &r, true);
        eraseNow(w->parent);
      }
      leaveWindow(hwnd);
    }
    if (findWindow(hwnd)) {
      markChanged(hwnd);
      screenWindowShown(hwnd, show, activate);
    }
  }
  if (activate) SetActiveWindow(hwnd);
  if (show && !wasVisible) {
    // What appears is erased at once; WM_PAINT follows through the queue.
    eraseNow(hwnd);
    if ((w = findWindow(hwnd)) != nullptr && w->sizePending) {
      w->sizePending = false;
      SIZE size = clientSize(*w);
      POINT origin = clientPosition(*w);
      SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
      SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindow(HWND hwnd) { return findWindow(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  for (; w; w = w->isChild() ? findWindow(w->parent) : nullptr) {
    if (!w->visible()) return FALSE;
  }
  return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  bool wasDisabled = !w->enabled();
  if (enable && wasDisabled) {
    w->style &= ~static_cast<DWORD>(WS_DISABLED);
    SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    w->style |= WS_DISABLED;
    // A disabled window cannot keep the focus.
    HWND focus = GetFocus();
    if (focus && isSelfOrDescendant(hwnd, focus)) SetFocus(nullptr);
    if (findWindow(hwnd)) SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w && w->enabled() ? TRUE : FALSE;
}
