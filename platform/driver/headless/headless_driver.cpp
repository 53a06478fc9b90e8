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

// Windows exist only in the layer: the window calls do nothing.
const Driver kHeadless{
    .name = "headless",
    .create = [](HWND, const WindowFrame&) {},
    .show = [](HWND, bool, bool) {},
    .move = [](HWND, const WindowFrame&) {},
    .retitle = [](HWND, const char*) {},
    .destroy = [](HWND) {},
    .present = nullptr,  // headless composes nothing
    .wait = wait,
    .wake = wake,
    .screenSize = [] { return kScreen; },
    .clipboardText = [] { return clipboard(); },
    .setClipboardText = [](const std::string& text) { clipboard() = text; },
};

}  // namespace

const Driver* openHeadlessDriver(std::string&) { return &kHeadless; }

}  // namespace zt::platform
