// The screen driver on SDL2 (see driver.h and sdl_driver.h): its table,
// opening the desktop's display (and choosing its scale, sdl_scale.cpp), the
// screen's size and the clipboard.
//
// Only SDL's video subsystem is started (others make the wait poll), and the
// plain window surface is used (framebuffer acceleration off: under a virtual
// X server SDL would otherwise recreate windows with OpenGL, at a high cost).
// Depends on SDL2 (X11 or Wayland underneath).
#include <cstdlib>
#include <string>

#include "sdl_driver.h"
#include "sdl_scale.h"
#include "sdl_text.h"

namespace zt::platform::sdl {
namespace {

// The layer's screen: the screen's pixels divided by the scale.
SIZE screenSize() {
  SIZE pixels = screenPixels();
  return SIZE{pixels.cx / state().scale, pixels.cy / state().scale};
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
    .name = "sdl",
    .create = create,
    .show = show,
    .move = move,
    .retitle = retitle,
    .destroy = destroy,
    .present = present,
    .wait = wait,
    .wake = wake,
    .screenSize = screenSize,
    .clipboardText = clipboardText,
    .setClipboardText = setClipboardText,
};

}  // namespace
}  // namespace zt::platform::sdl

namespace zt::platform {

const Driver* openScreenDriver(std::string& whyNot) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // SIGINT and SIGTERM are the layer's (quit_signals.cpp), not SDL_QUIT.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
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
  sdl::state().wakeEvent = SDL_RegisterEvents(1);
  sdl::state().scale = sdl::chooseScale();
  if (std::string(SDL_GetCurrentVideoDriver()) == "x11") sdl::passOverGoneWindows();
  return &sdl::kScreen;
}

}  // namespace zt::platform
