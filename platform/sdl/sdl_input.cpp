// Input: SDL's events turned into the layer's input calls (driver.h), with
// pointer positions made screen points by the layer's origin of the window;
// waiting in SDL_WaitEventTimeout, woken by an event of our own type. Keys
// reach the layer as virtual-key codes (sdl_keys.cpp). SDL_QUIT is not a
// quit of the program. Depends on SDL2.
#include <algorithm>

#include "sdl_driver.h"
#include "sdl_keys.h"

namespace zt::platform::sdl {
namespace {

POINT screenPoint(HWND hwnd, int x, int y) {
  ScreenWindow* w = byHandle(hwnd);
  POINT origin = w ? w->origin : POINT{};
  return POINT{origin.x + x, origin.y + y};
}

DWORD buttonFlag(Uint8 button, bool down) {
  DWORD flag = button == SDL_BUTTON_LEFT     ? MOUSEEVENTF_LEFTDOWN
               : button == SDL_BUTTON_RIGHT  ? MOUSEEVENTF_RIGHTDOWN
               : button == SDL_BUTTON_MIDDLE ? MOUSEEVENTF_MIDDLEDOWN
                                             : 0;
  return down ? flag : flag * 2;  // each UP flag is twice its DOWN flag
}

void windowEvent(const SDL_WindowEvent& e) {
  HWND hwnd = byId(e.windowID);
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      closeInput(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      activationInput(hwnd, true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      activationInput(hwnd, false);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (!w->applying) {
        w->applying = true;
        sizeInput(hwnd, SIZE{e.data1, e.data2});
        if ((w = byHandle(hwnd)) != nullptr) w->applying = false;
      }
      break;
    case SDL_WINDOWEVENT_MOVED:
      if (!w->applying && (e.data1 != w->origin.x || e.data2 != w->origin.y)) {
        w->applying = true;
        w->origin = POINT{e.data1, e.data2};
        moveInput(hwnd, w->origin);
        if ((w = byHandle(hwnd)) != nullptr) w->applying = false;
      }
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      refresh(hwnd);
      break;
    default:
      break;
  }
}

void keyEvent(const SDL_KeyboardEvent& e) {
  if (UINT vk = virtualKey(e.keysym.sym)) {
    keyInput(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), e.type == SDL_KEYDOWN);
  }
}

void handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      if (HWND hwnd = byId(e.motion.windowID))
        pointerInput(screenPoint(hwnd, e.motion.x, e.motion.y), 0);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      HWND hwnd = byId(e.button.windowID);
      DWORD flag = buttonFlag(e.button.button, e.type == SDL_MOUSEBUTTONDOWN);
      if (hwnd && flag) pointerInput(screenPoint(hwnd, e.button.x, e.button.y), flag);
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      keyEvent(e.key);
      break;
    case SDL_WINDOWEVENT:
      windowEvent(e.window);
      break;
    default:
      break;  // our wake event, and SDL_QUIT (not a quit of the program)
  }
}

}  // namespace

void wait(std::optional<std::chrono::steady_clock::time_point> deadline) {
  SDL_Event e;
  bool got;
  if (deadline) {
    auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
    got = left.count() <= 0
              ? SDL_PollEvent(&e) != 0
              : SDL_WaitEventTimeout(
                    &e, static_cast<int>(std::min<long long>(left.count(), 1 << 30))) != 0;
  } else {
    got = SDL_WaitEvent(&e) != 0;
  }
  // Cleared before the caller looks at its queue again, so no wake is lost.
  state().wakePending = false;
  if (!got) return;
  handle(e);
  while (SDL_PollEvent(&e)) handle(e);
}

void wake() {
  State& s = state();
  if (s.wakePending.exchange(true)) return;
  SDL_Event e{};
  e.type = s.wakeEvent;
  SDL_PushEvent(&e);
}

}  // namespace zt::platform::sdl
