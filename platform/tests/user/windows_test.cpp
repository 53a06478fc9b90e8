// Windows: creation and destruction messages, client areas, text, lookup,
// visibility, enabling, focus, menu bars and moving.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "recorder.h"
#include "win32.h"

using namespace zt_test;

namespace {

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    drainMessages();
    clearRecords();
  }
  void TearDown() override { drainMessages(); }
};

SIZE clientSizeOf(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

HMENU makeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 1, "&Animate");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Run");
  return bar;
}

struct ClientCase {
  const char* name;
  DWORD style;
  DWORD exStyle;
  bool menu;
  int width, height;
  LONG clientWidth, clientHeight;
};

// Measured under Wine.
const ClientCase kClientCases[] = {
    {"caption with menu", WS_CAPTION | WS_SYSMENU, 0, true, 601, 540, 595, 496},
    {"caption without menu", WS_CAPTION | WS_SYSMENU, 0, false, 601, 540, 595, 515},
    {"overlapped window", WS_OVERLAPPEDWINDOW, 0, false, 1280, 341, 1272, 314},
    {"modal dialog frame", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME,
     false, 300, 200, 294, 175},
    {"border and client edge", WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, false, 100, 50, 94, 44},
    {"sizing frame without caption", WS_POPUP | WS_THICKFRAME, 0, false, 300, 200, 294, 194},
    {"sizing frame with border", WS_POPUP | WS_THICKFRAME | WS_BORDER, 0, false, 300, 200, 292,
     192},
    {"bare popup", WS_POPUP, 0, false, 100, 50, 100, 50},
};

}  // namespace

TEST_F(Windows, ClientAreasMatchTheNonClientRules) {
  for (const ClientCase& c : kClientCases) {
    SCOPED_TRACE(c.name);
    HMENU menu = c.menu ? makeMenuBar() : nullptr;
    HWND hwnd = CreateWindowExA(c.exStyle, recorderClass(), "client", c.style, 0, 0, c.width,
                                c.height, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    WindowGuard guard(hwnd);
    SIZE size = clientSizeOf(hwnd);
    EXPECT_EQ(size.cx, c.clientWidth);
    EXPECT_EQ(size.cy, c.clientHeight);
    // AdjustWindowRectEx takes the client area back to the window size.
    RECT r{0, 0, c.clientWidth, c.clientHeight};
    ASSERT_TRUE(AdjustWindowRectEx(&r, c.style, c.menu, c.exStyle));
    EXPECT_EQ(r.right - r.left, c.width);
    EXPECT_EQ(r.bottom - r.top, c.height);
  }
}

// A window may be far larger than the screen: it keeps the size it was
// given, and its pixels beyond what can show read as CLR_INVALID.
TEST_F(Windows, HugeWindowsKeepTheirSizeAndOnlyVisiblePixels) {
  for (int side : {5000, 40000000}) {
    SCOPED_TRACE(side);
    HWND hwnd = CreateWindowExA(0, recorderClass(), "huge", WS_POPUP | WS_VISIBLE, 0, 0, side, side,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    WindowGuard guard(hwnd);
    EXPECT_EQ(side, clientSizeOf(hwnd).cx);
    EXPECT_EQ(side, clientSizeOf(hwnd).cy);
    HWND child = CreateWindowExA(0, recorderClass(), "child", WS_CHILD | WS_VISIBLE, 0, 0, side,
                                 side, hwnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    for (HWND window : {hwnd, child}) {
      HDC dc = GetDC(window);
      EXPECT_EQ(CLR_INVALID, GetPixel(dc, GetSystemMetrics(SM_CXSCREEN) + 10, 10));
      EXPECT_EQ(CLR_INVALID, GetPixel(dc, 10, GetSystemMetrics(SM_CYSCREEN) + 10));
      ReleaseDC(window, dc);
    }
  }
}

// Pixels that a move brings back onto the screen show what the window paints
// there (here its class brush), not whatever the layer kept or made up.
TEST_F(Windows, MovingBackOntoTheScreenRepaintsWhatItUncovers) {
  const COLORREF red = RGB(255, 0, 0);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = CreateSolidBrush(red);
  wc.lpszClassName = "red background";
  RegisterClassA(&wc);
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "edge", WS_POPUP | WS_VISIBLE, screen - 100, 0,
                              300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  WindowGuard guard(hwnd);
  UpdateWindow(hwnd);
  drainMessages();
  ASSERT_TRUE(MoveWindow(hwnd, 0, 0, 300, 200, TRUE));
  UpdateWindow(hwnd);
  drainMessages();
  HDC dc = GetDC(hwnd);
  for (POINT p : {POINT{50, 10}, POINT{150, 10}, POINT{299, 199}}) {
    EXPECT_EQ(red, GetPixel(dc, p.x, p.y)) << "at (" << p.x << ", " << p.y << "): expected "
                                           << std::hex << red << ", got " << GetPixel(dc, p.x, p.y);
  }
  ReleaseDC(hwnd, dc);
}

TEST_F(Windows, ChildWithBorderLosesOnePixelEachSide) {
  HWND parent = createRecorder(WS_OVERLAPPEDWINDOW, 400, 300);
  WindowGuard guard(parent);
  HWND child =
      createRecorder(WS_CHILD | WS_BORDER, 100, 50, "child", parent, reinterpret_cast<HMENU>(7));
  ASSERT_NE(child, nullptr);
  SIZE size = clientSizeOf(child);
  EXPECT_EQ(size.cx, 98);
  EXPECT_EQ(size.cy, 48);
  EXPECT_EQ(GetParent(child), parent);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  // The child's outer rectangle is in screen coordinates: inside the parent's client area.
  RECT parentRect, childRect;
  GetWindowRect(parent, &parentRect);
  GetWindowRect(child, &childRect);
  EXPECT_EQ(childRect.right - childRect.left, 100);
  EXPECT_EQ(childRect.left - parentRect.left, 4 + 10);     // sizing frame + x
  EXPECT_EQ(childRect.top - parentRect.top, 4 + 19 + 20);  // frame + caption + y
}

TEST_F(Windows, SystemMetricsDescribeTheFrames) {
  EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
  EXPECT_EQ(GetSystemMetrics(SM_CYBORDER), 1);
  EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), 3);
  EXPECT_EQ(GetSystemMetrics(SM_CYDLGFRAME), 3);
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
  EXPECT_EQ(GetSystemMetrics(SM_CYFRAME), 4);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
}

TEST_F(Windows, HeadlessScreenIs1280By1024) {
#ifdef _WIN32
  GTEST_SKIP() << "the screen size of a real display is whatever the display is";
#endif
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
}

namespace {

struct CreationLog {
  std::vector<UINT> messages;
  std::string titleAtCreate;
  LPVOID params = nullptr;
  LPARAM sizeAtCreate = 0;
  bool failCreate = false;
};
CreationLog* creationLog = nullptr;

LRESULT CALLBACK creationProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (creationLog && (msg == WM_NCCREATE || msg == WM_CREATE || msg == WM_SIZE ||
                      msg == WM_DESTROY || msg == WM_NCDESTROY)) {
    creationLog->messages.push_back(msg);
  }
  if (msg == WM_CREATE && creationLog) {
    auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    creationLog->params = cs->lpCreateParams;
    char title[64] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    creationLog->titleAtCreate = title;
    if (creationLog->failCreate) return -1;
  }
  if (msg == WM_SIZE && creationLog && !creationLog->sizeAtCreate)
    creationLog->sizeAtCreate = lParam;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* creationClass() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = creationProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZtCreation";
    RegisterClassA(&wc);
    return "ZtCreation";
  }();
  return name;
}

}  // namespace

TEST_F(Windows, CreationSendsCreateThenSizeWithTheClientSize) {
  CreationLog log;
  creationLog = &log;
  int marker = 0;
  HWND hwnd = CreateWindowExA(0, creationClass(), "Made", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                              300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), &marker);
  ASSERT_NE(hwnd, nullptr);
  WindowGuard guard(hwnd);
  EXPECT_EQ(log.messages, (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE}));
  EXPECT_EQ(log.params, &marker);
  EXPECT_EQ(log.titleAtCreate, "Made");
  EXPECT_EQ(LOWORD(log.sizeAtCreate), 300 - 6);
  EXPECT_EQ(HIWORD(log.sizeAtCreate), 200 - 6 - 19);
  DestroyWindow(hwnd);
  creationLog = nullptr;
}

TEST_F(Windows, OverlappedWindowHearsItsSizeWhenFirstShown) {
  CreationLog log;
  creationLog = &log;
  HWND hwnd = CreateWindowExA(0, creationClass(), "Later", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(hwnd, nullptr);
  WindowGuard guard(hwnd);
  EXPECT_EQ(log.messages, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  ShowWindow(hwnd, SW_SHOW);
  EXPECT_EQ(log.messages, (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE}));
  EXPECT_EQ(LOWORD(log.sizeAtCreate), 300 - 8);
  EXPECT_EQ(HIWORD(log.sizeAtCreate), 200 - 8 - 19);
  // Only the first showing sends it.
  ShowWindow(hwnd, SW_HIDE);
  ShowWindow(hwnd, SW_SHOW);
  EXPECT_EQ(log.messages.size(), 3u);
  DestroyWindow(hwnd);
  creationLog = nullptr;
}

TEST_F(Windows, CreateReturningMinusOneFailsTheCreation) {
  CreationLog log;
  log.failCreate = true;
  creationLog = &log;
  HWND hwnd = CreateWindowExA(0, creationClass(), "Refused", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  creationLog = nullptr;
  EXPECT_EQ(hwnd, nullptr);
  EXPECT_EQ(FindWindowA(creationClass(), "Refused"), nullptr);
  ASSERT_FALSE(log.messages.empty());
  EXPECT_EQ(log.messages.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(Windows, UnknownClassFailsTheCreation) {
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr),
            nullptr);
}

TEST_F(Windows, RegisteringAClassTwiceFails) {
  recorderClass();
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = recorderClass();
  EXPECT_EQ(RegisterClassA(&wc), 0);
}

TEST_F(Windows, CloseDestroysTheWindowAndItsChildren) {
  HWND parent = createRecorder();
  HWND child = createRecorder(WS_CHILD | WS_VISIBLE, 50, 50, "child", parent);
  ASSERT_NE(child, nullptr);
  clearRecords();
  SendMessageA(parent, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
  // WM_DESTROY reaches the parent first, then the child.
  std::vector<HWND> destroyed;
  for (const Recorded& r : records()) {
    if (r.message == WM_DESTROY) destroyed.push_back(r.hwnd);
  }
  EXPECT_EQ(destroyed, (std::vector<HWND>{parent, child}));
}

TEST_F(Windows, StaleHandlesMakeCallsFail) {
  HWND hwnd = createRecorder();
  ASSERT_TRUE(DestroyWindow(hwnd));
  RECT r;
  char text[8];
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(DestroyWindow(hwnd));
  EXPECT_FALSE(GetClientRect(hwnd, &r));
  EXPECT_FALSE(GetWindowRect(hwnd, &r));
  EXPECT_FALSE(SetWindowTextA(hwnd, "x"));
  EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 0);
  EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
  EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
  EXPECT_FALSE(MoveWindow(hwnd, 0, 0, 10, 10, TRUE));
  EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
  EXPECT_EQ(SetTimer(hwnd, 1, 100, nullptr), 0u);
}

TEST_F(Windows, FindWindowMatchesClassAndTitleOfTopLevelWindows) {
  HWND a = createRecorder(WS_OVERLAPPEDWINDOW, 100, 100, "Find Me");
  WindowGuard guardA(a);
  HWND child = createRecorder(WS_CHILD, 10, 10, "Hidden Child", a);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(FindWindowA(recorderClass(), "Find Me"), a);
  EXPECT_EQ(FindWindowA(nullptr, "Find Me"), a);
  EXPECT_NE(FindWindowA(recorderClass(), nullptr), nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "Hidden Child"), nullptr);  // children are not searched
  EXPECT_EQ(FindWindowA(recorderClass(), "Nobody"), nullptr);
  DestroyWindow(a);
  EXPECT_EQ(FindWindowA(recorderClass(), "Find Me"), nullptr);
}

TEST_F(Windows, TextIsSetAndReadBackTruncated) {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW, 100, 100, "first");
  WindowGuard guard(hwnd);
  char text[32];
  EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 5);
  EXPECT_STREQ(text, "first");
  ASSERT_TRUE(SetWindowTextA(hwnd, "ZT738 Graphics"));
  EXPECT_EQ(GetWindowTextLengthA(hwnd), 14);
  EXPECT_EQ(GetWindowTextA(hwnd, text, 6), 5);
  EXPECT_STREQ(text, "ZT738");
  ASSERT_TRUE(SetWindowTextA(hwnd, nullptr));
  EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);
}

TEST_F(Windows, Utf8TitlesRoundTripAndAreNeverCutInsideACharacter) {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW, 100, 100, "first");
  WindowGuard guard(hwnd);
  const char* title = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE4\xBD\xA0";  // Привет 你
  ASSERT_TRUE(SetWindowTextA(hwnd, title));
  char text[32];
  EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 16);
  EXPECT_STREQ(text, title);
  EXPECT_EQ(FindWindowA(nullptr, title), hwnd);
#ifndef _WIN32  // how Win32 cuts a UTF-8 title for a short buffer is its own affair
  // Room for 5 bytes and the terminator: "Пр", not "Пр" and half of "и".
  EXPECT_EQ(GetWindowTextA(hwnd, text, 6), 4);
  EXPECT_STREQ(text, "\xD0\x9F\xD1\x80");
  EXPECT_EQ(GetWindowTextA(hwnd, text, 5), 4);
#endif
}

TEST_F(Windows, ShowWindowReportsThePreviousVisibility) {
  HWND parent = createRecorder();
  WindowGuard guard(parent);
  HWND child = createRecorder(WS_CHILD | WS_VISIBLE, 10, 10, "child", parent);
  EXPECT_FALSE(IsWindowVisible(parent));
  EXPECT_FALSE(IsWindowVisible(child));  // its parent is hidden
  EXPECT_FALSE(ShowWindow(parent, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(parent));
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_TRUE(ShowWindow(parent, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(parent));
  EXPECT_FALSE(ShowWindow(parent, SW_HIDE));
}

TEST_F(Windows, EnableWindowSendsEnableAndReportsThePreviousState) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  clearRecords();
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  EXPECT_FALSE(EnableWindow(hwnd, FALSE));  // it was enabled
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_TRUE(EnableWindow(hwnd, FALSE));  // it was disabled; no change
  EXPECT_TRUE(EnableWindow(hwnd, TRUE));
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  std::vector<WPARAM> enables;
  for (const Recorded& r : records()) {
    if (r.message == WM_ENABLE) enables.push_back(r.wParam);
  }
  EXPECT_EQ(enables, (std::vector<WPARAM>{FALSE, TRUE}));
}

TEST_F(Windows, SetFocusSendsKillFocusThenSetFocus) {
  HWND parent = createRecorder(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  WindowGuard guard(parent);
  HWND a = createRecorder(WS_CHILD | WS_VISIBLE, 10, 10, "a", parent);
  HWND b = createRecorder(WS_CHILD | WS_VISIBLE, 10, 10, "b", parent);
  SetFocus(a);
  ASSERT_EQ(GetFocus(), a);
  clearRecords();
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(GetFocus(), b);
  std::vector<Recorded> focus;
  for (const Recorded& r : records()) {
    if (r.message == WM_KILLFOCUS || r.message == WM_SETFOCUS) focus.push_back(r);
  }
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[0].hwnd, a);
  EXPECT_EQ(focus[0].message, static_cast<UINT>(WM_KILLFOCUS));
  EXPECT_EQ(focus[0].wParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(focus[1].hwnd, b);
  EXPECT_EQ(focus[1].message, static_cast<UINT>(WM_SETFOCUS));
  EXPECT_EQ(focus[1].wParam, reinterpret_cast<WPARAM>(a));
  // Destroying the focus window moves the focus away from it.
  DestroyWindow(b);
  EXPECT_NE(GetFocus(), b);
}

TEST_F(Windows, DisabledWindowCannotTakeTheFocus) {
  HWND parent = createRecorder(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  WindowGuard guard(parent);
  HWND child = createRecorder(WS_CHILD | WS_VISIBLE, 10, 10, "child", parent);
  SetFocus(parent);
  EnableWindow(child, FALSE);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), parent);
  EnableWindow(child, TRUE);
  SetFocus(child);
  // Disabling the focus window takes the focus away from it.
  EnableWindow(child, FALSE);
  EXPECT_NE(GetFocus(), child);
  // Hiding a child with the focus hands the focus to its parent.
  EnableWindow(child, TRUE);
  SetFocus(child);
  ShowWindow(child, SW_HIDE);
  EXPECT_EQ(GetFocus(), parent);
}

TEST_F(Windows, ShowingATopLevelWindowActivatesIt) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  ShowWindow(hwnd, SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), hwnd);
  DestroyWindow(hwnd);
  EXPECT_NE(GetActiveWindow(), hwnd);
}

TEST_F(Windows, MenuBarTakesItsHeightFromTheClientArea) {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW, 400, 300);
  WindowGuard guard(hwnd);
  SIZE before = clientSizeOf(hwnd);
  HMENU bar = makeMenuBar();
  clearRecords();
  ASSERT_TRUE(SetMenu(hwnd, bar));
  EXPECT_EQ(GetMenu(hwnd), bar);
  ASSERT_TRUE(DrawMenuBar(hwnd));
  SIZE after = clientSizeOf(hwnd);
  EXPECT_EQ(after.cx, before.cx);
  EXPECT_EQ(after.cy, before.cy - 19);
  // The window hears of its new client size.
  const Recorded* size = nullptr;
  for (const Recorded& r : records()) {
    if (r.message == WM_SIZE) size = &r;
  }
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(LOWORD(size->lParam), after.cx);
  EXPECT_EQ(HIWORD(size->lParam), after.cy);
  ASSERT_TRUE(SetMenu(hwnd, nullptr));
  EXPECT_EQ(clientSizeOf(hwnd).cy, before.cy);
  DestroyMenu(bar);
}

TEST_F(Windows, MoveWindowResizesTheClientArea) {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW, 200, 100);
  WindowGuard guard(hwnd);
  clearRecords();
  ASSERT_TRUE(MoveWindow(hwnd, 30, 40, 300, 250, FALSE));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right, 330);
  EXPECT_EQ(r.bottom, 290);
  SIZE size = clientSizeOf(hwnd);
  EXPECT_EQ(size.cx, 292);
  EXPECT_EQ(size.cy, 223);
  std::vector<UINT> sizes;
  for (const Recorded& r2 : records()) {
    if (r2.message == WM_SIZE) {
      EXPECT_EQ(LOWORD(r2.lParam), 292);
      EXPECT_EQ(HIWORD(r2.lParam), 223);
      sizes.push_back(r2.message);
    }
  }
  EXPECT_EQ(sizes.size(), 1u);
}

TEST_F(Windows, StockIconsAndCursorsLoad) {
  EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
}
