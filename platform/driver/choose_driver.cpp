// Choosing the driver from the list below: ZT738_VIDEO names one if set,
// else the first (the screen). A screen that cannot be opened ends the
// program with one line on stderr: it never runs invisibly. In a web page
// the list is the page's desktop, then headless. Once chosen,
// SIGINT, SIGTERM and SIGHUP quit the program (quit_signals.cpp).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver.h"
#ifdef __EMSCRIPTEN__
#include "web_driver.h"
#else
#include "quit_signals.h"
#endif

namespace zt::platform {
namespace {

struct DriverEntry {
  const char* name;
  const Driver* (*open)(std::string& whyNot);
};

#ifdef __EMSCRIPTEN__
// A page always has its desktop.
const Driver* openWebDriver(std::string&) { return &webDriver(); }
#endif

// The first is the default.
constexpr DriverEntry kDrivers[] = {
#ifdef __EMSCRIPTEN__
    {"web", openWebDriver},
#else
    {"sdl", openScreenDriver},
#endif
    {"headless", openHeadlessDriver},
};

const DriverEntry* named(const char* name) {
  for (const DriverEntry& entry : kDrivers) {
    if (std::strcmp(entry.name, name) == 0) return &entry;
  }
  return nullptr;
}

const Driver& choose() {
  const char* wanted = std::getenv("ZT738_VIDEO");
  const DriverEntry* entry = wanted && *wanted ? named(wanted) : &kDrivers[0];
  if (!entry) {
    std::fprintf(stderr, "zt738: ZT738_VIDEO=%s is not a driver; use headless or sdl\n", wanted);
    std::exit(1);
  }
  std::string whyNot;
  if (const Driver* opened = entry->open(whyNot)) {
#ifndef __EMSCRIPTEN__
    installQuitSignals();  // a page has no signals
#endif
    return *opened;
  }
  std::fprintf(stderr,
               "zt738: cannot open a display (%s); run it on a desktop, in a virtual X "
               "server (xvfb-run), or without windows with ZT738_VIDEO=headless\n",
               whyNot.c_str());
  std::exit(1);
}

}  // namespace

const Driver& driver() {
  static const Driver& chosen = choose();
  return chosen;
}

}  // namespace zt::platform
