// The message queue: retrieval order, filters, waiting, posting from another
// thread, sending and dispatching.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "recorder.h"
#include "win32.h"

using namespace zt_test;

namespace {

class Messages : public ::testing::Test {
 protected:
  void SetUp() override {
    drainMessages();
    clearRecords();
  }
  void TearDown() override { drainMessages(); }
};

// A visible window with nothing left to paint.
HWND paintedWindow() {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  UpdateWindow(hwnd);
  drainMessages();
  clearRecords();
  return hwnd;
}

constexpr UINT kTimerPeriod = 30;

// Sleeps until a timer of kTimerPeriod set now has certainly fallen due.
void waitPastOnePeriod() { Sleep(kTimerPeriod * 4); }

struct OrderCase {
  const char* name;
  int posted;  // WM_USER + 1 ... + posted
  bool quit;
  bool paint;
  bool timer;
  std::vector<UINT> expected;
};

const OrderCase kOrderCases[] = {
    {"posted in order, then quit", 2, true, false, false, {WM_USER + 1, WM_USER + 2, WM_QUIT}},
    {"quit before paint", 0, true, true, false, {WM_QUIT, WM_PAINT}},
    {"paint before timer", 0, false, true, true, {WM_PAINT, WM_TIMER}},
    {"posted before timer", 1, false, false, true, {WM_USER + 1, WM_TIMER}},
    {"everything", 2, true, true, true, {WM_USER + 1, WM_USER + 2, WM_QUIT, WM_PAINT, WM_TIMER}},
};

}  // namespace

TEST_F(Messages, RetrievalOrderIsPostedQuitPaintTimer) {
  for (const OrderCase& c : kOrderCases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = paintedWindow();
    WindowGuard guard(hwnd);
    // Set up in the reverse of the retrieval order: the order is by kind, not by time.
    if (c.timer) {
      SetTimer(hwnd, 9, kTimerPeriod, nullptr);
      waitPastOnePeriod();
    }
    if (c.paint) InvalidateRect(hwnd, nullptr, TRUE);
    if (c.quit) PostQuitMessage(3);
    for (int i = 1; i <= c.posted; ++i) PostMessageA(hwnd, WM_USER + i, 0, 0);

    std::vector<UINT> got;
    MSG msg;
    // Stops at the timer, which would come again a period later.
    for (int guardCount = 0; guardCount < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
         ++guardCount) {
      bool interesting = msg.message == WM_QUIT || msg.message == WM_PAINT ||
                         msg.message == WM_TIMER || (msg.message > WM_USER && msg.message < WM_APP);
      if (interesting) got.push_back(msg.message);
      if (msg.message == WM_QUIT) {
        EXPECT_EQ(msg.wParam, 3u);
        continue;
      }
      DispatchMessageA(&msg);
      if (msg.message == WM_TIMER) break;
    }
    EXPECT_EQ(got, c.expected);
    KillTimer(hwnd, 9);
  }
}

TEST_F(Messages, PeekHonoursWindowAndRangeFilters) {
  HWND a = createRecorder();
  WindowGuard guardA(a);
  HWND b = createRecorder();
  WindowGuard guardB(b);
  PostMessageA(a, WM_USER + 1, 0, 0);
  PostMessageA(b, WM_USER + 2, 0, 0);
  PostMessageA(a, WM_USER + 3, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  EXPECT_EQ(msg.hwnd, b);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
  EXPECT_FALSE(PeekMessageA(&msg, b, WM_USER, WM_USER + 10, PM_REMOVE));
  // PM_NOREMOVE leaves the message where it is.
  ASSERT_TRUE(PeekMessageA(&msg, a, WM_USER, WM_USER + 10, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  ASSERT_TRUE(PeekMessageA(&msg, a, WM_USER, WM_USER + 10, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  EXPECT_FALSE(PeekMessageA(&msg, a, WM_USER, WM_USER + 10, PM_REMOVE));
}

TEST_F(Messages, GetMessageReturnsFalseOnQuit) {
  PostQuitMessage(42);
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 42u);
  // The quit message is taken once.
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(Messages, QuitIgnoresTheFilters) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  PostQuitMessage(1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  PostQuitMessage(2);
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_EQ(msg.hwnd, nullptr);
}

TEST_F(Messages, GetMessageWaitsForAMessagePostedByAnotherThread) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  std::thread poster([hwnd] {
    Sleep(50);
    PostMessageA(hwnd, WM_USER + 7, 1, 2);
  });
  MSG msg;
  BOOL got = GetMessageA(&msg, hwnd, WM_USER, WM_USER + 100);
  poster.join();
  EXPECT_EQ(got, TRUE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(msg.lParam, 2);
}

TEST_F(Messages, WaitMessageWakesForAMessagePostedByAnotherThread) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  std::atomic<bool> posted{false};
  std::thread poster([&posted, hwnd] {
    Sleep(50);
    posted = true;
    PostMessageA(hwnd, WM_USER + 9, 0, 0);
  });
  EXPECT_TRUE(WaitMessage());
  poster.join();
  EXPECT_TRUE(posted);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 9));
}

TEST_F(Messages, WaitMessageReturnsAtOnceForAPendingQuit) {
  PostQuitMessage(0);
  EXPECT_TRUE(WaitMessage());
  EXPECT_TRUE(drainMessages());
}

TEST_F(Messages, SendMessageCallsTheProcedureAndDispatchRoutesToIt) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  clearRecords();
  SendMessageA(hwnd, WM_USER + 1, 5, 6);
  ASSERT_EQ(records().size(), 1u);  // at once, without the queue
  EXPECT_EQ(records()[0].wParam, 5u);
  EXPECT_EQ(records()[0].lParam, 6);
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = WM_USER + 2;
  DispatchMessageA(&msg);
  EXPECT_EQ(recordedMessages(hwnd), (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
}

TEST_F(Messages, MessageTimeIsTheTimeOfTheLastMessage) {
  DWORD before = GetTickCount();
  PostMessageA(nullptr, WM_USER + 1, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
  DWORD after = GetTickCount();
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(GetMessageTime(), msg.time);
  // Stamped when posted: between the two readings (differences survive wrapping).
  EXPECT_LE(msg.time - before, after - before);
}

TEST_F(Messages, PaintComesUntilTheWindowIsValidated) {
  HWND hwnd = paintedWindow();
  WindowGuard guard(hwnd);
  RECT r{5, 6, 20, 30};
  InvalidateRect(hwnd, &r, FALSE);
  RECT update;
  ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(update.left, 5);
  EXPECT_EQ(update.top, 6);
  EXPECT_EQ(update.right, 20);
  EXPECT_EQ(update.bottom, 30);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
  // Taking WM_PAINT does not validate; only painting does.
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
  ValidateRect(hwnd, nullptr);
  EXPECT_FALSE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(Messages, UpdateWindowPaintsAtOnce) {
  HWND hwnd = paintedWindow();
  WindowGuard guard(hwnd);
  InvalidateRect(hwnd, nullptr, TRUE);
  clearRecords();
  UpdateWindow(hwnd);
  EXPECT_EQ(recordedMessages(hwnd), (std::vector<UINT>{WM_PAINT}));
  RECT update;
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(Messages, HiddenWindowsGetNoPaint) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  InvalidateRect(hwnd, nullptr, TRUE);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, hwnd, WM_PAINT, WM_PAINT, PM_REMOVE));
}

namespace {

struct EraseLog {
  int erases = 0;
  BOOL fErase = TRUE;
  BOOL eraseResult = TRUE;
};
EraseLog* eraseLog = nullptr;

LRESULT CALLBACK eraseProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND && eraseLog) {
    ++eraseLog->erases;
    return eraseLog->eraseResult;
  }
  if (msg == WM_PAINT && eraseLog) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps)) {
      eraseLog->fErase = ps.fErase;
      EndPaint(hwnd, &ps);
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND createEraseWindow() {
  static bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = eraseProc;
    wc.lpszClassName = "ZtErase";
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateWindowExA(0, "ZtErase", "erase", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                         nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST_F(Messages, BeginPaintErasesOnlyWhenAsked) {
  EraseLog log;
  eraseLog = &log;
  HWND hwnd = createEraseWindow();
  WindowGuard guard(hwnd);
  UpdateWindow(hwnd);
  drainMessages();
  log = EraseLog{};
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  EXPECT_EQ(log.erases, 0);
  EXPECT_FALSE(log.fErase);

  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(log.erases, 1);
  EXPECT_FALSE(log.fErase);  // the window erased it

  log.eraseResult = FALSE;
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(log.erases, 2);
  EXPECT_TRUE(log.fErase);  // still to be erased by the painter
  DestroyWindow(hwnd);
  eraseLog = nullptr;
}

namespace {

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(Messages, DefaultErasingFillsWithTheClassBrush) {
  const COLORREF colour = RGB(10, 20, 30);
  // The class, and so its brush, lives as long as the process.
  static const bool registered = [colour] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = plainProc;
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = "ZtBrushed";
    return RegisterClassA(&wc) != 0;
  }();
  ASSERT_TRUE(registered);
  HWND hwnd = CreateWindowExA(0, "ZtBrushed", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  WindowGuard guard(hwnd);
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetPixel(dc, 0, 0), colour);
  EXPECT_EQ(GetPixel(dc, 49, 39), colour);
  ReleaseDC(hwnd, dc);
}
