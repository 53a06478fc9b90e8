// Choosing the driver: ZT738_VIDEO ("headless" or "sdl") if set, else the
// headless driver.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver.h"

namespace zt::platform {
namespace {

const Driver& choose() {
  const char* wanted = std::getenv("ZT738_VIDEO");
  if (wanted && *wanted && std::strcmp(wanted, "headless") != 0) {
    std::fprintf(stderr, "zt738: ZT738_VIDEO=%s is not a driver; use headless\n", wanted);
    std::exit(1);
  }
  return headlessDriver();
}

}  // namespace

const Driver& driver() {
  static const Driver& chosen = choose();
  return chosen;
}

}  // namespace zt::platform
