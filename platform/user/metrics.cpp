// System metrics and the non-client area: GetSystemMetrics, AdjustWindowRectEx.
//
// The screen's size is the driver's (headless: 1280 x 1024). The frame sizes
// are fixed and chosen so that client areas come out as under Wine's default
// theme:
//   SM_CXBORDER / SM_CYBORDER      1   thin border (WS_BORDER)
//   SM_CXDLGFRAME / SM_CYDLGFRAME  3   dialog frame (WS_DLGFRAME, WS_EX_DLGMODALFRAME)
//   SM_CXFRAME / SM_CYFRAME        4   sizing frame (WS_THICKFRAME)
//   SM_CYCAPTION                  19   caption bar (WS_CAPTION)
//   SM_CYMENU                     19   single-line menu bar
//   SM_CXMENUCHECK / SM_CYMENUCHECK 11 a menu's check mark
// The frame on each side is built as Wine builds it: 2 for an outer edge
// (WS_THICKFRAME, WS_DLGFRAME or WS_EX_DLGMODALFRAME), 1 more for the sizing
// border (WS_THICKFRAME), 1 more for the line (WS_BORDER, WS_DLGFRAME or
// WS_EX_DLGMODALFRAME); WS_EX_CLIENTEDGE adds 2 inside. So a sizing frame
// with a caption is 4, a dialog frame 3, a thin border 1, and a sizing frame
// without a border line 3. The caption and a top-level window's menu bar are
// added at the top.
// For example 601 x 540 with WS_CAPTION | WS_SYSMENU and a menu leaves a
// 595 x 496 client area; WS_OVERLAPPEDWINDOW at 1280 x 341 leaves 1272 x 314.
#include "driver.h"
#include "window.h"

namespace zt::platform {
namespace {

// The box within which a second click makes a double-click, as Wine's default.
constexpr int kDoubleClickBox = 4;
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kOuterEdge = 2;
constexpr int kSizingBorder = 1;
constexpr int kClientEdge = 2;
constexpr int kCaption = 19;
constexpr int kMenuBar = 19;
constexpr int kMenuCheck = 11;

}  // namespace

RECT nonClientInsets(DWORD style, DWORD exStyle, bool menuBar) {
  bool modal = (exStyle & WS_EX_DLGMODALFRAME) != 0;
  int frame = 0;
  if ((style & (WS_THICKFRAME | WS_DLGFRAME)) || modal) frame += kOuterEdge;
  if (style & WS_THICKFRAME) frame += kSizingBorder;
  if ((style & (WS_BORDER | WS_DLGFRAME)) || modal) frame += kBorder;
  if (exStyle & WS_EX_CLIENTEDGE) frame += kClientEdge;
  int top = frame;
  if ((style & WS_CAPTION) == WS_CAPTION) top += kCaption;
  if (menuBar) top += kMenuBar;
  return RECT{frame, top, frame, frame};
}

RECT nonClientInsets(const Window& w) {
  return nonClientInsets(w.style, w.exStyle, w.hasMenuBar());
}

}  // namespace zt::platform

using namespace zt::platform;

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return driver().screenSize().cx;
    case SM_CYSCREEN:
      return driver().screenSize().cy;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return kDoubleClickBox;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return kSizingFrame;
    case SM_CYCAPTION:
      return kCaption;
    case SM_CYMENU:
      return kMenuBar;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return kMenuCheck;
    default:
      return 0;  // unknown index, as on Win32
  }
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  RECT inset = nonClientInsets(style, exStyle, menu != FALSE);
  rect->left -= inset.left;
  rect->top -= inset.top;
  rect->right += inset.right;
  rect->bottom += inset.bottom;
  return TRUE;
}
