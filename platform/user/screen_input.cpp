// What the desktop does to top-level windows, as a driver reports it:
// activation, the close box, and moving or resizing by the user.
#include "driver.h"
#include "window.h"

namespace zt::platform {
namespace {

// The window's content (strip + client area) height above the client area.
int stripHeight(const Window& w) { return w.hasMenuBar() ? GetSystemMetrics(SM_CYMENU) : 0; }

// A window keeps pixels only where it can show, so a move into view brings
// new pixels: they are invalidated for the window to paint, as Win32 repaints
// what a user's move uncovers.
void invalidateNewlyKept(HWND hwnd, const Window& w, int oldWidth, int oldHeight) {
  const LONG width = w.surface.width, height = w.surface.height;
  const RECT right{oldWidth, 0, width, height};
  const RECT below{0, oldHeight, width, height};
  for (const RECT& band : {right, below}) {
    if (band.left < band.right && band.top < band.bottom) invalidateWindow(hwnd, &band, true);
  }
}

}  // namespace

void activationInput(HWND hwnd, bool active) {
  Window* w = findWindow(hwnd);
  // Losing the desktop's focus to another of our windows is answered by that
  // window's activation; to another program, the layer keeps its state.
  if (!active || !w || w->isChild() || !w->visible() || hwnd == GetActiveWindow()) return;
  if (w->exStyle & WS_EX_NOACTIVATE) return;  // a popup menu never becomes active
  if (!w->enabled()) {
    // A window disabled by a modal one passes the activation to it.
    for (HWND other : allWindows()) {
      Window* o = findWindow(other);
      if (o && o->owner == hwnd && o->visible() && o->enabled()) hwnd = other;
    }
    if (hwnd == GetActiveWindow() || !IsWindowEnabled(hwnd)) return;
  }
  SetActiveWindow(hwnd);
}

void closeInput(HWND hwnd) {
  // The close box of a disabled window does nothing; otherwise WM_SYSCOMMAND
  // SC_CLOSE, which DefWindowProcA makes WM_CLOSE.
  if (IsWindowEnabled(hwnd)) PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void sizeInput(HWND hwnd, SIZE content) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  RECT inset = nonClientInsets(*w);
  RECT r = w->rect;
  r.right = r.left + inset.left + content.cx + inset.right;
  r.bottom = r.top + (inset.top - stripHeight(*w)) + content.cy + inset.bottom;
  setWindowRect(hwnd, r);
  invalidateWindow(hwnd, nullptr, true);
  eraseNow(hwnd);
}

void moveInput(HWND hwnd, POINT contentOrigin) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  RECT inset = nonClientInsets(*w);
  LONG dx = contentOrigin.x - (w->rect.left + inset.left);
  LONG dy = contentOrigin.y - (w->rect.top + inset.top - stripHeight(*w));
  if (dx == 0 && dy == 0) return;
  RECT r{w->rect.left + dx, w->rect.top + dy, w->rect.right + dx, w->rect.bottom + dy};
  const int oldWidth = w->surface.width, oldHeight = w->surface.height;
  setWindowRect(hwnd, r);
  if (Window* moved = findWindow(hwnd)) invalidateNewlyKept(hwnd, *moved, oldWidth, oldHeight);
}

}  // namespace zt::platform
