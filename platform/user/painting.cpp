// Painting a window: BeginPaint, EndPaint, GetDC, GetWindowDC, ReleaseDC, and
// the window's pixels (client and non-client) and background brush for the GDI.
#include <cstring>

#include "caret.h"
#include "hooks.h"
#include "menu.h"
#include "window.h"

namespace zt::platform {

Surface* windowSurface(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return nullptr;
  markChanged(hwnd);  // the GDI draws through this
  return &w->surface;
}

SIZE nonClientTopSize(const Window& w) {
  return SIZE{w.rect.right - w.rect.left, nonClientInsets(w).top};
}

Surface* windowNonClientSurface(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return nullptr;
  // Without a non-client area (a borderless popup) the window's pixels are its client's.
  RECT inset = nonClientInsets(*w);
  if (inset.left == 0 && inset.top == 0) return windowSurface(hwnd);
  SIZE size = nonClientTopSize(*w);
  if (w->strip.width != size.cx || w->strip.height != size.cy)
    w->strip.resize(size.cx, size.cy, GetSysColor(COLOR_MENU));
  markChanged(hwnd);
  return &w->strip;
}

HBRUSH windowClassBrush(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w && w->windowClass ? w->windowClass->background : nullptr;
}

}  // namespace zt::platform

using namespace zt::platform;

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  Window* w = findWindow(hwnd);
  if (!w || !ps) return nullptr;
  HDC dc = createWindowDC(hwnd);
  if (!dc) return nullptr;
  caretPaintStarts(hwnd);
  std::memset(ps, 0, sizeof(*ps));
  ps->hdc = dc;
  ps->rcPaint = w->needsPaint() ? w->update : RECT{};
  bool erase = w->eraseNeeded;
  // The region is validated first, so painting may invalidate it again.
  w->update = RECT{};
  w->eraseNeeded = false;
  if (erase) {
    w->erasing = ps->rcPaint;
    LRESULT erased = 0;
    w = sendThenFind(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, &erased);
    if (w) w->erasing = RECT{};
    ps->fErase = erased ? FALSE : TRUE;  // TRUE: the caller still has to erase
  }
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps || !ps->hdc) return FALSE;
  deleteWindowDC(ps->hdc);
  caretPaintEnds(hwnd);
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  // There is no screen to draw on while headless, so no DC for NULL.
  if (!findWindow(hwnd)) return nullptr;
  return createWindowDC(hwnd);
}

HDC GetWindowDC(HWND hwnd) {
  if (!findWindow(hwnd)) return nullptr;
  ensureMenuBarPainted(hwnd);
  return createNonClientDC(hwnd);
}

int ReleaseDC(HWND hwnd, HDC dc) {
  (void)hwnd;
  if (!dc) return 0;
  deleteWindowDC(dc);
  return 1;
}
