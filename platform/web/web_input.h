// The web driver's logic that needs no browser: the browser's key names as
// virtual-key codes and typed text, mouse buttons as MOUSEEVENTF_* flags, and
// a window's changed pixels as the RGBA rows a canvas takes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "surface.h"
#include "win32.h"

namespace zt::platform::web {

// The virtual-key code of a key by its KeyboardEvent.code (the key's place on
// the keyboard, named as on a US keyboard); 0 for a key the layer does not know.
UINT virtualKeyOfCode(std::string_view code);

// The text a key press types, from its KeyboardEvent.key: the key value when it
// is one printable character, else empty (named keys such as "Enter" or
// "Dead"). Nothing is typed while Ctrl or Alt is held, except with AltGr,
// which types the third character of a key on many layouts.
std::string typedText(std::string_view key, bool ctrl, bool alt, bool altGraph);

// The MOUSEEVENTF_* flag of a pointer button change (PointerEvent.button: 0
// left, 1 middle, 2 right); 0 for the other buttons.
DWORD buttonFlag(int button, bool down);

// The part of changed that lies inside a width x height frame; empty (right
// <= left or bottom <= top) when none does.
RECT clipToFrame(const RECT& changed, int width, int height);

// The pixels of frame inside r (already clipped), as RGBA bytes row after row
// with full alpha, as ImageData holds them. out is resized to fit.
void packRgba(const Surface& frame, const RECT& r, std::vector<uint8_t>& out);

}  // namespace zt::platform::web
