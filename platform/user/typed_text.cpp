// Typed text from the desktop (textInput): the bytes of the UTF-8 text as
// WM_CHAR messages, queued as input right after the key message that typed
// them, to the window that got it, so Win32's order holds: WM_KEYDOWN, its
// WM_CHARs, WM_KEYUP. Alt with a key that types its own letter or digit
// (Alt+R typing "r") gives WM_SYSCHAR, as a system key's character.
#include <cctype>

#include "driver.h"
#include "keyboard.h"
#include "message_queue.h"
#include "window.h"

namespace zt::platform {
namespace {

// Whether text is what the key of a system key message types by itself.
bool systemCharacter(std::string_view utf8, const DesktopKeyDown& key) {
  const bool altAlone = keyHeldNow(VK_MENU) && !keyHeldNow(VK_CONTROL);
  if (!altAlone || utf8.size() != 1) return false;
  const int c = std::toupper(static_cast<unsigned char>(utf8[0]));
  return static_cast<UINT>(c) == key.vk && std::isalnum(c);
}

}  // namespace

void textInput(HWND hwnd, std::string_view utf8) {
  const DesktopKeyDown& key = lastDesktopKeyDown();
  // The text of a key that is down goes where the key went; text without a
  // key (an input method's, or a key that the driver could not name) goes
  // to the focus, else to the window it was typed into.
  const bool ofKey = key.held && findWindow(key.target);
  HWND target = ofKey ? key.target : GetFocus();
  if (!target) target = findWindow(hwnd) ? hwnd : nullptr;
  if (!target) return;
  const UINT message = ofKey && systemCharacter(utf8, key) ? WM_SYSCHAR : WM_CHAR;
  const LPARAM lParam = ofKey ? key.lParam : 1;
  if (ofKey) desktopKeyTyped(utf8);
  for (char byte : utf8) {
    if (byte == '\0') break;
    postInputMessage(makeMessage(target, message,
                                 static_cast<WPARAM>(static_cast<unsigned char>(byte)), lParam));
  }
}

}  // namespace zt::platform
