// The update region of a window, kept as its bounding rectangle:
// InvalidateRect, ValidateRect, GetUpdateRect, UpdateWindow, and the choice
// of the window that gets the next WM_PAINT.
#include "hooks.h"
#include "window.h"

namespace zt::platform {
namespace {

RECT clientRect(const Window& w) {
  SIZE size = clientSize(w);
  return RECT{0, 0, size.cx, size.cy};
}

bool showsOnScreen(HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }

void validateWindow(Window& w, const RECT* rect) {
  w.update = rect ? subtractBounds(w.update, *rect) : RECT{};
  if (isEmpty(w.update)) {
    w.update = RECT{};
    w.eraseNeeded = false;
  }
}

}  // namespace

void invalidateWindow(HWND hwnd, const RECT* rect, bool erase, bool allChildren) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  RECT area = clientRect(*w);
  if (rect) area = intersection(*rect, area);
  if (isEmpty(area)) return;
  w->update = boundingUnion(w->update, area);
  if (erase) w->eraseNeeded = true;
  if ((w->style & WS_CLIPCHILDREN) && !allChildren) return;
  for (HWND child : w->children) {
    Window* c = findWindow(child);
    if (!c || !c->visible()) continue;
    // The child's client area in this window's client coordinates.
    RECT inset = nonClientInsets(*c);
    SIZE size = clientSize(*c);
    LONG x = c->rect.left + inset.left;
    LONG y = c->rect.top + inset.top;
    RECT common =
        intersection(area, RECT{x, y, saturatingAdd(x, size.cx), saturatingAdd(y, size.cy)});
    if (isEmpty(common)) continue;
    RECT local = offsetRect(common, -x, -y);
    invalidateWindow(child, &local, erase, allChildren);
  }
}

void eraseNow(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !showsOnScreen(hwnd)) return;
  if (w->eraseNeeded) GetUpdateRect(hwnd, nullptr, TRUE);
  if ((w = findWindow(hwnd)) == nullptr) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) eraseNow(child);
}

bool windowMatchesFilter(HWND filter, HWND hwnd) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return hwnd == nullptr;
  return hwnd && isSelfOrDescendant(filter, hwnd);
}

HWND windowToPaint(HWND filter) {
  for (HWND hwnd : allWindows()) {
    Window* w = findWindow(hwnd);
    if (w->needsPaint() && !w->destroying && showsOnScreen(hwnd) &&
        windowMatchesFilter(filter, hwnd)) {
      return hwnd;
    }
  }
  return nullptr;
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase) {
  if (!hwnd) {
    // No window: every window is to be redrawn, as on Win32.
    for (HWND h : allWindows()) {
      if (Window* w = findWindow(h); w && !w->isChild()) invalidateWindow(h, nullptr, true, true);
    }
    return TRUE;
  }
  if (!findWindow(hwnd)) return FALSE;
  invalidateWindow(hwnd, rect, erase != FALSE);
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, LPCRECT rect) {
  if (!hwnd) return InvalidateRect(nullptr, nullptr, TRUE);  // as documented for Win32
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  validateWindow(*w, rect);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  bool invalid = w->needsPaint();
  if (rect) *rect = invalid ? w->update : RECT{};
  if (invalid && erase && w->eraseNeeded) {
    w->eraseNeeded = false;
    HDC dc = createWindowDC(hwnd);
    if (dc) {
      SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      deleteWindowDC(dc);
    }
  }
  return invalid ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return FALSE;
  if (w->needsPaint() && showsOnScreen(hwnd) && !(w = sendThenFind(hwnd, WM_PAINT, 0, 0)))
    return TRUE;
  // Children are brought up to date after their parent.
  std::vector<HWND> children = w->children;
  for (HWND child : children) UpdateWindow(child);
  return TRUE;
}
