// The screen driver's own state and the calls its files share (see driver.h
// for the seam). By concern: sdl_windows.cpp (the windows), sdl_input.cpp
// (SDL's events as the layer's input, waiting and waking),
// sdl_present.cpp (pixels onto the window surfaces), sdl_x11_focus.cpp
// (showing a popup on X11 without taking the focus), sdl_driver.cpp (the
// table, opening the display, the screen's size, the clipboard).
#pragma once

#include <SDL.h>

#include <atomic>
#include <map>
#include <optional>

#include "driver.h"

namespace zt::platform::sdl {

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

State& state();
ScreenWindow* byHandle(HWND hwnd);
HWND byId(Uint32 id);

// sdl_windows.cpp
void create(HWND hwnd, const WindowFrame& f);
void show(HWND hwnd, bool visible, bool activate);
void move(HWND hwnd, const WindowFrame& f);
void retitle(HWND hwnd, const char* title);
void destroy(HWND hwnd);

// sdl_x11_focus.cpp: shows or hides a window that takes no focus.
void showWithoutFocus(SDL_Window* window, bool visible);

// sdl_present.cpp
void present(HWND hwnd, const Surface& frame, const RECT& changed);
// Presents a window's whole surface again (after an expose).
void refresh(HWND hwnd);

// sdl_input.cpp
void wait(std::optional<std::chrono::steady_clock::time_point> deadline);
void wake();

}  // namespace zt::platform::sdl
