// The screen driver's own state and the calls its files share (see driver.h
// for the seam). By concern: sdl_windows.cpp (the windows), sdl_input.cpp
// (SDL's events as the layer's input, waiting and waking),
// sdl_present.cpp (pixels onto the window surfaces), sdl_x11_focus.cpp
// (showing a popup on X11 without taking the focus), sdl_x11_errors.cpp,
// sdl_x11_frame.cpp,
// sdl_placement.cpp and sdl_scale.cpp (where windows go, and how large),
// sdl_driver.cpp (the table, opening the display, the screen's size, the
// clipboard).
#pragma once

#include <SDL.h>

#include <atomic>
#include <map>
#include <optional>

#include "driver.h"
#include "sdl_placement.h"

namespace zt::platform::sdl {

struct ScreenWindow {
  SDL_Window* window = nullptr;
  POINT origin{};  // the content's screen position, as the layer has it
  RECT outer{};    // the layer's outer and content rectangles, as last placed
  RECT content{};
  FrameExtents extents{};  // the window manager's frame it was placed for
  POINT shift{};           // the client's screen pixel position minus origin times the scale
  // Where place() asked the window manager to put the client, until it is
  // there (or half a second has passed): moves meanwhile are its own.
  POINT placing{};
  Uint32 placingUntil = 0;
  bool takesFocus = true;
  bool applying = false;             // the layer is moving it: ignore the echo
  Surface shown;                     // the frame last presented, to present again whole
  SDL_Surface* drawnInto = nullptr;  // the window surface that holds it
};

struct State {
  Uint32 wakeEvent = 0;
  std::atomic<bool> wakePending{false};
  int scale = 1;  // screen pixels a side per layer pixel (sdl_scale.h)
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
// sdl_x11_frame.cpp: the window manager's frame around w now (all zero
// before it manages it).
FrameExtents frameExtentsOf(const ScreenWindow& w);
// The client area's position on the screen now, in screen pixels (on X11
// asked of the server: SDL's move events may be older than a placement).
POINT clientPositionOf(const ScreenWindow& w);
// Asks for the client area at screen pixel at, with w.extents around it.
void moveClientTo(const ScreenWindow& w, POINT at);
// Puts w's frame where the layer's outer rectangle is (sdl_placement.h).
void place(ScreenWindow& w);
// The screen's size in screen pixels.
SIZE screenPixels();

// sdl_x11_focus.cpp: shows or hides a window that takes no focus.
void showWithoutFocus(SDL_Window* window, bool visible);

// sdl_x11_errors.cpp: X errors about windows already gone do not end the
// program.
void passOverGoneWindows();

// sdl_present.cpp
// Converts the changed rectangle of frame into target (32 bits a pixel),
// each pixel a scale x scale block; the target's rectangle written.
SDL_Rect copyScaled(const Surface& frame, const RECT& changed, SDL_Surface* target, int scale);
void present(HWND hwnd, const Surface& frame, const RECT& changed);
// Presents a window's whole frame again (after an expose, a map, a move).
void refresh(HWND hwnd);

// sdl_input.cpp
void wait(std::optional<std::chrono::steady_clock::time_point> deadline);
void wake();

}  // namespace zt::platform::sdl
