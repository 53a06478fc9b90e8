// Choosing the driver: ZT738_VIDEO ("headless" or "sdl") if set, else the
// screen. A screen that cannot be opened ends the program with one line on
// stderr: it never runs invisibly.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver.h"
#ifdef __EMSCRIPTEN__
#include "web_driver.h"
#else
#include "sdl_driver.h"
#endif

namespace zt::platform {
namespace {

const Driver& choose() {
  const char* wanted = std::getenv("ZT738_VIDEO");
  if (wanted && std::strcmp(wanted, "headless") == 0) return headlessDriver();
  if (wanted && *wanted && std::strcmp(wanted, "sdl") != 0) {
    std::fprintf(stderr, "zt738: ZT738_VIDEO=%s is not a driver; use headless or sdl\n", wanted);
    std::exit(1);
  }
#ifdef __EMSCRIPTEN__
  return webDriver();  // a page always has its desktop
#else
  std::string whyNot;
  if (const Driver* screen = openScreenDriver(whyNot)) return *screen;
  std::fprintf(stderr,
               "zt738: cannot open a display (%s); run it on a desktop, in a virtual X "
               "server (xvfb-run), or without windows with ZT738_VIDEO=headless\n",
               whyNot.c_str());
  std::exit(1);
#endif
}

}  // namespace

const Driver& driver() {
  static const Driver& chosen = choose();
  return chosen;
}

}  // namespace zt::platform
