// Text between the layer (Windows-1252, CR LF line breaks on the clipboard)
// and SDL (UTF-8, LF line breaks as the desktop's programs write them).
#pragma once

#include <string>

namespace zt::platform {

std::string toUtf8(const std::string& ansi);
// A character that Windows-1252 lacks becomes '?'; broken UTF-8 likewise.
std::string fromUtf8(const char* utf8);

// The desktop's clipboard text from the layer's: "\r\n" becomes "\n".
std::string clipboardToDesktop(const std::string& ansi);
// The layer's from the desktop's: every "\n" becomes "\r\n".
std::string clipboardFromDesktop(const char* utf8);

}  // namespace zt::platform
