// X errors that are part of life between X clients: a window destroyed (by
// the layer, or by another client) while a request about it was still on
// its way gives BadWindow. Xlib's default handler would end the program for
// it; this one passes it over and leaves every other error to the handler
// that was there before. Depends on Xlib.
#include <X11/Xlib.h>

#include "sdl_driver.h"

namespace zt::platform::sdl {
namespace {

XErrorHandler previous = nullptr;

int onXError(::Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow) return 0;
  return previous ? previous(display, error) : 0;
}

}  // namespace

void passOverGoneWindows() {
  XErrorHandler was = XSetErrorHandler(onXError);
  if (was != onXError) previous = was;
}

}  // namespace zt::platform::sdl
