// The headless driver: windows exist only in the layer, the screen is a fixed
// 1280 x 1024, the clipboard lives in the process, and waiting is a condition
// variable that wake() signals. Each shown window's last presented frame is
// kept (as a copy, until the window is destroyed), so that a tool can take
// the picture a screen would show.
#include <condition_variable>
#include <map>
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

std::map<HWND, KeptFrame>& keptFrames() {
  static std::map<HWND, KeptFrame> frames;
  return frames;
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

// The strip height comes with the window's geometry, the pixels with present.
void keepGeometry(HWND hwnd, const WindowFrame& frame) {
  keptFrames()[hwnd].stripHeight = frame.stripHeight;
}

void keepPixels(HWND hwnd, const Surface& frame, const RECT&) { keptFrames()[hwnd].pixels = frame; }

const Driver kHeadless{
    "headless",
    keepGeometry,
    [](HWND, bool, bool) {},
    keepGeometry,
    [](HWND, const char*) {},
    [](HWND hwnd) { keptFrames().erase(hwnd); },
    keepPixels,
    wait,
    wake,
    [] { return kScreen; },
    [] { return clipboard(); },
    [](const std::string& text) { clipboard() = text; },
};

}  // namespace

const Driver& headlessDriver() { return kHeadless; }

const KeptFrame* headlessFrame(HWND hwnd) {
  const auto found = keptFrames().find(hwnd);
  return found == keptFrames().end() || found->second.pixels.width == 0 ? nullptr : &found->second;
}

}  // namespace zt::platform
