// Window geometry: client size and origin, moving and resizing.
// GetClientRect, GetWindowRect, MoveWindow.
#include <algorithm>
#include <cstring>

#include "window.h"

namespace zt::platform {
namespace {

constexpr COLORREF kNewPixels = RGB(255, 255, 255);
// Pixels are kept up to this size in each direction; the rest of a larger
// client area is off any screen the layer could show.
constexpr int kMaxSurfaceSide = 4096;

// Resizes keeping the pixels that both sizes share; new pixels are white
// until the window paints them.
void resizeSurface(Surface& s, int width, int height) {
  if (s.width == width && s.height == height) return;
  Surface old = std::move(s);
  s.resize(width, height, kNewPixels);
  int w = std::min(old.width, s.width);
  for (int y = 0; y < std::min(old.height, s.height); ++y) {
    std::copy(old.row(y), old.row(y) + w, s.row(y));
  }
}

// How many pixels of a client area of `size` starting at `origin` can ever be
// seen inside `limit` pixels (the screen, or the parent's kept pixels). A
// window that starts left of or above its limit keeps the pixels from its own
// origin, so that the part that shows is among them.
LONG visibleExtent(LONG size, LONG origin, LONG limit) {
  const LONG reach = origin >= 0 ? std::min<LONG>(size, limit - origin) : size;
  return std::clamp<LONG>(reach, 0, kMaxSurfaceSide);
}

}  // namespace

void fitSurface(Window& w) {
  const SIZE size = clientSize(w);
  const POINT origin = clientPosition(w);
  LONG limitX = GetSystemMetrics(SM_CXSCREEN);
  LONG limitY = GetSystemMetrics(SM_CYSCREEN);
  if (Window* parent = w.isChild() ? findWindow(w.parent) : nullptr) {
    limitX = parent->surface.width;
    limitY = parent->surface.height;
  }
  resizeSurface(w.surface, visibleExtent(size.cx, origin.x, limitX),
                visibleExtent(size.cy, origin.y, limitY));
}

POINT clientPosition(const Window& w) {
  RECT inset = nonClientInsets(w);
  return POINT{w.rect.left + inset.left, w.rect.top + inset.top};
}

SIZE clientSize(const Window& w) {
  RECT inset = nonClientInsets(w);
  LONG cx = (w.rect.right - w.rect.left) - inset.left - inset.right;
  LONG cy = (w.rect.bottom - w.rect.top) - inset.top - inset.bottom;
  return SIZE{std::max<LONG>(cx, 0), std::max<LONG>(cy, 0)};
}

POINT clientOriginOnScreen(const Window& w) {
  POINT p = clientPosition(w);
  if (Window* parent = w.isChild() ? findWindow(w.parent) : nullptr) {
    POINT base = clientOriginOnScreen(*parent);
    p.x += base.x;
    p.y += base.y;
  }
  return p;
}

void setWindowRect(HWND hwnd, const RECT& rect) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  SIZE oldSize = clientSize(*w);
  POINT oldPos = clientPosition(*w);
  w->rect = rect;
  SIZE size = clientSize(*w);
  POINT pos = clientPosition(*w);
  fitSurface(*w);
  bool resized = size.cx != oldSize.cx || size.cy != oldSize.cy;
  if (resized) {
    // The update region never reaches outside the client area.
    w->update.right = std::min(w->update.right, size.cx);
    w->update.bottom = std::min(w->update.bottom, size.cy);
  }
  bool moved = pos.x != oldPos.x || pos.y != oldPos.y;
  if (moved || resized) screenWindowMoved(hwnd);
  if (moved) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(pos.x, pos.y));
  if (resized) SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
}

void clientAreaChanged(HWND hwnd, POINT originBefore, SIZE sizeBefore) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  SIZE size = clientSize(*w);
  POINT origin = clientPosition(*w);
  fitSurface(*w);
  screenWindowMoved(hwnd);
  if (origin.x != originBefore.x || origin.y != originBefore.y) {
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  }
  if (size.cx != sizeBefore.cx || size.cy != sizeBefore.cy) {
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
  }
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Window* w = findWindow(hwnd);
  if (!w || !rect) return FALSE;
  SIZE size = clientSize(*w);
  *rect = RECT{0, 0, size.cx, size.cy};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* w = findWindow(hwnd);
  if (!w || !rect) return FALSE;
  *rect = w->rect;
  if (Window* parent = w->isChild() ? findWindow(w->parent) : nullptr) {
    POINT base = clientOriginOnScreen(*parent);
    rect->left += base.x;
    rect->right += base.x;
    rect->top += base.y;
    rect->bottom += base.y;
  }
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  if (!findWindow(hwnd)) return FALSE;
  // Negative sizes are taken as 0, as on Win32.
  RECT rect{x, y, saturatingAdd(x, std::max(width, 0)), saturatingAdd(y, std::max(height, 0))};
  Window* w = findWindow(hwnd);
  bool changed = std::memcmp(&w->rect, &rect, sizeof rect) != 0;
  setWindowRect(hwnd, rect);
  if (repaint && changed) {
    invalidateWindow(hwnd, nullptr, true);
    eraseNow(hwnd);
  }
  return TRUE;
}
