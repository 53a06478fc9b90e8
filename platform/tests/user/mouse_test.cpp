// The pointer: injected input (SetCursorPos, SendInput, mouse_event) routed
// to the window under the pointer, hit-testing, double-clicks, capture,
// disabled windows and activation by a click.
//
// Windows are shown at fixed screen points; messages are awaited for a
// moment, since on Win32 injected input travels through the system first.
// Pointer moves are left out of most checks: a real X server may add some.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "win32.h"

namespace {

struct Heard {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Heard> heard;
LRESULT mouseActivateAnswer = MA_ACTIVATE;

bool isMouseMessage(UINT m) {
  return (m >= WM_LBUTTONDOWN && m <= WM_MBUTTONDBLCLK) ||
         (m >= WM_NCLBUTTONDOWN && m <= WM_NCMBUTTONDBLCLK) || m == WM_MOUSEACTIVATE ||
         m == WM_CAPTURECHANGED || m == WM_MOUSEMOVE;
}

LRESULT CALLBACK listener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (isMouseMessage(msg) || (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)) {
    heard.push_back({hwnd, msg, wParam, lParam});
  }
  if (msg == WM_MOUSEACTIVATE) return mouseActivateAnswer;
  // Presses on the frame stop here: Win32 would start moving or sizing.
  if (msg >= WM_NCLBUTTONDOWN && msg <= WM_NCMBUTTONDBLCLK) return 0;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* registerClass(const char* name, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = listener;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = name;
  RegisterClassA(&wc);
  return name;
}

const char* doubleClickClass() {
  static const char* name = registerClass("mouse-test-dblclks", CS_DBLCLKS);
  return name;
}
const char* plainClass() {
  static const char* name = registerClass("mouse-test-plain", 0);
  return name;
}

void pump() {
  for (int i = 0; i < 10; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void send(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  ASSERT_EQ(SendInput(1, &in, sizeof in), 1u);
}

POINT clientToScreen(HWND hwnd, POINT p) {
  ClientToScreen(hwnd, &p);
  return p;
}

void clickAt(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
  SetCursorPos(screen.x, screen.y);
  send(down);
  send(up);
}

// Everything heard but pointer moves.
std::vector<Heard> withoutMoves() {
  std::vector<Heard> out;
  for (const Heard& h : heard) {
    if (h.message != WM_MOUSEMOVE) out.push_back(h);
  }
  return out;
}

// The button messages and capture changes heard: moves and WM_MOUSEACTIVATE
// left out (Win32 sends the latter whenever the desktop's focus is elsewhere).
std::vector<Heard> presses() {
  std::vector<Heard> out;
  for (const Heard& h : heard) {
    if (h.message != WM_MOUSEMOVE && h.message != WM_MOUSEACTIVATE) out.push_back(h);
  }
  return out;
}

POINT pointOf(LPARAM lParam) {
  return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

void expectPoint(LPARAM lParam, POINT expected) {
  POINT got = pointOf(lParam);
  EXPECT_EQ(got.x, expected.x);
  EXPECT_EQ(got.y, expected.y);
}

std::vector<UINT> messagesOf(const std::vector<Heard>& list, HWND only = nullptr) {
  std::vector<UINT> out;
  for (const Heard& h : list) {
    if (!only || h.hwnd == only) out.push_back(h.message);
  }
  return out;
}

class Mouse : public ::testing::Test {
 protected:
  void SetUp() override {
    mouseActivateAnswer = MA_ACTIVATE;
    window = make(doubleClickClass(), WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    SetForegroundWindow(window);
    pump();
    heard.clear();
  }
  void TearDown() override {
    ReleaseCapture();
    for (HWND w : made) {
      if (IsWindow(w)) DestroyWindow(w);
    }
    pump();
  }
  HWND make(const char* cls, DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
    HWND hwnd = CreateWindowExA(0, cls, "mouse", style | WS_VISIBLE, x, y, w, h, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    made.push_back(hwnd);
    return hwnd;
  }
  HWND window = nullptr;
  std::vector<HWND> made;
};

struct ButtonCase {
  const char* name;
  DWORD down, up;
  UINT downMessage, upMessage;
  WPARAM heldWhileDown;
};

const ButtonCase kButtonCases[] = {
    {"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
    {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
    {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, WM_MBUTTONDOWN, WM_MBUTTONUP,
     MK_MBUTTON},
};

TEST_F(Mouse, ButtonsReachTheClientAreaWithClientCoordinates) {
  for (const ButtonCase& c : kButtonCases) {
    SCOPED_TRACE(c.name);
    heard.clear();
    clickAt(clientToScreen(window, POINT{37, 52}), c.down, c.up);
    pump();
    auto got = presses();
    ASSERT_EQ(messagesOf(got), (std::vector<UINT>{c.downMessage, c.upMessage}));
    EXPECT_EQ(got[0].hwnd, window);
    expectPoint(got[0].lParam, POINT{37, 52});
    expectPoint(got[1].lParam, POINT{37, 52});
    EXPECT_EQ(got[0].wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), c.heldWhileDown);
    EXPECT_EQ(got[1].wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), 0u);
  }
}

TEST_F(Mouse, AMoveReportsThePointInClientCoordinates) {
  SetCursorPos(clientToScreen(window, POINT{5, 6}).x, clientToScreen(window, POINT{5, 6}).y);
  pump();
  heard.clear();
  POINT to = clientToScreen(window, POINT{80, 90});
  SetCursorPos(to.x, to.y);
  pump();
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().message, static_cast<UINT>(WM_MOUSEMOVE));
  expectPoint(heard.back().lParam, POINT{80, 90});
  POINT at{};
  ASSERT_TRUE(GetCursorPos(&at));
  EXPECT_EQ(at.x, to.x);
  EXPECT_EQ(at.y, to.y);
}

TEST_F(Mouse, AbsoluteMovesSpanTheScreen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in.mi.dx = 32768;
  in.mi.dy = 32768;
  ASSERT_EQ(SendInput(1, &in, sizeof in), 1u);
  pump();
  POINT at{};
  GetCursorPos(&at);
  EXPECT_NEAR(at.x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(at.y, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

// Hit codes by the non-client geometry of a sizing, captioned window.
struct HitCase {
  const char* name;
  int x, y;  // from the window's corner: negative counts from the right / bottom
  LRESULT expected;
};

const HitCase kHitCases[] = {
    {"client", 150, 100, HTCLIENT},       {"caption", 120, 12, HTCAPTION},
    {"close box", -10, 12, HTCLOSE},      {"menu bar", 60, 32, HTMENU},
    {"left edge", 1, 100, HTLEFT},        {"right edge", -2, 100, HTRIGHT},
    {"bottom edge", 150, -2, HTBOTTOM},   {"bottom-right corner", -2, -2, HTBOTTOMRIGHT},
    {"top-left corner", 1, 1, HTTOPLEFT}, {"outside", -400, 100, HTNOWHERE},
};

TEST_F(Mouse, HitTestFollowsTheNonClientGeometry) {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 1, "&File");
  SetMenu(window, bar);
  RECT r;
  GetWindowRect(window, &r);
  for (const HitCase& c : kHitCases) {
    SCOPED_TRACE(c.name);
    LONG x = c.x >= 0 ? r.left + c.x : r.right + c.x;
    LONG y = c.y >= 0 ? r.top + c.y : r.bottom + c.y;
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)), c.expected);
  }
}

// A bordered popup: its frame is the window's own on every system (a
// caption may be the desktop's, outside the program's reach).
TEST_F(Mouse, APressOnTheFrameIsANonClientMessageWithScreenCoordinates) {
  HWND bordered = make(plainClass(), WS_POPUP | WS_BORDER, 450, 100, 100, 100);
  SetForegroundWindow(bordered);
  pump();
  heard.clear();
  RECT r;
  GetWindowRect(bordered, &r);
  POINT p{r.left, r.top + 50};
  clickAt(p);
  pump();
  auto got = presses();
  ASSERT_EQ(messagesOf(got), (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}));
  EXPECT_EQ(got[0].hwnd, bordered);
  EXPECT_EQ(got[0].wParam, static_cast<WPARAM>(HTBORDER));
  expectPoint(got[0].lParam, p);
}

TEST_F(Mouse, DoubleClicksNeedTheClassStyle) {
  HWND plain = make(plainClass(), WS_POPUP, 450, 100, 100, 100);
  struct Case {
    const char* name;
    HWND hwnd;
    std::vector<UINT> expected;
  } cases[] = {
      {"CS_DBLCLKS", window, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {"plain", plain, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetForegroundWindow(c.hwnd);
    pump();
    heard.clear();
    POINT p = clientToScreen(c.hwnd, POINT{20, 20});
    clickAt(p);
    clickAt(p);
    pump();
    EXPECT_EQ(messagesOf(presses(), c.hwnd), c.expected);
  }
}

TEST_F(Mouse, ChildrenUnderThePointerGetTheirOwnCoordinates) {
  HWND child = make(plainClass(), WS_CHILD, 20, 30, 50, 40, window);
  pump();
  heard.clear();
  clickAt(clientToScreen(window, POINT{25, 35}));
  pump();
  auto got = presses();
  ASSERT_EQ(messagesOf(got), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(got[0].hwnd, child);
  expectPoint(got[0].lParam, POINT{5, 5});
}

TEST_F(Mouse, DisabledWindowsGetNothing) {
  HWND child = make(plainClass(), WS_CHILD, 20, 30, 50, 40, window);
  struct Case {
    const char* name;
    HWND disable;
    std::vector<UINT> parentHears;  // the parent gets what a disabled child would
  } cases[] = {
      {"disabled child", child, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"disabled top-level window", window, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EnableWindow(c.disable, FALSE);
    pump();
    heard.clear();
    clickAt(clientToScreen(window, POINT{25, 35}));
    pump();
    EXPECT_EQ(messagesOf(presses(), window), c.parentHears);
    EXPECT_TRUE(messagesOf(presses(), child).empty());
    EnableWindow(c.disable, TRUE);
  }
}

TEST_F(Mouse, TheCaptureWindowGetsThePointerAnywhere) {
  HWND other = make(plainClass(), WS_POPUP, 450, 100, 100, 100);
  SetForegroundWindow(window);
  pump();
  heard.clear();
  EXPECT_EQ(SetCapture(window), nullptr);
  EXPECT_EQ(GetCapture(), window);
  POINT inOther = clientToScreen(other, POINT{10, 10});
  clickAt(inOther);
  pump();
  auto got = presses();
  ASSERT_EQ(messagesOf(got), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(got[0].hwnd, window);
  POINT local = inOther;
  ScreenToClient(window, &local);
  expectPoint(got[0].lParam, local);
  heard.clear();
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard[0].message, static_cast<UINT>(WM_CAPTURECHANGED));
  EXPECT_EQ(heard[0].hwnd, window);
}

TEST_F(Mouse, AClickActivatesAnInactiveWindowAndStillArrives) {
  HWND other = make(plainClass(), WS_POPUP, 450, 100, 100, 100);
  SetForegroundWindow(window);
  pump();
  ASSERT_EQ(GetActiveWindow(), window);
  heard.clear();
  clickAt(clientToScreen(other, POINT{10, 10}));
  pump();
  auto got = withoutMoves();
  ASSERT_GE(got.size(), 4u);
  std::vector<UINT> otherHeard = messagesOf(got, other);
  EXPECT_EQ(otherHeard,
            (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  for (const Heard& h : got) {
    if (h.message == WM_ACTIVATE) {
      EXPECT_EQ(LOWORD(h.wParam), WA_CLICKACTIVE);
    }
    if (h.message == WM_MOUSEACTIVATE) {
      EXPECT_EQ(LOWORD(h.lParam), HTCLIENT);
      EXPECT_EQ(HIWORD(h.lParam), WM_LBUTTONDOWN);
    }
  }
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(Mouse, MouseActivateCanEatTheClick) {
  HWND other = make(plainClass(), WS_POPUP, 450, 100, 100, 100);
  SetForegroundWindow(window);
  pump();
  heard.clear();
  mouseActivateAnswer = MA_NOACTIVATEANDEAT;
  clickAt(clientToScreen(other, POINT{10, 10}));
  pump();
  std::vector<UINT> otherHeard = messagesOf(withoutMoves(), other);
  ASSERT_FALSE(otherHeard.empty());
  EXPECT_EQ(otherHeard[0], static_cast<UINT>(WM_MOUSEACTIVATE));
  EXPECT_EQ(std::count(otherHeard.begin(), otherHeard.end(), WM_LBUTTONDOWN), 0);
  EXPECT_EQ(GetActiveWindow(), window);
}

}  // namespace
