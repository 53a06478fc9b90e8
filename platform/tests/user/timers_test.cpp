// Timers: window timers, missed periods, replacing, killing, thread timers.
// Waits are generous and no test bounds how late a timer may come.
#include <gtest/gtest.h>

#include "recorder.h"
#include "win32.h"

using namespace zt_test;

namespace {

class Timers : public ::testing::Test {
 protected:
  void SetUp() override {
    drainMessages();
    clearRecords();
  }
  void TearDown() override { drainMessages(); }
};

constexpr DWORD kGenerousWait = 10000;

// Takes messages (dispatching them) until one matches, or the wait runs out.
bool waitForMessage(HWND hwnd, UINT message, MSG* out, DWORD limit = kGenerousWait) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < limit) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageA(&msg);
      if (msg.message == message && (!hwnd || msg.hwnd == hwnd)) {
        if (out) *out = msg;
        return true;
      }
    }
    Sleep(1);
  }
  return false;
}

int countTimerMessages(HWND hwnd) {
  int count = 0;
  MSG msg;
  while (PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) ++count;
  return count;
}

}  // namespace

TEST_F(Timers, WindowTimerArrivesAfterItsPeriod) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  clearRecords();
  DWORD start = GetTickCount();
  ASSERT_EQ(SetTimer(hwnd, 2, 100, nullptr), 2u);
  MSG msg;
  ASSERT_TRUE(waitForMessage(hwnd, WM_TIMER, &msg));
  // Not early: tick counts move in coarse steps, so only half the period is asserted.
  EXPECT_GE(GetTickCount() - start, 50u);
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_EQ(msg.lParam, 0);
  EXPECT_EQ(recordedMessages(hwnd), (std::vector<UINT>{WM_TIMER}));
  KillTimer(hwnd, 2);
}

TEST_F(Timers, MissedPeriodsGiveOneMessage) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  SetTimer(hwnd, 1, 100, nullptr);
  Sleep(550);  // five periods and more
  EXPECT_EQ(countTimerMessages(hwnd), 1);
  KillTimer(hwnd, 1);
}

TEST_F(Timers, KillTimerStopsIt) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  SetTimer(hwnd, 1, 20, nullptr);
  EXPECT_TRUE(KillTimer(hwnd, 1));
  EXPECT_FALSE(KillTimer(hwnd, 1));
  Sleep(100);
  EXPECT_EQ(countTimerMessages(hwnd), 0);
}

TEST_F(Timers, SettingTheSameIdAgainReplacesTheTimer) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  SetTimer(hwnd, 5, 600000, nullptr);  // ten minutes
  SetTimer(hwnd, 5, 20, nullptr);
  MSG msg;
  ASSERT_TRUE(waitForMessage(hwnd, WM_TIMER, &msg));
  EXPECT_EQ(msg.wParam, 5u);
  KillTimer(hwnd, 5);
}

TEST_F(Timers, DestroyingTheWindowStopsItsTimers) {
  HWND hwnd = createRecorder();
  SetTimer(hwnd, 3, 20, nullptr);
  DestroyWindow(hwnd);
  Sleep(100);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

namespace {

struct ThreadTimerLog {
  int calls = 0;
  HWND hwnd = reinterpret_cast<HWND>(1);
  UINT message = 0;
  UINT_PTR id = 0;
};
ThreadTimerLog threadTimerLog;

void CALLBACK threadTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD) {
  ++threadTimerLog.calls;
  threadTimerLog.hwnd = hwnd;
  threadTimerLog.message = message;
  threadTimerLog.id = id;
}

}  // namespace

TEST_F(Timers, ThreadTimerCallsItsProcedureWithoutAWindow) {
  threadTimerLog = ThreadTimerLog{};
  UINT_PTR id = SetTimer(nullptr, 0, 20, threadTimerProc);
  ASSERT_NE(id, 0u);
  DWORD start = GetTickCount();
  while (threadTimerLog.calls == 0 && GetTickCount() - start < kGenerousWait) {
    WaitMessage();
    drainMessages();
  }
  EXPECT_GE(threadTimerLog.calls, 1);
  EXPECT_EQ(threadTimerLog.hwnd, nullptr);
  EXPECT_EQ(threadTimerLog.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(threadTimerLog.id, id);
  // A second thread timer gets an id of its own.
  UINT_PTR other = SetTimer(nullptr, 0, 600000, threadTimerProc);
  EXPECT_NE(other, id);
  EXPECT_TRUE(KillTimer(nullptr, other));

  EXPECT_TRUE(KillTimer(nullptr, id));
  drainMessages();
  int calls = threadTimerLog.calls;
  Sleep(100);
  drainMessages();
  EXPECT_EQ(threadTimerLog.calls, calls);
}

TEST_F(Timers, WindowTimerWithAProcedureCallsItWithTheWindow) {
  threadTimerLog = ThreadTimerLog{};
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  clearRecords();
  SetTimer(hwnd, 4, 20, threadTimerProc);
  MSG msg;
  ASSERT_TRUE(waitForMessage(hwnd, WM_TIMER, &msg));
  EXPECT_EQ(threadTimerLog.calls, 1);
  EXPECT_EQ(threadTimerLog.hwnd, hwnd);
  EXPECT_EQ(threadTimerLog.id, 4u);
  // The procedure replaces the window procedure for this timer.
  EXPECT_TRUE(recordedMessages(hwnd).empty());
  KillTimer(hwnd, 4);
}
