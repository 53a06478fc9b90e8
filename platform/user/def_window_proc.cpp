// DefWindowProcA: the default handling of the messages the layer knows.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "menu.h"
#include "code_page.h"
#include "window.h"

namespace zt::platform {
namespace {

// A class brush may be a system colour index plus one (COLOR_WINDOW + 1 ...).
constexpr uintptr_t kLastSystemColourBrush = 31;

LRESULT eraseBackground(HWND hwnd, HDC dc) {
  Window* w = findWindow(hwnd);
  HBRUSH brush = w && w->windowClass ? w->windowClass->background : nullptr;
  if (!w || !brush || !dc) return 0;
  SIZE size = clientSize(*w);
  RECT area = isEmpty(w->erasing) ? RECT{0, 0, size.cx, size.cy} : w->erasing;
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value <= kLastSystemColourBrush) {
    HBRUSH solid = CreateSolidBrush(GetSysColor(static_cast<int>(value) - 1));
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
  const size_t copied = wholeCharacters(w->title, size - 1);  // never half a character
  std::memcpy(buffer, w->title.data(), copied);
  buffer[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

// Alt or F10 pressed and released alone, and Alt with a letter, open the
// menu bar through WM_SYSCOMMAND SC_KEYMENU (lParam: the letter, or 0).
bool altAlone = false;
bool f10Alone = false;

void menuKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  bool altHeld = (HIWORD(lParam) & KF_ALTDOWN) != 0;
  switch (msg) {
    case WM_SYSKEYDOWN:
      if (altHeld) {
        bool alt = wParam == VK_MENU || wParam == VK_LMENU || wParam == VK_RMENU;
        if (!alt)
          altAlone = false;
        else if (!(HIWORD(lParam) & KF_REPEAT))
          altAlone = true;
        f10Alone = false;
      } else if (wParam == VK_F10) {
        f10Alone = true;
      }
      break;
    case WM_SYSKEYUP:
    case WM_KEYUP: {
      bool alt = wParam == VK_MENU || wParam == VK_LMENU || wParam == VK_RMENU;
      bool open = (alt && altAlone) || (wParam == VK_F10 && f10Alone);
      altAlone = f10Alone = false;
      if (open) SendMessageA(topLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
      break;
    }
    case WM_SYSCHAR:
      altAlone = false;
      if (altHeld && wParam && wParam != '\t' && wParam != 0x1B)
        SendMessageA(topLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
      break;
    default:
      break;
  }
}

void systemCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  switch (wParam & 0xFFF0) {
    case SC_CLOSE:
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    case SC_MOUSEMENU: {
      POINT at{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
      trackMenuBar(hwnd, &at, 0);
      break;
    }
    case SC_KEYMENU:
      trackMenuBar(hwnd, nullptr, static_cast<int>(lParam & 0xFF));
      break;
    default:
      break;
  }
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
    case WM_NCLBUTTONDOWN:
      // A press on the menu bar tracks the menu (the caption does not drag
      // windows here).
      if (wParam == HTMENU) SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
      return 0;
    case WM_NCLBUTTONUP:
      // The close box closes on release.
      if (wParam == HTCLOSE) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_KEYUP:
    case WM_SYSCHAR:
      menuKey(hwnd, msg, wParam, lParam);
      return 0;
    case WM_SYSCOMMAND:
      systemCommand(hwnd, wParam, lParam);
      return 0;
    default:
      return 0;
  }
}
