// The edit control and the clipboard, through the Win32 clipboard calls.
#pragma once

#include <string>

#include "win32.h"

namespace zt::platform {

// Puts text on the clipboard as CF_TEXT, owned by hwnd. False when the
// clipboard could not be opened.
bool putOnClipboard(HWND hwnd, const std::string& text);
// The clipboard's CF_TEXT, empty when there is none.
std::string takeFromClipboard(HWND hwnd);

}  // namespace zt::platform
