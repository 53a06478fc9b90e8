// The caret: one per thread (the layer has one thread with windows), a solid
// block drawn by inverting the owner's client pixels under it. It shows
// while its hide count is zero and the owner is not painting; it does not
// blink.
#include "caret.h"

#include <algorithm>

#include "window.h"

namespace zt::platform {
namespace {

struct Caret {
  HWND owner = nullptr;
  SIZE size{};
  POINT position{};
  int hidden = 1;         // CreateCaret makes it hidden
  bool painting = false;  // the owner is between BeginPaint and EndPaint
  bool drawn = false;     // the pixels under it are inverted now
};

Caret& caret() {
  static Caret instance;
  return instance;
}

void invert(const Caret& c) {
  Window* w = findWindow(c.owner);
  if (!w) return;
  Surface& s = w->surface;
  const int left = std::max(0, static_cast<int>(c.position.x));
  const int top = std::max(0, static_cast<int>(c.position.y));
  const int right = std::min(s.width, static_cast<int>(c.position.x + c.size.cx));
  const int bottom = std::min(s.height, static_cast<int>(c.position.y + c.size.cy));
  if (left >= right || top >= bottom) return;
  for (int y = top; y < bottom; ++y) {
    COLORREF* row = s.row(y);
    for (int x = left; x < right; ++x) row[x] ^= 0x00FFFFFF;
  }
  markChanged(c.owner);
}

// Draws or removes the caret so that the pixels match its state.
void refresh() {
  Caret& c = caret();
  const bool wanted = c.owner && c.hidden == 0 && !c.painting && findWindow(c.owner);
  if (wanted == c.drawn) return;
  invert(c);
  c.drawn = wanted;
}

// Removes the caret from the pixels, changes it, and shows it again if due.
template <typename Change>
void change(Change&& apply) {
  Caret& c = caret();
  if (c.drawn) {
    invert(c);
    c.drawn = false;
  }
  apply(c);
  refresh();
}

}  // namespace

void caretPaintStarts(HWND hwnd) {
  if (caret().owner != hwnd) return;
  change([](Caret& c) { c.painting = true; });
}

void caretPaintEnds(HWND hwnd) {
  if (caret().owner != hwnd) return;
  change([](Caret& c) { c.painting = false; });
}

void caretWindowGone(HWND hwnd) {
  if (caret().owner == hwnd) caret() = Caret{};
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
  if (!findWindow(hwnd)) return FALSE;
  change([&](Caret& c) {
    c = Caret{};
    c.owner = hwnd;
    c.size = SIZE{width > 0 ? width : GetSystemMetrics(SM_CXBORDER),
                  height > 0 ? height : GetSystemMetrics(SM_CYBORDER)};
  });
  return TRUE;
}

BOOL DestroyCaret() {
  if (!caret().owner) return FALSE;
  change([](Caret& c) { c = Caret{}; });
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  Caret& c = caret();
  if (!c.owner || (hwnd && hwnd != c.owner) || c.hidden == 0) return FALSE;
  change([](Caret& k) { --k.hidden; });
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  Caret& c = caret();
  if (!c.owner || (hwnd && hwnd != c.owner)) return FALSE;
  change([](Caret& k) { ++k.hidden; });
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  if (!caret().owner) return FALSE;
  change([&](Caret& c) { c.position = POINT{x, y}; });
  return TRUE;
}

BOOL GetCaretPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = caret().position;
  return TRUE;
}
