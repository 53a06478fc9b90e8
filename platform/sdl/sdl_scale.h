// The screen's scale: how many screen pixels a side each of the layer's
// pixels takes on a high-density desktop (see sdl_scale.cpp).
#pragma once

#include <optional>
#include <string>

namespace zt::platform::sdl {

// The largest scale taken from any source.
constexpr int kMaxScale = 8;

// A scale named in text ("2"), or nothing when text is not a whole number
// from 1 to kMaxScale.
std::optional<int> parseScale(const char* text);
// The scale of a dots-per-inch value: dpi / 96 rounded down, 1 below 192.
int scaleOfDpi(double dpi);
// The value of Xft.dpi in an X resource database's text, if any.
std::optional<double> xftDpi(const std::string& resources);

// Chooses the scale once SDL's video is started: ZT738_SCALE if it names
// one, else GDK_SCALE, else the X resource Xft.dpi, else SDL's DPI of the
// first display.
int chooseScale();

}  // namespace zt::platform::sdl
