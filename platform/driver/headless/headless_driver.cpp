// The headless driver: windows exist only in the layer, the screen is a fixed
// 1280 x 1024, nothing is presented, the clipboard lives in the process, and
// waiting is a condition variable that wake() signals.
#include <condition_variable>
#include <mutex>

#include "driver.h"

namespace zt::platform {
namespace {

constexpr SIZE kScreen{1280, 1024};

struct Waiter {
  std::mutex mutex;
  std::condition_variable woken;
  bool pending = false;  // a wake() not yet consumed by a wait
};

Waiter& waiter() {
  static Waiter instance;
  return instance;
}

std::string& clipboard() {
  static std::string text;
  return text;
}

void wait(std::optional<std::chrono::steady_clock::time_point> deadline) {
  Waiter& w = waiter();
  std::unique_lock lock(w.mutex);
  auto woken = [&] { return w.pending; };
  if (deadline) {
    w.woken.wait_until(lock, *deadline, woken);
  } else {
    w.woken.wait(lock, woken);
  }
  w.pending = false;
}

void wake() {
  Waiter& w = waiter();
  {
    std::lock_guard lock(w.mutex);
    w.pending = true;
  }
  w.woken.notify_all();
}

const Driver kHeadless{
    "headless",
    [](HWND, const WindowFrame&) {},
    [](HWND, bool, bool) {},
    [](HWND, const WindowFrame&) {},
    [](HWND, const char*) {},
    [](HWND) {},
    nullptr,
    wait,
    wake,
    [] { return kScreen; },
    [] { return clipboard(); },
    [](const std::string& text) { clipboard() = text; },
};

}  // namespace

const Driver& headlessDriver() { return kHeadless; }

}  // namespace zt::platform
