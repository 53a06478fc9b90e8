// What a screen driver reports of the desktop's doing, through the layer's
// input calls, seen through Win32 names.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "driver.h"
#include "win32.h"

namespace {

using zt::platform::keyInput;
using zt::platform::textInput;

void drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// A window dragged half off the screen and back shows what it paints there
// (its class brush), not blank pixels: the move invalidates what it uncovers.
TEST(DriverInput, MovingBackOntoTheScreenRepaintsWhatItUncovers) {
  const COLORREF red = RGB(255, 0, 0);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = CreateSolidBrush(red);
  wc.lpszClassName = "dragged";
  ASSERT_NE(RegisterClassA(&wc), 0);
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "dragged", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  drain();
  zt::platform::moveInput(hwnd, POINT{screen - 100, 0});
  drain();
  zt::platform::moveInput(hwnd, POINT{0, 0});
  drain();
  HDC dc = GetDC(hwnd);
  for (POINT p : {POINT{50, 10}, POINT{150, 10}, POINT{299, 199}}) {
    const COLORREF got = GetPixel(dc, p.x, p.y);
    EXPECT_EQ(red, got) << "at (" << p.x << ", " << p.y << "): expected " << std::hex << red
                        << ", got " << got;
  }
  ReleaseDC(hwnd, dc);
  DestroyWindow(hwnd);
}

// ---- typed text: keys from keyInput, their text from textInput

using Heard = std::vector<std::pair<UINT, unsigned>>;  // message, wParam
Heard heard;

LRESULT CALLBACK listener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      heard.emplace_back(msg, static_cast<unsigned>(wParam));
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

// Every queued message, translated as a program's loop does.
void pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

class TypedText : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = listener;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "typed";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "typed", "typed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                           nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    SetFocus(hwnd);
    pump();
    heard.clear();
  }
  void TearDown() override {
    DestroyWindow(hwnd);
    pump();
  }
  // A key with the text it types, as a driver reports it.
  void press(UINT vk, const char* text) {
    keyInput(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), true);
    if (text) textInput(hwnd, text);
    keyInput(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), false);
  }
  HWND hwnd = nullptr;
};

TEST_F(TypedText, TheTextsBytesComeBetweenKeyDownAndKeyUpAndNothingElse) {
  press('2', "\xC3\xA9");       // the é key of a French keyboard
  press(VK_OEM_4, "\xC3\x9F");  // ß of a German one
  pump();
  EXPECT_EQ(heard, (Heard{{WM_KEYDOWN, '2'},
                          {WM_CHAR, 0xC3},
                          {WM_CHAR, 0xA9},
                          {WM_KEYUP, '2'},
                          {WM_KEYDOWN, VK_OEM_4},
                          {WM_CHAR, 0xC3},
                          {WM_CHAR, 0x9F},
                          {WM_KEYUP, VK_OEM_4}}));
}

TEST_F(TypedText, KeysWithoutTextGetTheirCharactersFromTheLayer) {
  press(VK_RETURN, nullptr);
  press(VK_BACK, nullptr);
  keyInput(VK_CONTROL, 0x1D, true);
  press('Q', nullptr);  // the key labelled Q, wherever the layout puts it
  keyInput(VK_CONTROL, 0x1D, false);
  press('A', nullptr);  // a dead key or an input method's first key: no text yet
  pump();
  EXPECT_EQ(heard, (Heard{{WM_KEYDOWN, VK_RETURN},
                          {WM_CHAR, '\r'},
                          {WM_KEYUP, VK_RETURN},
                          {WM_KEYDOWN, VK_BACK},
                          {WM_CHAR, '\b'},
                          {WM_KEYUP, VK_BACK},
                          {WM_KEYDOWN, VK_CONTROL},
                          {WM_KEYDOWN, 'Q'},
                          {WM_CHAR, 0x11},
                          {WM_KEYUP, 'Q'},
                          {WM_KEYUP, VK_CONTROL},
                          {WM_KEYDOWN, 'A'},
                          {WM_KEYUP, 'A'}}));
}

TEST_F(TypedText, InjectedKeysStillTypeThroughTheUsTable) {
  keybd_event('A', 0x1E, 0, 0);
  keybd_event('A', 0x1E, KEYEVENTF_KEYUP, 0);
  pump();
  EXPECT_EQ(heard, (Heard{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}));
}

TEST_F(TypedText, AltWithItsOwnLetterIsASystemCharacterOtherTextIsNot) {
  keyInput(VK_MENU, 0x38, true);
  press('R', "r");  // Alt+R: the menu's mnemonic
  press('Q', "@");  // the right Alt of a German keyboard types "@" on Q
  keyInput(VK_MENU, 0x38, false);
  pump();
  const Heard expected{{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'R'},  {WM_SYSCHAR, 'r'},
                       {WM_SYSKEYUP, 'R'},       {WM_SYSKEYDOWN, 'Q'},  {WM_CHAR, '@'},
                       {WM_SYSKEYUP, 'Q'},       {WM_SYSKEYUP, VK_MENU}};
  EXPECT_EQ(heard, expected);
}

TEST_F(TypedText, AKeyPassedOnToAnotherWindowTypesThereWhatItTyped) {
  HWND other = CreateWindowExA(0, "typed", "other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  keyInput('D', 0x20, true);
  textInput(hwnd, "\xD0\xB2");  // в, on the D key of a Russian keyboard
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
  pump();  // the focus window hears its own key and text first
  heard.clear();
  // As the text window passes its keys on to the graphics window.
  PostMessageA(other, WM_KEYDOWN, m.wParam, m.lParam);
  pump();
  EXPECT_EQ(heard, (Heard{{WM_KEYDOWN, 'D'}, {WM_CHAR, 0xD0}, {WM_CHAR, 0xB2}}));
  keyInput('D', 0x20, false);
  DestroyWindow(other);
}

TEST_F(TypedText, TextWithoutAKeyDownGoesToTheFocusNotToTheLastKeysWindow) {
  HWND other = CreateWindowExA(0, "typed", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  press('A', "a");  // into hwnd, which has the focus
  SetFocus(other);  // as a dialog takes the focus
  pump();
  heard.clear();
  textInput(hwnd, "\xD0\xB6");  // an input method's text, with no key down
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.hwnd, other);
  pump();
  EXPECT_EQ(heard, (Heard{{WM_CHAR, 0xD0}, {WM_CHAR, 0xB6}}));
  DestroyWindow(other);
}

TEST_F(TypedText, TextForAGoneWindowGoesToTheFocusOrNowhere) {
  press('E', nullptr);
  DestroyWindow(hwnd);
  pump();
  heard.clear();
  textInput(hwnd, "x");  // neither the key's window nor a focus is left
  textInput(nullptr, "y");
  pump();
  EXPECT_TRUE(heard.empty());
}

}  // namespace
