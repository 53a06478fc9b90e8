// The pointer: where it is, which buttons are held, which window has the
// capture, and how a pointer event becomes a window message. Used alike by
// injected input (mouse_event, SendInput, SetCursorPos) and by a driver's
// pointerInput. GetCursorPos, SetCursorPos, SetCapture, ReleaseCapture,
// GetCapture, WindowFromPoint, GetDoubleClickTime, ScreenToClient,
// ClientToScreen.
//
// A pointer event goes to the capture window, else to the deepest visible
// window under the point (top-level windows newest first, WS_EX_TOPMOST ones
// before the rest, then enabled children newest first: a disabled child is
// passed over, so its parent gets the pointer). A disabled top-level window
// gets nothing. WM_NCHITTEST (not sent to the capture window)
// decides the message: HTCLIENT gives WM_LBUTTONDOWN ... with client
// coordinates and the MK_* state, any other code WM_NCLBUTTONDOWN ... with
// the code and screen coordinates. A press into a top-level window that is
// not active asks WM_MOUSEACTIVATE and activates it (WA_CLICKACTIVE) first.
// Messages are queued as input, in order with the keyboard's.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "driver.h"
#include "focus.h"
#include "keyboard.h"
#include "message_queue.h"
#include "rects.h"
#include "window.h"

namespace zt::platform {
namespace {

// Win32's default double-click time.
constexpr UINT kDoubleClickMs = 500;
// MOUSEEVENTF_ABSOLUTE coordinates span the screen in this many steps.
constexpr LONG kAbsoluteRange = 65536;

struct Button {
  DWORD downFlag;      // MOUSEEVENTF_*DOWN; the UP flag is twice it
  WPARAM held;         // MK_* bit
  UINT clientDown;     // WM_*BUTTONDOWN; UP and DBLCLK follow it
  UINT nonClientDown;  // WM_NC*BUTTONDOWN; likewise
};

constexpr Button kButtons[] = {
    {MOUSEEVENTF_LEFTDOWN, MK_LBUTTON, WM_LBUTTONDOWN, WM_NCLBUTTONDOWN},
    {MOUSEEVENTF_RIGHTDOWN, MK_RBUTTON, WM_RBUTTONDOWN, WM_NCRBUTTONDOWN},
    {MOUSEEVENTF_MIDDLEDOWN, MK_MBUTTON, WM_MBUTTONDOWN, WM_NCMBUTTONDOWN},
};
constexpr UINT kUpOffset = 1;           // WM_LBUTTONUP - WM_LBUTTONDOWN
constexpr UINT kDoubleClickOffset = 2;  // WM_LBUTTONDBLCLK - WM_LBUTTONDOWN

struct Click {
  HWND hwnd = nullptr;
  UINT message = 0;  // the down message (client or non-client) it made
  DWORD time = 0;
  POINT at{};
};

struct Pointer {
  POINT at{};
  WPARAM held = 0;  // MK_ bits of the buttons
  HWND capture = nullptr;
  Click last;  // the press that a second one could make a double-click
};

Pointer& pointer() {
  static Pointer instance;
  return instance;
}

// Two 16-bit coordinates; negative ones sign-extend the whole, as on Win32.
LPARAM pointParam(POINT p) {
  return static_cast<LPARAM>(static_cast<LONG>(MAKELONG(
      static_cast<WORD>(static_cast<SHORT>(p.x)), static_cast<WORD>(static_cast<SHORT>(p.y)))));
}

RECT clientOnScreen(const Window& w) {
  POINT o = clientOriginOnScreen(w);
  SIZE s = clientSize(w);
  return RECT{o.x, o.y, o.x + s.cx, o.y + s.cy};
}

HWND deepestAt(HWND hwnd, POINT p) {
  Window* w = findWindow(hwnd);
  if (!w || !containsPoint(clientOnScreen(*w), p)) return hwnd;
  for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
    RECT r;
    Window* c = findWindow(*it);
    // A disabled child is passed over: its parent gets the pointer.
    if (c && c->visible() && c->enabled() && GetWindowRect(*it, &r) && containsPoint(r, p)) {
      return deepestAt(*it, p);
    }
  }
  return hwnd;
}

bool enabledWithParents(HWND hwnd) {
  for (Window* w = findWindow(hwnd); w; w = w->isChild() ? findWindow(w->parent) : nullptr) {
    if (!w->enabled()) return false;
  }
  return findWindow(hwnd) != nullptr;
}

WPARAM heldState(WPARAM buttons) {
  WPARAM state = buttons;
  if (keyHeldNow(VK_SHIFT)) state |= MK_SHIFT;
  if (keyHeldNow(VK_CONTROL)) state |= MK_CONTROL;
  return state;
}

void queue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  postInputMessage(makeMessage(hwnd, message, wParam, lParam));
}

// Activates the top-level window of a press unless WM_MOUSEACTIVATE says
// otherwise; false when the press is to be dropped.
bool activateOnPress(HWND target, LRESULT hit, UINT message) {
  HWND top = topLevelOf(target);
  Window* t = findWindow(top);
  if (!t || top == GetActiveWindow()) return true;
  LRESULT answer = SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(message)));
  bool activate = answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT;
  if ((t = findWindow(top)) != nullptr && activate && !(t->exStyle & WS_EX_NOACTIVATE)) {
    activateWindow(top, WA_CLICKACTIVE);
  }
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT && findWindow(target);
}

// The message of a press: a double-click when it repeats the last press
// soon enough and near enough (client presses only in CS_DBLCLKS classes).
UINT pressMessage(HWND target, UINT down, bool client) {
  Pointer& s = pointer();
  Window* w = findWindow(target);
  bool classAllows = !client || (w && w->windowClass && (w->windowClass->style & CS_DBLCLKS));
  DWORD now = GetTickCount();
  int half = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
  bool repeat = s.last.hwnd == target && s.last.message == down &&
                now - s.last.time <= GetDoubleClickTime() &&
                std::abs(s.at.x - s.last.at.x) <= half && std::abs(s.at.y - s.last.at.y) <= half;
  if (classAllows && repeat) {
    s.last = Click{};
    return down + kDoubleClickOffset;
  }
  s.last = Click{target, down, now, s.at};
  return down;
}

// One pointer event at the current position: a move (button nullptr) or a
// press or release.
void deliver(const Button* button, bool down) {
  Pointer& s = pointer();
  HWND target = findWindow(s.capture) ? s.capture : WindowFromPoint(s.at);
  if (!target || !enabledWithParents(target)) return;
  LRESULT hit = HTCLIENT;
  if (target != s.capture) hit = SendMessageA(target, WM_NCHITTEST, 0, pointParam(s.at));
  if (!findWindow(target) || hit == HTNOWHERE || hit == HTERROR || hit == HTTRANSPARENT) return;
  bool client = hit == HTCLIENT;
  UINT message;
  if (!button) {
    message = client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
  } else {
    UINT first = client ? button->clientDown : button->nonClientDown;
    if (down && !activateOnPress(target, hit, first)) return;
    message = down ? pressMessage(target, first, client) : first + kUpOffset;
  }
  if (!client) {
    queue(target, message, static_cast<WPARAM>(hit), pointParam(s.at));
    return;
  }
  POINT local = s.at;
  ScreenToClient(target, &local);
  queue(target, message, heldState(s.held), pointParam(local));
}

void moveTo(POINT p) {
  SIZE screen = driver().screenSize();
  Pointer& s = pointer();
  s.at.x = std::clamp<LONG>(p.x, 0, screen.cx - 1);
  s.at.y = std::clamp<LONG>(p.y, 0, screen.cy - 1);
}

// The buttons of a MOUSEEVENTF_* set, pressed and released in table order.
void buttons(DWORD flags) {
  Pointer& s = pointer();
  for (const Button& b : kButtons) {
    if (flags & b.downFlag) {
      s.held |= b.held;
      deliver(&b, true);
    }
    if (flags & (b.downFlag * 2)) {
      s.held &= ~b.held;
      deliver(&b, false);
    }
  }
}

}  // namespace

void pointerInput(POINT screen, DWORD flags) {
  Pointer& s = pointer();
  if (screen.x != s.at.x || screen.y != s.at.y || flags == 0) {
    moveTo(screen);
    deliver(nullptr, false);
  }
  buttons(flags);
}

}  // namespace zt::platform

using namespace zt::platform;

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra) {
  (void)data;
  (void)extra;
  Pointer& s = pointer();
  if (flags & MOUSEEVENTF_MOVE) {
    POINT to = s.at;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
      SIZE screen = driver().screenSize();
      to.x = static_cast<LONG>((static_cast<int64_t>(static_cast<LONG>(dx)) * screen.cx) /
                               kAbsoluteRange);
      to.y = static_cast<LONG>((static_cast<int64_t>(static_cast<LONG>(dy)) * screen.cy) /
                               kAbsoluteRange);
    } else {
      to.x = saturatingAdd(to.x, static_cast<LONG>(dx));
      to.y = saturatingAdd(to.y, static_cast<LONG>(dy));
    }
    moveTo(to);
    deliver(nullptr, false);
  }
  buttons(flags);
}

UINT SendInput(UINT count, LPINPUT inputs, int size) {
  if (!inputs || size != static_cast<int>(sizeof(INPUT))) return 0;
  for (UINT i = 0; i < count; ++i) {
    const INPUT& in = inputs[i];
    if (in.type == INPUT_MOUSE) {
      mouse_event(in.mi.dwFlags, static_cast<DWORD>(in.mi.dx), static_cast<DWORD>(in.mi.dy),
                  in.mi.mouseData, in.mi.dwExtraInfo);
    } else if (in.type == INPUT_KEYBOARD) {
      keybd_event(static_cast<BYTE>(in.ki.wVk), static_cast<BYTE>(in.ki.wScan), in.ki.dwFlags,
                  in.ki.dwExtraInfo);
    } else {
      return i;
    }
  }
  return count;
}

BOOL GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = pointer().at;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  moveTo(POINT{x, y});
  deliver(nullptr, false);
  return TRUE;
}

HWND SetCapture(HWND hwnd) {
  Pointer& s = pointer();
  HWND old = findWindow(s.capture) ? s.capture : nullptr;
  if (!findWindow(hwnd)) return old;
  s.capture = hwnd;
  if (old && old != hwnd) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture(void) {
  Pointer& s = pointer();
  HWND old = findWindow(s.capture) ? s.capture : nullptr;
  s.capture = nullptr;
  if (old) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture(void) {
  Pointer& s = pointer();
  return findWindow(s.capture) ? s.capture : nullptr;
}

HWND WindowFromPoint(POINT point) {
  auto all = allWindows();
  for (bool topmost : {true, false}) {
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
      Window* w = findWindow(*it);
      if (!w || w->isChild() || !w->visible() || w->destroying) continue;
      if (((w->exStyle & WS_EX_TOPMOST) != 0) != topmost) continue;
      if (containsPoint(w->rect, point)) return deepestAt(*it, point);
    }
  }
  return nullptr;
}

UINT GetDoubleClickTime(void) { return kDoubleClickMs; }

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  Window* w = findWindow(hwnd);
  if (!w || !point) return FALSE;
  POINT o = clientOriginOnScreen(*w);
  point->x -= o.x;
  point->y -= o.y;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  Window* w = findWindow(hwnd);
  if (!w || !point) return FALSE;
  POINT o = clientOriginOnScreen(*w);
  point->x += o.x;
  point->y += o.y;
  return TRUE;
}
