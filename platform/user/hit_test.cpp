// Where a screen point lies in a window, by the layer's non-client geometry
// (see metrics.cpp): what DefWindowProcA answers to WM_NCHITTEST.
//   outside the window          HTNOWHERE
//   the client area             HTCLIENT
//   the menu bar strip          HTMENU
//   caption: its rightmost square HTCLOSE (with WS_SYSMENU), its leftmost
//   square HTSYSMENU (likewise), else HTCAPTION
//   frame: with WS_THICKFRAME the side or corner (HTLEFT ... HTBOTTOMRIGHT,
//   corners as deep as the caption), else HTBORDER
#include "rects.h"
#include "window.h"

namespace zt::platform {
namespace {

LRESULT sizingEdge(const RECT& outer, POINT p, int corner) {
  bool left = p.x < outer.left + corner, right = p.x >= outer.right - corner;
  bool top = p.y < outer.top + corner, bottom = p.y >= outer.bottom - corner;
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  return left ? HTLEFT : HTRIGHT;
}

}  // namespace

LRESULT hitTest(HWND hwnd, POINT p) {
  Window* w = findWindow(hwnd);
  RECT outer;
  if (!w || !GetWindowRect(hwnd, &outer) || !containsPoint(outer, p)) return HTNOWHERE;
  POINT origin = clientOriginOnScreen(*w);
  SIZE size = clientSize(*w);
  if (containsPoint(RECT{origin.x, origin.y, origin.x + size.cx, origin.y + size.cy}, p))
    return HTCLIENT;
  RECT inset = nonClientInsets(*w);
  int frame = inset.left;
  RECT within{outer.left + frame, outer.top + frame, outer.right - frame, outer.bottom - frame};
  if (!containsPoint(within, p)) {
    if (!(w->style & WS_THICKFRAME)) return HTBORDER;
    return sizingEdge(outer, p, frame + GetSystemMetrics(SM_CYCAPTION));
  }
  int menuTop = origin.y - (w->hasMenuBar() ? GetSystemMetrics(SM_CYMENU) : 0);
  if (p.y >= menuTop) return HTMENU;
  if ((w->style & WS_CAPTION) == WS_CAPTION) {
    int square = GetSystemMetrics(SM_CYCAPTION);
    if (w->style & WS_SYSMENU) {
      if (p.x >= within.right - square) return HTCLOSE;
      if (p.x < within.left + square) return HTSYSMENU;
    }
    return HTCAPTION;
  }
  return HTBORDER;
}

}  // namespace zt::platform
