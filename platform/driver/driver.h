// The seam between the layer and whatever shows its windows: a table of
// operations that a driver fills in, and the input calls a driver makes.
//
// Two drivers exist: headless (no screen; the tests' driver) and the SDL2
// screen driver (platform/sdl/). driver() picks one on first use: ZT738_VIDEO
// ("headless" or "sdl") if set, else the screen. All operations run on the
// thread that owns the windows, except wake(), which any thread may call.
//
// A driver shows only top-level windows. What it shows of one is its content:
// the non-client strip that the layer paints itself (the menu bar) above the
// client area, with the window's visible children composed in; the caption
// and border are the desktop's. The layer keeps every window's geometry as
// the headless driver reports it, so client sizes and origins never depend on
// the driver.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "surface.h"
#include "win32.h"

namespace zt::platform {

// What a driver needs to know of a top-level window.
struct WindowFrame {
  RECT content{};          // screen rectangle of the content (strip + client area)
  int stripHeight = 0;     // rows of the non-client strip at the top of the content
  std::string title;       // the caption text
  bool resizable = false;  // WS_THICKFRAME
  bool decorated = true;   // a caption or a border: the desktop draws a frame
  bool takesFocus = true;  // false for WS_EX_NOACTIVATE and WS_EX_TOOLWINDOW popups
  HWND owner = nullptr;    // the owner, if any (a dialog's, a popup's)
  bool modal = false;      // the owner is disabled while this window is shown
};

struct Driver {
  const char* name;
  // Windows, by the layer's handle. create is called when a top-level window
  // is first shown; the driver keeps its own window until destroy.
  void (*create)(HWND hwnd, const WindowFrame& frame);
  void (*show)(HWND hwnd, bool show, bool activate);
  void (*move)(HWND hwnd, const WindowFrame& frame);  // content moved or resized
  void (*retitle)(HWND hwnd, const char* title);
  void (*destroy)(HWND hwnd);
  // Pixels: frame holds the whole content (strip rows first), changed the
  // rectangle of it that differs from what was presented last. Called once per
  // change, before the thread waits. nullptr: nothing to present (headless),
  // and the layer composes nothing.
  void (*present)(HWND hwnd, const Surface& frame, const RECT& changed);
  // Blocks until the driver has input, wake() was called (also before this
  // call, since the last wait returned), or the deadline passed. Input is
  // delivered through the calls below before wait returns.
  void (*wait)(std::optional<std::chrono::steady_clock::time_point> deadline);
  void (*wake)();
  SIZE (*screenSize)();
  // The desktop's clipboard text (Windows-1252), and setting it.
  std::string (*clipboardText)();
  void (*setClipboardText)(const std::string& text);
};

// The driver in use; chosen on first use. A program whose screen cannot be
// opened is told so on stderr and ends with status 1.
const Driver& driver();
// The headless driver's table.
const Driver& headlessDriver();

// ---- input: the calls a driver makes, on the windows' thread.
// The pointer at a screen point, with MOUSEEVENTF_* button changes (0: a move).
void pointerInput(POINT screen, DWORD buttons);
// A key pressed or released, with its Win32 virtual-key code and scan code;
// a press of a key already down is a repeat.
void keyInput(UINT vk, UINT scan, bool down);
void textInput(HWND hwnd, std::string_view utf8);  // text typed into hwnd, after its key's keyInput
// The desktop activated or deactivated a window.
void activationInput(HWND hwnd, bool active);
// The close box: WM_CLOSE (through WM_SYSCOMMAND SC_CLOSE).
void closeInput(HWND hwnd);
// The user resized the content to width x height, or moved it to origin.
void sizeInput(HWND hwnd, SIZE content);
void moveInput(HWND hwnd, POINT contentOrigin);
// The non-client strip of a window was repainted: present it again.
void nonClientStripChanged(HWND hwnd);

}  // namespace zt::platform
