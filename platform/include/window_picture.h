// The layer's one call beyond Win32 (not on Windows): the picture that a
// window's client area shows, as the headless driver last presented it,
// written as a PNG. Tools that replay a program without a screen take their
// pictures through it.
#pragma once

#include <string>

#include "win32.h"

namespace zt::platform {

// Presents what changed, then writes the part of hwnd's client area (client
// coordinates, clipped to it) to pngPath: 8-bit RGB, no time or text chunks,
// so that the same pixels always give the same bytes. False with a reason
// when hwnd is not a shown top-level window of the headless driver, the part
// is empty or the file cannot be written.
bool writeClientPicture(HWND hwnd, const RECT& part, const std::string& pngPath,
                        std::string& error);

}  // namespace zt::platform
