// SIGINT, SIGTERM and SIGHUP quit a program on the layer: its message loop
// gets WM_QUIT. Each case runs in a child process (a death test), since the
// handlers are installed once per process when the driver is chosen.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>

#include "driver.h"
#include "win32.h"

namespace {

// In the child: the driver chosen (headless), the signal raised, then the
// loop must end with WM_QUIT (an alarm ends a child that waits on).
[[noreturn]] void quitsOn(int signal) {
  zt::platform::driver();
  alarm(5);
  raise(signal);
  MSG msg;
  BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  std::exit(got == 0 && msg.message == WM_QUIT ? 0 : 1);
}

TEST(QuitSignals, SigintSigtermAndSighupPostAQuit) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    EXPECT_EXIT(quitsOn(signal), testing::ExitedWithCode(0), "") << "signal " << signal;
  }
}

// The first SIGINT posts the quit; a second one, before the program has
// taken it, ends the process by SIGINT at once.
TEST(QuitSignals, ASecondSigintWhileTheFirstIsPendingEndsTheProcess) {
  auto twice = [] {
    zt::platform::driver();
    raise(SIGINT);
    raise(SIGINT);
    std::exit(0);  // not reached
  };
  EXPECT_EXIT(twice(), testing::KilledBySignal(SIGINT), "");
}

// A SIGTERM after the first SIGINT is one more quit, not a kill.
TEST(QuitSignals, SigtermAfterSigintIsAnotherQuit) {
  auto both = [] {
    zt::platform::driver();
    raise(SIGINT);
    raise(SIGTERM);
    alarm(5);
    MSG msg;
    std::exit(GetMessageA(&msg, nullptr, 0, 0) == 0 ? 0 : 1);
  };
  EXPECT_EXIT(both(), testing::ExitedWithCode(0), "");
}

// A program's own handler is left in place.
int ownCalls = 0;
void own(int) { ++ownCalls; }

TEST(QuitSignals, AProgramsOwnHandlerStays) {
  auto kept = [] {
    signal(SIGTERM, own);
    zt::platform::driver();
    raise(SIGTERM);
    MSG msg;
    bool quit = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT;
    usleep(100 * 1000);  // the watcher would have posted by now
    quit = quit || (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT);
    std::exit(ownCalls == 1 && !quit ? 0 : 1);
  };
  EXPECT_EXIT(kept(), testing::ExitedWithCode(0), "");
}

}  // namespace
