// The keyboard: the thread's key state (GetKeyState, GetKeyboardState,
// SetKeyboardState), scan codes (MapVirtualKeyA) and injected keys
// (keybd_event). Each key's state byte has bit 7 set while it is held and
// bit 0 flipped by every press (the toggle of Caps Lock).
#include <cstring>

#include "keyboard.h"
#include "message_queue.h"

namespace zt::platform {
namespace {

constexpr BYTE kHeld = 0x80;
constexpr BYTE kToggled = 0x01;
// Left and right modifier keys (VK_LSHIFT ... VK_RMENU) also move the generic key.
constexpr BYTE kLeftShift = 0xA0;
constexpr BYTE kRightMenu = 0xA5;

// State as of the last key message taken from the queue.
BYTE threadState[256];
// State as keys are injected, for the "previous state" bit of their lParam.
BYTE injectedState[256];

void press(BYTE* state, UINT vk) {
  if (!(state[vk] & kHeld)) state[vk] ^= kToggled;
  state[vk] |= kHeld;
}

void release(BYTE* state, UINT vk) { state[vk] &= static_cast<BYTE>(~kHeld); }

void update(BYTE* state, UINT vk, bool down) {
  vk &= 0xFF;
  down ? press(state, vk) : release(state, vk);
  if (vk >= kLeftShift && vk <= kRightMenu) {
    UINT generic = VK_SHIFT + (vk - kLeftShift) / 2;
    down ? press(state, generic) : release(state, generic);
  }
}

// US keyboard scan codes by virtual key.
UINT scanCode(UINT vk) {
  static const char kDigits[] = "\x0B\x02\x03\x04\x05\x06\x07\x08\x09\x0A";  // '0' .. '9'
  static const char kLetters[] =
      "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10\x13\x1F\x14\x16\x2F"
      "\x11\x2D\x15\x2C";  // 'A' .. 'Z'
  if (vk >= '0' && vk <= '9') return static_cast<BYTE>(kDigits[vk - '0']);
  if (vk >= 'A' && vk <= 'Z') return static_cast<BYTE>(kLetters[vk - 'A']);
  if (vk >= 0x70 && vk <= 0x79) return 0x3B + (vk - 0x70);  // F1 .. F10
  switch (vk) {
    case VK_ESCAPE:
      return 0x01;
    case VK_BACK:
      return 0x0E;
    case VK_TAB:
      return 0x0F;
    case VK_RETURN:
      return 0x1C;
    case VK_CONTROL:
    case 0xA2:
    case 0xA3:
      return 0x1D;
    case VK_SHIFT:
    case 0xA0:
      return 0x2A;
    case 0xA1:
      return 0x36;  // right Shift
    case VK_MENU:
    case 0xA4:
    case 0xA5:
      return 0x38;
    case VK_SPACE:
      return 0x39;
    case VK_CAPITAL:
      return 0x3A;
    case VK_HOME:
      return 0x47;
    case VK_UP:
      return 0x48;
    case 0x21:
      return 0x49;  // Page Up
    case VK_LEFT:
      return 0x4B;
    case VK_RIGHT:
      return 0x4D;
    case VK_END:
      return 0x4F;
    case VK_DOWN:
      return 0x50;
    case 0x22:
      return 0x51;  // Page Down
    case 0x2D:
      return 0x52;  // Insert
    case VK_DELETE:
      return 0x53;
    case VK_OEM_MINUS:
      return 0x0C;
    case VK_OEM_PLUS:
      return 0x0D;
    case VK_OEM_4:
      return 0x1A;
    case VK_OEM_6:
      return 0x1B;
    case VK_OEM_1:
      return 0x27;
    case VK_OEM_7:
      return 0x28;
    case VK_OEM_3:
      return 0x29;
    case VK_OEM_5:
      return 0x2B;
    case VK_OEM_COMMA:
      return 0x33;
    case VK_OEM_PERIOD:
      return 0x34;
    case VK_OEM_2:
      return 0x35;
    default:
      return 0;
  }
}

}  // namespace

void keyMessageTaken(const MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    update(threadState, static_cast<UINT>(msg.wParam), true);
  } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
    update(threadState, static_cast<UINT>(msg.wParam), false);
  }
}

}  // namespace zt::platform

using namespace zt::platform;

SHORT GetKeyState(int vk) {
  if (vk < 0 || vk > 0xFF) return 0;
  BYTE s = threadState[vk];
  // Held keys read as negative (0xFF80), the toggle is the low bit.
  return static_cast<SHORT>(((s & kHeld) ? 0xFF80 : 0) | (s & kToggled));
}

BOOL GetKeyboardState(BYTE* state) {
  if (!state) return FALSE;
  std::memcpy(state, threadState, sizeof(threadState));
  return TRUE;
}

BOOL SetKeyboardState(BYTE* state) {
  if (!state) return FALSE;
  std::memcpy(threadState, state, sizeof(threadState));
  return TRUE;
}

UINT MapVirtualKeyA(UINT code, UINT mapType) {
  return mapType == MAPVK_VK_TO_VSC ? scanCode(code) : 0;
}

void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extra) {
  (void)extra;
  bool up = (flags & KEYEVENTF_KEYUP) != 0;
  bool wasDown = (injectedState[vk] & kHeld) != 0;
  update(injectedState, vk, !up);
  // lParam: repeat count 1, the scan code, bit 30 the previous state, bit 31 a release.
  DWORD lParam = 1u | (static_cast<DWORD>(scan) << 16);
  if (wasDown || up) lParam |= 1u << 30;
  if (up) lParam |= 1u << 31;
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  MSG msg{};
  msg.hwnd = target;
  msg.message = up ? WM_KEYUP : WM_KEYDOWN;
  msg.wParam = vk;
  msg.lParam = static_cast<LPARAM>(lParam);
  msg.time = GetTickCount();
  postInputMessage(msg);
}
