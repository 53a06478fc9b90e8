// Top-level windows on the driver's screen: the frame a driver is told of,
// the driver's window following the layer's, and presenting what changed of
// a window's content (strip + client area + visible children) before the
// thread waits.
#include <algorithm>

#include "driver.h"
#include "menu.h"
#include "rects.h"
#include "window.h"

namespace zt::platform {
namespace {

bool shownOnScreen(const Window& w) { return w.onScreen && !w.isChild(); }

// Copies a window's client pixels (and its visible children's) into frame
// with the client's top-left at (x, y), clipped to clip (frame coordinates).
void compose(const Window& w, Surface& frame, int x, int y, RECT clip) {
  const Surface& s = w.surface;
  int left = std::max<int>(x, clip.left), right = std::min<int>(x + s.width, clip.right);
  int top = std::max<int>(y, clip.top), bottom = std::min<int>(y + s.height, clip.bottom);
  for (int row = top; row < bottom; ++row) {
    if (right > left)
      std::copy(s.row(row - y) + (left - x), s.row(row - y) + (right - x), frame.row(row) + left);
  }
  RECT inner{left, top, right, bottom};
  for (HWND child : w.children) {
    const Window* c = findWindow(child);
    if (!c || !c->visible()) continue;
    POINT at = clientPosition(*c);
    compose(*c, frame, x + at.x, y + at.y, inner);
  }
}

// The bounding box of the pixels that differ; everything if sizes differ.
RECT difference(const Surface& a, const Surface& b) {
  if (a.width != b.width || a.height != b.height) return RECT{0, 0, a.width, a.height};
  RECT box{a.width, a.height, 0, 0};
  for (int y = 0; y < a.height; ++y) {
    const COLORREF* ra = a.row(y);
    const COLORREF* rb = b.row(y);
    if (std::equal(ra, ra + a.width, rb)) continue;
    int first = 0, last = a.width - 1;
    while (ra[first] == rb[first]) ++first;
    while (ra[last] == rb[last]) --last;
    box.left = std::min<LONG>(box.left, first);
    box.right = std::max<LONG>(box.right, last + 1);
    box.top = std::min<LONG>(box.top, y);
    box.bottom = y + 1;
  }
  return box.right > box.left ? box : RECT{};
}

WindowFrame frameOf(const Window& w) {
  WindowFrame f;
  int strip = w.hasMenuBar() ? GetSystemMetrics(SM_CYMENU) : 0;
  POINT origin = clientOriginOnScreen(w);
  SIZE size = clientSize(w);
  f.content = RECT{origin.x, origin.y - strip, origin.x + size.cx, origin.y + size.cy};
  f.outer = w.rect;
  f.stripHeight = strip;
  f.title = w.title;
  f.resizable = (w.style & WS_THICKFRAME) != 0;
  f.decorated = (w.style & (WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME)) != 0 ||
                (w.exStyle & WS_EX_DLGMODALFRAME) != 0;
  bool popup = (w.style & WS_POPUP) != 0;
  f.takesFocus = !(w.exStyle & WS_EX_NOACTIVATE) && !(popup && (w.exStyle & WS_EX_TOOLWINDOW));
  f.owner = w.owner;
  Window* owner = findWindow(w.owner);
  f.modal = owner && !owner->enabled();
  return f;
}

}  // namespace

void screenWindowShown(HWND hwnd, bool show, bool activate) {
  Window* w = findWindow(hwnd);
  if (!w || w->isChild()) return;
  if (show && !w->onScreen) {
    w->onScreen = true;
    driver().create(hwnd, frameOf(*w));
  }
  if ((w = findWindow(hwnd)) == nullptr || !w->onScreen) return;
  w->changed = true;
  driver().show(hwnd, show, activate);
}

void screenWindowMoved(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  if (shownOnScreen(*w)) {
    w->changed = true;
    driver().move(hwnd, frameOf(*w));
  } else if (w->isChild()) {
    markChanged(hwnd);
  }
}

void screenWindowRetitled(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (w && shownOnScreen(*w)) driver().retitle(hwnd, w->title.c_str());
}

void screenWindowGone(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !shownOnScreen(*w)) return;
  w->onScreen = false;
  driver().destroy(hwnd);
}

void markChanged(HWND hwnd) {
  if (Window* top = findWindow(topLevelOf(hwnd))) top->changed = true;
}

void presentChanges() {
  const Driver& d = driver();
  if (!d.present) return;
  for (HWND hwnd : allWindows()) {
    Window* w = findWindow(hwnd);
    if (!w || !shownOnScreen(*w) || !w->changed || !w->visible()) continue;
    w->changed = false;
    WindowFrame f = frameOf(*w);
    int width = f.content.right - f.content.left, height = f.content.bottom - f.content.top;
    Surface frame;
    frame.resize(width, height, GetSysColor(COLOR_MENU));
    if (f.stripHeight > 0) {
      // The menu bar's rows of the non-client pixels (window coordinates).
      ensureMenuBarPainted(hwnd);
      if ((w = findWindow(hwnd)) == nullptr) continue;
      RECT inset = nonClientInsets(*w);
      int top = inset.top - f.stripHeight;
      for (int y = 0; y < f.stripHeight; ++y) {
        if (top + y < 0 || top + y >= w->strip.height || inset.left + width > w->strip.width) break;
        const COLORREF* row = w->strip.row(top + y) + inset.left;
        std::copy(row, row + width, frame.row(y));
      }
    }
    compose(*w, frame, 0, f.stripHeight, RECT{0, f.stripHeight, width, height});
    RECT changed = difference(frame, w->presented);
    if (isEmpty(changed)) continue;
    w->presented = std::move(frame);
    d.present(hwnd, w->presented, changed);
  }
}

void nonClientStripChanged(HWND hwnd) { markChanged(hwnd); }

}  // namespace zt::platform
