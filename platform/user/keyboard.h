// The thread's key state as the message retrieval updates it.
#pragma once

#include <string>
#include <string_view>

#include "win32.h"

namespace zt::platform {

// Updates the key state for an input key message that has been taken from
// the queue (posted key messages leave the state alone, as on Win32).
void keyMessageTaken(const MSG& msg);

// Marks the lParam of a key message whose key came from a driver (a bit that
// Win32 reserves): its text, if any, comes through textInput, so
// TranslateMessage makes characters only for keys without text.
constexpr LPARAM kDesktopKey = LPARAM{1} << 25;

// The last key pressed through keyInput: the key message that the text
// typed with it follows.
struct DesktopKeyDown {
  UINT vk = 0;
  LPARAM lParam = 0;
  HWND target = nullptr;  // the window its messages went to
  std::string text;       // what it typed (textInput)
  bool held = false;      // not yet released: text now is this key's
};
const DesktopKeyDown& lastDesktopKeyDown();
void desktopKeyTyped(std::string_view utf8);

// Whether a key is held as of the newest input (not yet taken from the queue):
// what the MK_SHIFT and MK_CONTROL bits of a mouse message report.
bool keyHeldNow(UINT vk);

}  // namespace zt::platform
