// The window of an open popup menu: class "#32768", a borderless WS_POPUP
// that never takes the focus from its owner (WS_EX_NOACTIVATE, shown with
// SW_SHOWNOACTIVATE), placed so that it stays on the screen. One is open at
// a time; it paints its menu from the menu's own state.
#include <algorithm>

#include "menu.h"
#include "window.h"

namespace zt::platform {
namespace {

constexpr char kPopupClass[] = "#32768";

struct Open {
  HWND window = nullptr;
  HMENU menu = nullptr;
};

Open& open() {
  static Open instance;
  return instance;
}

LRESULT CALLBACK popupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(hwnd, &ps)) {
        if (hwnd == open().window) paintPopup(dc, open().menu);
        EndPaint(hwnd, &ps);
      }
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the painting covers everything
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

void registerPopupClass() {
  static bool done = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = popupProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPopupClass;
    return RegisterClassA(&wc) != 0;
  }();
  (void)done;
}

}  // namespace

HWND showPopupWindow(HWND owner, HMENU popup, POINT at) {
  hidePopupWindow();
  registerPopupClass();
  SIZE size = popupLayout(popup).size;
  SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  // Kept on the screen: moved left or up as far as needed, never past 0.
  at.x = std::max<LONG>(0, std::min<LONG>(at.x, screen.cx - size.cx));
  at.y = std::max<LONG>(0, std::min<LONG>(at.y, screen.cy - size.cy));
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPopupClass, "",
                              WS_POPUP, at.x, at.y, size.cx, size.cy, owner, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  open() = Open{hwnd, popup};
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  return hwnd;
}

void hidePopupWindow() {
  HWND hwnd = open().window;
  open() = Open{};
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

HWND popupWindow() { return IsWindow(open().window) ? open().window : nullptr; }

HMENU popupWindowMenu() { return popupWindow() ? open().menu : nullptr; }

void repaintPopupWindow() {
  if (HWND hwnd = popupWindow()) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
  }
}

}  // namespace zt::platform
