// The screen driver on SDL2: one SDL window per shown top-level window, its
// pixels presented through the window surface, input from SDL's events, and
// waiting in SDL_WaitEventTimeout (woken by an event of our own type).
//
// Only SDL's video subsystem is started (others make the wait poll), and the
// plain window surface is used (framebuffer acceleration off: under a virtual
// X server SDL would otherwise recreate windows with OpenGL, at a high cost).
// Keys reach the layer as virtual-key codes of the current layout (Ctrl+Q is
// the key labelled Q), and the text they type as SDL's text input (the X
// server's layout, dead keys, compose and input methods) in UTF-8.
#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>

#include "driver.h"
#include "sdl_driver.h"
#include "sdl_keys.h"
#include "sdl_text.h"

namespace zt::platform {
namespace {

struct ScreenWindow {
  SDL_Window* window = nullptr;
  POINT origin{};  // the content's screen position, as the layer has it
  bool takesFocus = true;
  bool applying = false;  // the layer is moving it: ignore the echo
};

struct State {
  Uint32 wakeEvent = 0;
  std::atomic<bool> wakePending{false};
  std::map<HWND, ScreenWindow> windows;
};

State& state() {
  static State instance;
  return instance;
}

ScreenWindow* byHandle(HWND hwnd) {
  auto it = state().windows.find(hwnd);
  return it == state().windows.end() ? nullptr : &it->second;
}

HWND byId(Uint32 id) {
  for (auto& [hwnd, w] : state().windows) {
    if (SDL_GetWindowID(w.window) == id) return hwnd;
  }
  return nullptr;
}

int atLeastOne(LONG v) { return std::max<int>(static_cast<int>(v), 1); }

void create(HWND hwnd, const WindowFrame& f) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (f.resizable) flags |= SDL_WINDOW_RESIZABLE;
  if (!f.decorated) flags |= SDL_WINDOW_BORDERLESS;
  if (!f.takesFocus) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  SDL_Window* window = SDL_CreateWindow(toUtf8(f.title).c_str(), f.content.left, f.content.top,
                                        atLeastOne(f.content.right - f.content.left),
                                        atLeastOne(f.content.bottom - f.content.top), flags);
  if (!window) return;
  ScreenWindow& w = state().windows[hwnd];
  w.window = window;
  w.origin = POINT{f.content.left, f.content.top};
  w.takesFocus = f.takesFocus;
  if (ScreenWindow* owner = f.modal ? byHandle(f.owner) : nullptr) {
    SDL_SetWindowModalFor(window, owner->window);
  }
}

// Shows or hides a window that takes no focus (a popup menu) without moving
// the keyboard focus: SDL_ShowWindow would give it the X focus when there is
// no window manager, and SDL's focus bookkeeping would then release and press
// again the keys held meanwhile (the Alt of Alt+R). On X11 the window is
// mapped directly; elsewhere SDL shows it.
void showWithoutFocus(SDL_Window* window, bool visible) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
    if (visible) {
      XMapRaised(info.info.x11.display, info.info.x11.window);
    } else {
      XUnmapWindow(info.info.x11.display, info.info.x11.window);
    }
    XFlush(info.info.x11.display);
  } else if (visible) {
    SDL_ShowWindow(window);
  } else {
    SDL_HideWindow(window);
  }
}

void show(HWND hwnd, bool visible, bool activate) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  if (!w->takesFocus) return showWithoutFocus(w->window, visible);
  if (!visible) {
    SDL_HideWindow(w->window);
    return;
  }
  SDL_ShowWindow(w->window);
  if (activate) {
    SDL_RaiseWindow(w->window);
    SDL_SetWindowInputFocus(w->window);
  }
}

void move(HWND hwnd, const WindowFrame& f) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w || w->applying) return;
  w->origin = POINT{f.content.left, f.content.top};
  int width = atLeastOne(f.content.right - f.content.left);
  int height = atLeastOne(f.content.bottom - f.content.top);
  int x, y, cw, ch;
  SDL_GetWindowPosition(w->window, &x, &y);
  SDL_GetWindowSize(w->window, &cw, &ch);
  w->applying = true;
  if (x != f.content.left || y != f.content.top) {
    SDL_SetWindowPosition(w->window, f.content.left, f.content.top);
  }
  if (cw != width || ch != height) SDL_SetWindowSize(w->window, width, height);
  w->applying = false;
}

void retitle(HWND hwnd, const char* title) {
  if (ScreenWindow* w = byHandle(hwnd)) SDL_SetWindowTitle(w->window, toUtf8(title).c_str());
}

void destroy(HWND hwnd) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  SDL_DestroyWindow(w->window);
  state().windows.erase(hwnd);
}

void present(HWND hwnd, const Surface& frame, const RECT& changed) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  // The surface is fetched each time: a resize replaces it.
  SDL_Surface* target = SDL_GetWindowSurface(w->window);
  if (!target || target->format->BytesPerPixel != 4) return;
  SDL_Rect r;
  r.x = std::max<int>(changed.left, 0);
  r.y = std::max<int>(changed.top, 0);
  int right = std::min<int>({changed.right, frame.width, target->w});
  int bottom = std::min<int>({changed.bottom, frame.height, target->h});
  r.w = right - r.x;
  r.h = bottom - r.y;
  if (r.w <= 0 || r.h <= 0) return;
  const SDL_PixelFormat* fmt = target->format;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  for (int y = r.y; y < bottom; ++y) {
    const COLORREF* src = frame.row(y);
    auto* dst = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
    for (int x = r.x; x < right; ++x) {
      COLORREF c = src[x];
      dst[x] = (static_cast<Uint32>(GetRValue(c)) << fmt->Rshift) |
               (static_cast<Uint32>(GetGValue(c)) << fmt->Gshift) |
               (static_cast<Uint32>(GetBValue(c)) << fmt->Bshift) | fmt->Amask;
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  SDL_UpdateWindowSurfaceRects(w->window, &r, 1);
}

// Presents a window's whole surface again (after an expose).
void refresh(HWND hwnd) {
  if (ScreenWindow* w = byHandle(hwnd)) SDL_UpdateWindowSurface(w->window);
}

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
      if (UINT vk = sdl::virtualKey(e.key.keysym.sym, e.key.keysym.scancode)) {
        keyInput(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), e.type == SDL_KEYDOWN);
      }
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

SIZE screenSize() {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return SIZE{1280, 1024};
  return SIZE{bounds.w, bounds.h};
}

std::string clipboardText() {
  char* text = SDL_GetClipboardText();
  std::string out = clipboardFromDesktop(text);
  SDL_free(text);
  return out;
}

void setClipboardText(const std::string& text) {
  SDL_SetClipboardText(clipboardToDesktop(text).c_str());
}

const Driver kScreen{
    "sdl",   create, show, move,       retitle,       destroy,
    present, wait,   wake, screenSize, clipboardText, setClipboardText,
};

}  // namespace

const Driver* openScreenDriver(std::string& whyNot) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // A desktop's display only: not the console's framebuffer, nor SDL's
  // invisible drivers (unless SDL_VIDEODRIVER asks for them).
  std::string drivers;
  if (const char* x = std::getenv("DISPLAY"); x && *x) drivers = "x11";
  if (const char* w = std::getenv("WAYLAND_DISPLAY"); w && *w)
    drivers += drivers.empty() ? "wayland" : ",wayland";
  if (drivers.empty() && !std::getenv("SDL_VIDEODRIVER")) {
    whyNot = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return nullptr;
  }
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_DEFAULT);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    whyNot = SDL_GetError();
    return nullptr;
  }
  state().wakeEvent = SDL_RegisterEvents(1);
  return &kScreen;
}

}  // namespace zt::platform
