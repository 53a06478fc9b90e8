// Text between the layer (UTF-8, CR LF line breaks on the clipboard) and
// SDL (UTF-8, LF line breaks as the desktop's programs write them).
#pragma once

#include <string>

namespace zt::platform {

// The layer's text as the desktop takes it (titles): valid UTF-8, a broken
// sequence becoming U+FFFD.
std::string toUtf8(const std::string& text);

// The desktop's clipboard text from the layer's: "\r\n" becomes "\n", and a
// broken UTF-8 sequence U+FFFD, since the desktop takes only valid UTF-8.
std::string clipboardToDesktop(const std::string& text);
// The layer's from the desktop's: every lone "\n" becomes "\r\n".
std::string clipboardFromDesktop(const char* utf8);

}  // namespace zt::platform
