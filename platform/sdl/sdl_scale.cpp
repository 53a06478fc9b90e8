// Choosing the screen's scale. ZT738_SCALE=N chooses (1 turns scaling off);
// without it the desktop's own setting counts: GDK_SCALE (GNOME, Xfce), the
// X resource Xft.dpi (KDE, most X desktops: 192 is twice 96), and last SDL's
// DPI of the first display as the X server reports it. Invalid values are
// passed over. Depends on SDL2 and, for the X resources, Xlib.
#include "sdl_scale.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace zt::platform::sdl {

std::optional<int> parseScale(const char* text) {
  if (!text || !*text) return std::nullopt;
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 1 || value > kMaxScale) return std::nullopt;
  return static_cast<int>(value);
}

int scaleOfDpi(double dpi) {
  if (!(dpi >= 192)) return 1;
  return static_cast<int>(std::min<double>(dpi / 96, kMaxScale));
}

std::optional<double> xftDpi(const std::string& resources) {
  constexpr std::string_view kName = "Xft.dpi:";
  size_t at = 0;
  while ((at = resources.find(kName, at)) != std::string::npos) {
    bool lineStart = at == 0 || resources[at - 1] == '\n';
    at += kName.size();
    if (!lineStart) continue;
    const char* start = resources.c_str() + at;
    char* end = nullptr;
    double dpi = std::strtod(start, &end);
    if (end != start && dpi > 0) return dpi;
  }
  return std::nullopt;
}

namespace {

std::optional<double> xResourceDpi() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return std::nullopt;
  ::Display* display = XOpenDisplay(name);
  if (!display) return std::nullopt;
  const char* text = XResourceManagerString(display);
  std::optional<double> dpi = text ? xftDpi(text) : std::nullopt;
  XCloseDisplay(display);
  return dpi;
}

}  // namespace

int chooseScale() {
  if (std::optional<int> chosen = parseScale(std::getenv("ZT738_SCALE"))) return *chosen;
  if (std::optional<int> gdk = parseScale(std::getenv("GDK_SCALE"))) return *gdk;
  if (std::optional<double> dpi = xResourceDpi()) return scaleOfDpi(*dpi);
  float ddpi = 0;
  if (SDL_GetDisplayDPI(0, &ddpi, nullptr, nullptr) == 0) return scaleOfDpi(ddpi);
  return 1;
}

}  // namespace zt::platform::sdl
