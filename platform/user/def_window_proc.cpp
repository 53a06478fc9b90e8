// DefWindowProcA: the default handling of the messages the layer knows.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "window.h"

namespace zt::platform {
namespace {

// A class brush may be a system colour index plus one (COLOR_WINDOW + 1 ...).
constexpr uintptr_t kLastSystemColourBrush = 31;

COLORREF systemColour(int index) {
  // Wine's default theme: button faces are light grey, the rest is white here.
  return index == COLOR_BTNFACE ? RGB(240, 240, 240) : RGB(255, 255, 255);
}

LRESULT eraseBackground(HWND hwnd, HDC dc) {
  Window* w = findWindow(hwnd);
  HBRUSH brush = w && w->windowClass ? w->windowClass->background : nullptr;
  if (!w || !brush || !dc) return 0;
  SIZE size = clientSize(*w);
  RECT area = isEmpty(w->erasing) ? RECT{0, 0, size.cx, size.cy} : w->erasing;
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value <= kLastSystemColourBrush) {
    HBRUSH solid = CreateSolidBrush(systemColour(static_cast<int>(value) - 1));
    FillRect(dc, &area, solid);
    DeleteObject(solid);
  } else {
    FillRect(dc, &area, brush);
  }
  return 1;
}

LRESULT copyText(HWND hwnd, WPARAM size, LPSTR buffer) {
  Window* w = findWindow(hwnd);
  if (!w || !buffer || size == 0) return 0;
  size_t copied = std::min<size_t>(w->title.size(), size - 1);
  std::memcpy(buffer, w->title.data(), copied);
  buffer[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = findWindow(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      // The title is set here, as on Win32: a procedure that answers
      // WM_NCCREATE itself keeps an empty title.
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->title = cs->lpszName;
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return eraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SETTEXT: {
      auto text = reinterpret_cast<LPCSTR>(lParam);
      w->title = text && !IS_INTRESOURCE(text) ? text : "";
      screenWindowRetitled(hwnd);
      return TRUE;
    }
    case WM_GETTEXT:
      return copyText(hwnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->title.size());
    case WM_ACTIVATE:
      // The window being activated takes the focus.
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
      return 0;
    case WM_NCHITTEST:
      return hitTest(hwnd,
                     POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
    case WM_MOUSEACTIVATE:
      // A child asks its parent first, as on Win32.
      if (w->isChild()) {
        if (LRESULT parent = SendMessageA(w->parent, WM_MOUSEACTIVATE, wParam, lParam))
          return parent;
      }
      return MA_ACTIVATE;
    case WM_NCLBUTTONUP:
      // The close box closes on release. (Presses on the menu bar, HTMENU,
      // are the menu's; the caption does not drag windows here.)
      if (wParam == HTCLOSE) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(hwnd, WM_CLOSE, 0, 0);
      return 0;
    default:
      return 0;
  }
}
