// Showing a popup menu's window without moving the keyboard focus.
// SDL_ShowWindow would give it the X focus when there is no window manager,
// and SDL's focus bookkeeping would then release and press again the keys
// held meanwhile (the Alt of Alt+R). On X11 the window is mapped directly
// through Xlib; elsewhere SDL shows it. Depends on SDL2 and Xlib.
#include <SDL_syswm.h>

#include "sdl_driver.h"

namespace zt::platform::sdl {

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

}  // namespace zt::platform::sdl
