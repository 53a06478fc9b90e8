// The keyboard: TranslateMessage on a US layout, the thread key state and
// injected keys.
#include <gtest/gtest.h>

#include <cstring>

#include "recorder.h"
#include "win32.h"

using namespace zt_test;

namespace {

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    drainMessages();
    clearRecords();
    setKeys({});
  }
  void TearDown() override {
    setKeys({});
    drainMessages();
  }

  static void setKeys(std::initializer_list<int> held, bool capsLock = false) {
    BYTE state[256] = {};
    for (int vk : held) state[vk] = 0x80;
    if (capsLock) state[VK_CAPITAL] = 0x01;
    SetKeyboardState(state);
  }
};

struct CharCase {
  const char* name;
  UINT vk;
  std::initializer_list<int> held;
  bool capsLock;
  int expected;  // -1: no character
};

const CharCase kCharCases[] = {
    {"a", 'A', {}, false, 'a'},
    {"shift a", 'A', {VK_SHIFT}, false, 'A'},
    {"caps lock a", 'A', {}, true, 'A'},
    {"caps lock shift a", 'A', {VK_SHIFT}, true, 'a'},
    {"z", 'Z', {}, false, 'z'},
    {"digit 5", '5', {}, false, '5'},
    {"shift 1", '1', {VK_SHIFT}, false, '!'},
    {"shift 0", '0', {VK_SHIFT}, false, ')'},
    {"space", VK_SPACE, {}, false, ' '},
    {"enter", VK_RETURN, {}, false, '\r'},
    {"backspace", VK_BACK, {}, false, '\b'},
    {"escape", VK_ESCAPE, {}, false, 0x1B},
    {"tab", VK_TAB, {}, false, '\t'},
    {"minus", VK_OEM_MINUS, {}, false, '-'},
    {"shift minus", VK_OEM_MINUS, {VK_SHIFT}, false, '_'},
    {"semicolon", VK_OEM_1, {}, false, ';'},
    {"shift slash", VK_OEM_2, {VK_SHIFT}, false, '?'},
    {"quote", VK_OEM_7, {}, false, '\''},
    {"shift comma", VK_OEM_COMMA, {VK_SHIFT}, false, '<'},
    {"ctrl a", 'A', {VK_CONTROL}, false, 1},
    {"ctrl h", 'H', {VK_CONTROL}, false, 8},
    {"ctrl z", 'Z', {VK_CONTROL}, false, 26},
    {"ctrl shift q", 'Q', {VK_CONTROL, VK_SHIFT}, false, 17},
    {"ctrl enter", VK_RETURN, {VK_CONTROL}, false, '\n'},
    {"ctrl digit", '1', {VK_CONTROL}, false, -1},
    {"left arrow", VK_LEFT, {}, false, -1},
    {"delete", VK_DELETE, {}, false, -1},
    {"shift alone", VK_SHIFT, {VK_SHIFT}, false, -1},
};

}  // namespace

TEST_F(Keyboard, TranslateMessagePostsTheCharacterOfTheKey) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  for (const CharCase& c : kCharCases) {
    SCOPED_TRACE(c.name);
    setKeys(c.held, c.capsLock);
    MSG key{};
    key.hwnd = hwnd;
    key.message = WM_KEYDOWN;
    key.wParam = c.vk;
    key.lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(c.vk, MAPVK_VK_TO_VSC)) << 16);
    BOOL translated = TranslateMessage(&key);
    MSG ch;
    BOOL posted = PeekMessageA(&ch, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
    EXPECT_TRUE(translated);  // any key message, with or without a character
    if (c.expected < 0) {
      EXPECT_FALSE(posted);
      continue;
    }
    ASSERT_TRUE(posted);
    EXPECT_EQ(ch.wParam, static_cast<WPARAM>(c.expected));
    EXPECT_EQ(ch.lParam, key.lParam);
    EXPECT_EQ(ch.hwnd, hwnd);
  }
}

TEST_F(Keyboard, TranslateMessageIgnoresOtherMessages) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = WM_USER;
  msg.wParam = 'A';
  EXPECT_FALSE(TranslateMessage(&msg));
  MSG ch;
  EXPECT_FALSE(PeekMessageA(&ch, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE));
}

TEST_F(Keyboard, KeyboardStateRoundTripsAndShowsInGetKeyState) {
  BYTE state[256] = {};
  state[VK_SHIFT] = 0x80;
  state[VK_CAPITAL] = 0x01;
  ASSERT_TRUE(SetKeyboardState(state));
  BYTE read[256];
  ASSERT_TRUE(GetKeyboardState(read));
  EXPECT_EQ(std::memcmp(state, read, sizeof state), 0);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);        // held: the high bit
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);  // toggled: the low bit
  EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

TEST_F(Keyboard, PostedKeyMessagesDoNotChangeTheKeyState) {
  HWND hwnd = createRecorder();
  WindowGuard guard(hwnd);
  clearRecords();
  PostMessageA(hwnd, WM_KEYDOWN, VK_SHIFT, 1 | (0x2A << 16));
  PostMessageA(hwnd, WM_KEYDOWN, VK_CONTROL, 1 | (0x1D << 16));
  drainMessages();
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0);
  // They still reach the window.
  EXPECT_EQ(recordedMessages(hwnd), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN}));
}

TEST_F(Keyboard, InjectedKeysReachTheFocusAndChangeTheKeyState) {
  HWND hwnd = createRecorder(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  WindowGuard guard(hwnd);
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  drainMessages();
  clearRecords();
  keybd_event(VK_SHIFT, 0x2A, 0, 0);
  keybd_event('A', 0x1E, 0, 0);
  keybd_event('A', 0x1E, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_SHIFT, 0x2A, KEYEVENTF_KEYUP, 0);
  bool shiftSeenHeld = false;
  char typed = 0;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 5000 && typed == 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN && msg.wParam == 'A') {
        shiftSeenHeld = GetKeyState(VK_SHIFT) < 0;
      }
      if (msg.message == WM_CHAR) typed = static_cast<char>(msg.wParam);
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(1);
  }
  drainMessages();
  if (typed == 0 && GetFocus() != hwnd) {
    GTEST_SKIP() << "injected input goes to the foreground window, which the test could not take";
  }
  EXPECT_TRUE(shiftSeenHeld);
  EXPECT_EQ(typed, 'A');
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);  // released again
}

TEST_F(Keyboard, ScanCodesAreThoseOfAUsKeyboard) {
  EXPECT_EQ(MapVirtualKeyA('A', MAPVK_VK_TO_VSC), 0x1Eu);
  EXPECT_EQ(MapVirtualKeyA('Q', MAPVK_VK_TO_VSC), 0x10u);
  EXPECT_EQ(MapVirtualKeyA('1', MAPVK_VK_TO_VSC), 0x02u);
  EXPECT_EQ(MapVirtualKeyA('0', MAPVK_VK_TO_VSC), 0x0Bu);
  EXPECT_EQ(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC), 0x1Cu);
  EXPECT_EQ(MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC), 0x01u);
  EXPECT_EQ(MapVirtualKeyA(VK_SPACE, MAPVK_VK_TO_VSC), 0x39u);
  EXPECT_EQ(MapVirtualKeyA(VK_CONTROL, MAPVK_VK_TO_VSC), 0x1Du);
}
