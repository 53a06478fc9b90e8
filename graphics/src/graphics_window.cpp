// The graphics window procedure. Input (clicks, characters, Ctrl), painting,
// sizing and destruction are handled here; creation, commands, letter
// shortcuts and timer ticks go to the menu side.
#include "package.h"

namespace zt::package {

namespace {

void onKeyDown(WPARAM key) {
  if (key == VK_CONTROL) {
    ctrlDown = true;
  } else if (ctrlDown) {
    ZT738_shortcut_key(key);
  }
}

void onSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  centreX = client.left + (client.right - client.left) / 2;
  centreY = client.top + (client.bottom - client.top) / 2;
}

void onPaint(HWND window) {
  PAINTSTRUCT ps = {};
  BeginPaint(window, &ps);
  ZT738_copy_canvas(windowDC);
  EndPaint(window, &ps);
}

}  // namespace

LRESULT CALLBACK ZT738_graphics_window_proc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      ZT738_build_menu(window);
      return 0;
    case WM_COMMAND:
      ZT738_menu_command(wParam);
      return 0;
    case WM_TIMER:
      ZT738_timer_tick();
      return 0;
    case WM_LBUTTONDOWN:
      pending = PendingEvent{EventMouse, static_cast<int>(LOWORD(lParam)) - centreX,
                             centreY - static_cast<int>(HIWORD(lParam))};
      return 0;
    case WM_CHAR:
      if (!ctrlDown)
        pending = PendingEvent{EventKey, 0, 0,
                               static_cast<char>(static_cast<unsigned char>(wParam & 0xFF))};
      return 0;
    case WM_KEYDOWN:
      onKeyDown(wParam);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_CONTROL) ctrlDown = false;
      return 0;
    case WM_SIZE:
      onSize(window);
      return 0;
    case WM_PAINT:
      onPaint(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, TICK_TIMER_ID);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace zt::package
