// The seam between the layer and whatever shows its windows: a table of
// operations that a driver fills in, and the input calls a driver makes.
//
// Two drivers exist: headless (no screen; the tests' driver; it keeps
// the last presented frames) and the SDL2
// screen driver (platform/sdl/). driver() picks one on first use from the
// list in choose_driver.cpp: ZT738_VIDEO ("headless" or "sdl") if set, else
// the screen. Each fills a Driver with designated initializers, one member a
// line. All operations run on the thread that owns the windows, except
// wake(), which any thread may call.
//
// A driver shows only top-level windows. What it shows of one is its content:
// the non-client strip that the layer paints itself (the menu bar) above the
// client area, with the window's visible children composed in; the caption
// and border are the desktop's. The layer keeps every window's geometry as
// the headless driver reports it, so client sizes and origins never depend on
// the driver. A driver places a window by its outer rectangle, as Win32 does:
// the desktop's frame, whatever its size, goes where the layer's is.
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
  RECT outer{};            // screen rectangle of the whole window, frame included
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
  // change, before the thread waits. nullptr: nothing to present, and the
  // layer composes nothing.
  void (*present)(HWND hwnd, const Surface& frame, const RECT& changed);
  // Blocks until the driver has input, wake() was called (also before this
  // call, since the last wait returned), or the deadline passed. Input is
  // delivered through the calls below before wait returns.
  void (*wait)(std::optional<std::chrono::steady_clock::time_point> deadline);
  void (*wake)();
  SIZE (*screenSize)();
  // The desktop's clipboard text (UTF-8), and setting it.
  std::string (*clipboardText)();
  void (*setClipboardText)(const std::string& text);
};

// The driver in use; chosen on first use. A program whose screen cannot be
// opened is told so on stderr and ends with status 1.
const Driver& driver();
// The drivers' openers: the table, or nullptr with the reason why not.
const Driver* openHeadlessDriver(std::string& whyNot);
const Driver* openScreenDriver(std::string& whyNot);

// What the headless driver keeps of a shown top-level window: its last
// presented content (strip rows first) and the height of the strip.
struct KeptFrame {
  Surface pixels;
  int stripHeight = 0;
};
// hwnd's kept frame; nullptr when nothing of it was presented (or another
// driver is in use, or the window is gone).
const KeptFrame* headlessFrame(HWND hwnd);

// ---- input: the calls a driver makes, on the windows' thread.
// The pointer at a screen point, with MOUSEEVENTF_* button changes (0: a move).
void pointerInput(POINT screen, DWORD buttons);
// A key pressed or released, with its Win32 virtual-key code and scan code;
// a press of a key already down is a repeat. The characters of a key that
// types text come through textInput, the layer makes only those of keys
// without text (Enter, Tab, Backspace, Escape, Ctrl with a key).
void keyInput(UINT vk, UINT scan, bool down);
void textInput(HWND hwnd, std::string_view utf8);  // text typed into hwnd, after its key's keyInput
// The desktop activated or deactivated a window.
void activationInput(HWND hwnd, bool active);
// The close box: WM_CLOSE (through WM_SYSCOMMAND SC_CLOSE).
void closeInput(HWND hwnd);
// The user resized the content to width x height, or moved it to origin.
void sizeInput(HWND hwnd, SIZE content);
void moveInput(HWND hwnd, POINT contentOrigin);

}  // namespace zt::platform
