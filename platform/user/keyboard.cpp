// The keyboard: the thread's key state (GetKeyState, GetKeyboardState,
// SetKeyboardState), scan codes (MapVirtualKeyA) and injected keys
// (keybd_event). Each key's state byte has bit 7 set while it is held and
// bit 0 flipped by every press (the toggle of Caps Lock).
#include <cstring>

#include "driver.h"
#include "keyboard.h"
#include "message_queue.h"

namespace zt::platform {
namespace {

constexpr BYTE kHeld = 0x80;
constexpr BYTE kToggled = 0x01;

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
  // Left and right modifier keys (VK_LSHIFT ... VK_RMENU) also move the generic key.
  if (vk >= VK_LSHIFT && vk <= VK_RMENU) {
    UINT generic = VK_SHIFT + (vk - VK_LSHIFT) / 2;
    down ? press(state, generic) : release(state, generic);
  }
}

struct ScanCode {
  BYTE vk;
  BYTE scan;
};

// US keyboard scan codes of the keys outside the runs of digits, letters and
// function keys.
constexpr ScanCode kScanCodes[] = {
    {VK_ESCAPE, 0x01},  {VK_BACK, 0x0E},      {VK_TAB, 0x0F},        {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {VK_LCONTROL, 0x1D},  {VK_RCONTROL, 0x1D},   {VK_SHIFT, 0x2A},
    {VK_LSHIFT, 0x2A},  {VK_RSHIFT, 0x36},    {VK_MENU, 0x38},       {VK_LMENU, 0x38},
    {VK_RMENU, 0x38},   {VK_SPACE, 0x39},     {VK_CAPITAL, 0x3A},    {VK_HOME, 0x47},
    {VK_UP, 0x48},      {VK_PRIOR, 0x49},     {VK_LEFT, 0x4B},       {VK_RIGHT, 0x4D},
    {VK_END, 0x4F},     {VK_DOWN, 0x50},      {VK_NEXT, 0x51},       {VK_INSERT, 0x52},
    {VK_DELETE, 0x53},  {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},   {VK_OEM_4, 0x1A},
    {VK_OEM_6, 0x1B},   {VK_OEM_1, 0x27},     {VK_OEM_7, 0x28},      {VK_OEM_3, 0x29},
    {VK_OEM_5, 0x2B},   {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},
};
constexpr BYTE kDigitScanCodes[] = {0x0B, 0x02, 0x03, 0x04, 0x05,
                                    0x06, 0x07, 0x08, 0x09, 0x0A};  // '0' .. '9'
constexpr BYTE kLetterScanCodes[] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                     0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                     0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};  // 'A' .. 'Z'
constexpr UINT kF1ScanCode = 0x3B;  // F1 .. F10 follow in order

UINT scanCode(UINT vk) {
  if (vk >= '0' && vk <= '9') return kDigitScanCodes[vk - '0'];
  if (vk >= 'A' && vk <= 'Z') return kLetterScanCodes[vk - 'A'];
  if (vk >= VK_F1 && vk <= VK_F10) return kF1ScanCode + (vk - VK_F1);
  for (const ScanCode& key : kScanCodes) {
    if (key.vk == vk) return key.scan;
  }
  return 0;
}

}  // namespace

bool keyHeldNow(UINT vk) { return (injectedState[vk & 0xFF] & kHeld) != 0; }

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

namespace {

DesktopKeyDown lastDesktopKey;

// A key message into the input queue, for the focus (or the active window).
void injectKey(BYTE vk, BYTE scan, bool up, bool desktop) {
  bool wasDown = (injectedState[vk] & kHeld) != 0;
  // Alt (held, or the key itself) without Ctrl makes the system key messages.
  bool alt = ((injectedState[VK_MENU] & kHeld) != 0 || vk == VK_MENU) &&
             (injectedState[VK_CONTROL] & kHeld) == 0;
  // F10 is a system key too (without Ctrl): it opens the menu bar.
  bool system = alt || (vk == VK_F10 && (injectedState[VK_CONTROL] & kHeld) == 0);
  update(injectedState, vk, !up);
  // lParam: repeat count 1, the scan code, Alt, the previous state, a release.
  DWORD lParam = 1u | (static_cast<DWORD>(scan) << 16);
  if (alt && !(vk == VK_MENU && up)) lParam |= static_cast<DWORD>(KF_ALTDOWN) << 16;
  if (wasDown || up) lParam |= static_cast<DWORD>(KF_REPEAT) << 16;
  if (up) lParam |= static_cast<DWORD>(KF_UP) << 16;
  if (desktop) lParam |= static_cast<DWORD>(kDesktopKey);
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  MSG msg{};
  msg.hwnd = target;
  msg.message = system ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
  msg.wParam = vk;
  msg.lParam = static_cast<LPARAM>(lParam);
  msg.time = GetTickCount();
  if (desktop && !up) lastDesktopKey = DesktopKeyDown{vk, msg.lParam, target, {}, true};
  if (desktop && up && vk == lastDesktopKey.vk) lastDesktopKey.held = false;
  postInputMessage(msg);
}

}  // namespace

const DesktopKeyDown& zt::platform::lastDesktopKeyDown() { return lastDesktopKey; }

void zt::platform::desktopKeyTyped(std::string_view utf8) { lastDesktopKey.text.append(utf8); }

void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extra) {
  (void)extra;
  injectKey(vk, scan, (flags & KEYEVENTF_KEYUP) != 0, false);
}

void zt::platform::keyInput(UINT vk, UINT scan, bool down) {
  injectKey(static_cast<BYTE>(vk), static_cast<BYTE>(scan), !down, true);
}
