// The window manager's frame around a window. On X11 it is read from the X
// server each time (_NET_FRAME_EXTENTS): SDL's own copy is updated only when
// it processes the property's change, which may come after the move that
// framed the window. Elsewhere SDL's borders are taken. Depends on SDL2 and
// Xlib. Also where the client is, and moving it so that the frame lands
// where it should.
#include <SDL_syswm.h>
#include <X11/Xatom.h>

#include "sdl_driver.h"

namespace zt::platform::sdl {

FrameExtents frameExtentsOf(const ScreenWindow& w) {
  FrameExtents e;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(w.window, &info) || info.subsystem != SDL_SYSWM_X11) {
    if (SDL_GetWindowBordersSize(w.window, &e.top, &e.left, &e.bottom, &e.right) != 0) return {};
    return e;
  }
  ::Display* display = info.info.x11.display;
  Atom property = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
  if (property == None) return e;
  Atom type;
  int format;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, info.info.x11.window, property, 0, 4, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success &&
      data && format == 32 && count == 4) {
    // left, right, top, bottom; format 32 arrives as longs
    const long* v = reinterpret_cast<const long*>(data);
    e = FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                     static_cast<int>(v[3])};
  }
  if (data) XFree(data);
  return e;
}

}  // namespace zt::platform::sdl

namespace zt::platform::sdl {

POINT clientPositionOf(const ScreenWindow& w) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(w.window, &info) && info.subsystem == SDL_SYSWM_X11) {
    ::Display* display = info.info.x11.display;
    int x = 0, y = 0;
    ::Window child;
    if (XTranslateCoordinates(display, info.info.x11.window, DefaultRootWindow(display), 0, 0, &x,
                              &y, &child)) {
      return POINT{x, y};
    }
  }
  int x, y;
  SDL_GetWindowPosition(w.window, &x, &y);
  return POINT{x, y};
}

}  // namespace zt::platform::sdl

namespace zt::platform::sdl {

void moveClientTo(const ScreenWindow& w, POINT at) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(w.window, &info) && info.subsystem == SDL_SYSWM_X11) {
    // A window manager places the frame's top-left at the position asked
    // (the default gravity), so the frame's own size is taken off here.
    XMoveWindow(info.info.x11.display, info.info.x11.window, at.x - w.extents.left,
                at.y - w.extents.top);
    XFlush(info.info.x11.display);
    return;
  }
  SDL_SetWindowPosition(w.window, at.x, at.y);
}

}  // namespace zt::platform::sdl
