// The screen driver's windows: one SDL window per shown top-level window,
// following the layer's geometry; popups that take no focus are shown
// through sdl_x11_focus.cpp. Depends on SDL2.
#include <algorithm>

#include "sdl_driver.h"
#include "sdl_text.h"

namespace zt::platform::sdl {
namespace {

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

}  // namespace zt::platform::sdl
