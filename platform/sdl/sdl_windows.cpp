// The screen driver's windows: one SDL window per shown top-level window,
// placed by the layer's outer rectangle around the window manager's frame
// (sdl_placement.h) and sized as the layer has it, times the screen's scale;
// popups that take no focus are shown through sdl_x11_focus.cpp. Depends on
// SDL2.
#include <algorithm>

#include "sdl_driver.h"
#include "sdl_text.h"

namespace zt::platform::sdl {
namespace {

// How long a window manager may take to carry out a placement.
constexpr Uint32 kPlacingMs = 500;

int atLeastOne(LONG v) { return std::max<int>(static_cast<int>(v), 1); }

}  // namespace

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

SIZE screenPixels() {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return SIZE{1280, 1024};
  return SIZE{bounds.w, bounds.h};
}

void place(ScreenWindow& w) {
  int scale = state().scale;
  w.extents = frameExtentsOf(w);
  POINT at = clientPlacement(w.outer, w.content, w.extents, scale, screenPixels());
  w.shift = POINT{at.x - w.content.left * scale, at.y - w.content.top * scale};
  int width = atLeastOne(w.content.right - w.content.left) * scale;
  int height = atLeastOne(w.content.bottom - w.content.top) * scale;
  int cw, ch;
  POINT now = clientPositionOf(w);
  SDL_GetWindowSize(w.window, &cw, &ch);
  w.applying = true;
  if (now.x != at.x || now.y != at.y) {
    w.placing = at;
    w.placingUntil = SDL_GetTicks() + kPlacingMs;
    moveClientTo(w, at);
  }
  if (cw != width || ch != height) SDL_SetWindowSize(w.window, width, height);
  w.applying = false;
}

void create(HWND hwnd, const WindowFrame& f) {
  int scale = state().scale;
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (f.resizable) flags |= SDL_WINDOW_RESIZABLE;
  if (!f.decorated) flags |= SDL_WINDOW_BORDERLESS;
  if (!f.takesFocus) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  SDL_Window* window =
      SDL_CreateWindow(toUtf8(f.title).c_str(), f.content.left * scale, f.content.top * scale,
                       atLeastOne(f.content.right - f.content.left) * scale,
                       atLeastOne(f.content.bottom - f.content.top) * scale, flags);
  if (!window) return;
  ScreenWindow& w = state().windows[hwnd];
  w.window = window;
  w.origin = POINT{f.content.left, f.content.top};
  w.outer = f.outer;
  w.content = f.content;
  w.takesFocus = f.takesFocus;
  if (ScreenWindow* owner = f.modal ? byHandle(f.owner) : nullptr) {
    SDL_SetWindowModalFor(window, owner->window);
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
  // A window manager has framed it now: its frame goes where the layer asked.
  if (frameExtentsOf(*w) != w->extents) place(*w);
  if (activate) {
    SDL_RaiseWindow(w->window);
    SDL_SetWindowInputFocus(w->window);
  }
}

void move(HWND hwnd, const WindowFrame& f) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w || w->applying) return;
  w->origin = POINT{f.content.left, f.content.top};
  w->outer = f.outer;
  w->content = f.content;
  place(*w);
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

}  // namespace zt::platform::sdl
