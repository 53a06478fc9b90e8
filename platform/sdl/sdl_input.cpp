// Input: SDL's events turned into the layer's input calls (driver.h), with
// screen pixels divided by the screen's scale and pointer positions made
// screen points by the layer's origin of the window; a window that the
// desktop maps, frames, exposes or moves is presented whole again;
// waiting in SDL_WaitEventTimeout, woken by an event of our own type. Keys
// reach the layer as virtual-key codes of the current layout (sdl_keys.cpp:
// Ctrl+Q is the key labelled Q), and the text they type as SDL's text input
// (the X server's layout, dead keys, compose, input methods) in UTF-8. SDL_QUIT is not a
// quit of the program. Depends on SDL2.
#include <algorithm>

#include "sdl_driver.h"
#include "sdl_keys.h"

namespace zt::platform::sdl {
namespace {

// Screen pixels to the layer's pixels: rounded down, also left of 0.
int unscale(int v) {
  int scale = state().scale;
  return v >= 0 ? v / scale : -((-v + scale - 1) / scale);
}

POINT screenPoint(HWND hwnd, int x, int y) {
  ScreenWindow* w = byHandle(hwnd);
  POINT origin = w ? w->origin : POINT{};
  return POINT{origin.x + unscale(x), origin.y + unscale(y)};
}

// The desktop moved the window: the layer's content origin for its client
// area at screen pixel (x, y).
POINT contentOrigin(const ScreenWindow& w, int x, int y) {
  return POINT{unscale(x - w.shift.x), unscale(y - w.shift.y)};
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
      w->drawnInto = nullptr;  // SDL replaces the window surface
      if (!w->applying) {
        w->applying = true;
        sizeInput(hwnd, SIZE{unscale(e.data1), unscale(e.data2)});
        if ((w = byHandle(hwnd)) != nullptr) w->applying = false;
      }
      refresh(hwnd);
      break;
    case SDL_WINDOWEVENT_MOVED: {
      // A window manager that framed the window moves it by the frame: put
      // the frame where the layer asked instead of reporting a move.
      if (!w->applying && frameExtentsOf(*w) != w->extents) {
        place(*w);
        refresh(hwnd);
        break;
      }
      POINT at = clientPositionOf(*w);  // the event's position may be stale
      if (w->placingUntil != 0) {
        bool there = at.x == w->placing.x && at.y == w->placing.y;
        if (there || SDL_TICKS_PASSED(SDL_GetTicks(), w->placingUntil)) w->placingUntil = 0;
        if (!there && w->placingUntil != 0) {
          refresh(hwnd);
          break;
        }
      }
      POINT origin = contentOrigin(*w, at.x, at.y);
      if (!w->applying && (origin.x != w->origin.x || origin.y != w->origin.y)) {
        w->applying = true;
        w->origin = origin;
        moveInput(hwnd, origin);
        if ((w = byHandle(hwnd)) == nullptr) break;
        w->applying = false;
      }
      refresh(hwnd);
      break;
    }
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
      if (frameExtentsOf(*w) != w->extents) place(*w);
      refresh(hwnd);
      break;
    default:
      break;
  }
}

void keyEvent(const SDL_KeyboardEvent& e) {
  if (UINT vk = virtualKey(e.keysym.sym, e.keysym.scancode)) {
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
    case SDL_TEXTINPUT:
      textInput(byId(e.text.windowID), e.text.text);
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
