// TranslateMessage: the character that a key-down makes on a US keyboard,
// given the thread's key state, is posted as WM_CHAR (WM_SYSCHAR for a
// WM_SYSKEYDOWN) with the key's lParam. As on Win32 (and Wine), the result is
// TRUE for every key message, whether or not a character was posted.
// A key from the desktop (kDesktopKey) types its text in the desktop's own
// layout, which arrives through textInput: only the characters of keys
// without text are made here (Enter, Tab, Backspace, Escape, Ctrl with a key).
#include "keyboard.h"
#include "win32.h"

namespace zt::platform {
namespace {

struct Punctuation {
  UINT vk;
  char plain;
  char shifted;
};

constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

bool held(const BYTE* state, int vk) { return (state[vk] & 0x80) != 0; }

// The character of a key, or -1 when it makes none.
int characterOf(UINT vk, const BYTE* state) {
  bool shift = held(state, VK_SHIFT);
  bool control = held(state, VK_CONTROL);
  bool alt = held(state, VK_MENU);
  if (control && alt) return -1;  // AltGr: a US keyboard has no such characters
  if (control) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<int>(vk - 'A' + 1);
    switch (vk) {
      case VK_RETURN:
        return '\n';
      case VK_BACK:
        return 0x7F;
      case VK_ESCAPE:
        return 0x1B;
      case VK_SPACE:
        return ' ';
      case VK_OEM_4:
        return 0x1B;  // Ctrl+[
      case VK_OEM_5:
        return 0x1C;  // Ctrl+backslash
      case VK_OEM_6:
        return 0x1D;  // Ctrl+]
      default:
        return -1;
    }
  }
  if (vk >= 'A' && vk <= 'Z') {
    bool upper = shift != ((state[VK_CAPITAL] & 0x01) != 0);
    return static_cast<int>(upper ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : static_cast<int>(vk);
  for (const Punctuation& p : kPunctuation) {
    if (p.vk == vk) return shift ? p.shifted : p.plain;
  }
  switch (vk) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_BACK:
      return '\b';
    case VK_ESCAPE:
      return 0x1B;
    case VK_TAB:
      return '\t';
    default:
      return -1;
  }
}

// Whether a key's character comes as text from the desktop instead.
bool typesText(UINT vk, const BYTE* state) {
  if (held(state, VK_CONTROL)) return false;
  switch (vk) {
    case VK_RETURN:
    case VK_TAB:
    case VK_BACK:
    case VK_ESCAPE:
      return false;
    default:
      return true;
  }
}

}  // namespace
}  // namespace zt::platform

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  if (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP) return TRUE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return FALSE;
  BYTE state[256];
  GetKeyboardState(state);
  const UINT vk = static_cast<UINT>(msg->wParam) & 0xFF;
  if ((msg->lParam & zt::platform::kDesktopKey) && zt::platform::typesText(vk, state)) {
    // The same key press passed on to another window (as the text window
    // passes keys to the graphics window): it types there what it typed.
    const zt::platform::DesktopKeyDown& key = zt::platform::lastDesktopKeyDown();
    if (msg->message == WM_KEYDOWN && msg->hwnd != key.target && key.vk == vk &&
        key.lParam == msg->lParam) {
      for (char byte : key.text)
        PostMessageA(msg->hwnd, WM_CHAR, static_cast<unsigned char>(byte), msg->lParam);
    }
    return TRUE;
  }
  int ch = zt::platform::characterOf(vk, state);
  if (ch >= 0) {
    UINT message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    PostMessageA(msg->hwnd, message, static_cast<WPARAM>(ch), msg->lParam);
  }
  return TRUE;
}
