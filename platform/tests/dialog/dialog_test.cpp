// Modal dialogs from in-memory templates, driven through a thread timer as a
// user would drive them: typing, Enter, Escape, the close box, Tab.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialog_harness.h"

namespace {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = makeOwner();
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }
  HWND owner = nullptr;
};

int cancels() {
  int n = 0;
  for (WPARAM w : record.commands) n += LOWORD(w) == IDCANCEL;
  return n;
}

TEST_F(DialogTest, TypingThenEnterEndsWithTheTextAndTheDefaultButton) {
  TemplateBuilder t = inputTemplate();
  HWND button = nullptr;
  const INT_PTR r =
      runDialog(t.get(), owner,
                {typeText(kInput, "file.txt"), [&](HWND d) { button = GetDlgItem(d, kOkay); },
                 pressKey(kInput, VK_RETURN)},
                recordingProc, 1234);
  EXPECT_EQ(r, 1);
  EXPECT_STREQ(record.text, "file.txt");
  EXPECT_EQ(record.copied, 8u);
  EXPECT_EQ(record.initParam, 1234);
  ASSERT_FALSE(record.commands.empty());
  EXPECT_EQ(record.commands.back(), static_cast<WPARAM>(MAKEWPARAM(kOkay, BN_CLICKED)));
  EXPECT_EQ(record.sources.back(), reinterpret_cast<LPARAM>(button));
}

TEST_F(DialogTest, EscapeAndTheCloseBoxSendCancelAndTheDialogStays) {
  TemplateBuilder t = inputTemplate();
  int afterEscape = -1, afterClose = -1, afterSysClose = -1;
  bool stillOpen = false;
  const INT_PTR r = runDialog(
      t.get(), owner,
      {pressKey(kInput, VK_ESCAPE), [&](HWND) { afterEscape = cancels(); },
       [&](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); }, [&](HWND) { afterClose = cancels(); },
       [&](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
       [&](HWND d) {
         afterSysClose = cancels();
         stillOpen = IsWindowVisible(d) != FALSE;
       },
       post(kOkay, BM_CLICK, 0, 0)});
  EXPECT_EQ(afterEscape, 1);
  EXPECT_EQ(afterClose, 2);
  EXPECT_EQ(afterSysClose, 3);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(r, 1);  // only Okay ended it
}

TEST_F(DialogTest, CtrlEnterPutsALineBreakIntoAMultiLineField) {
  TemplateBuilder t = inputTemplate();
  BYTE saved[256] = {};
  const INT_PTR r = runDialog(t.get(), owner,
                              {typeText(kInput, "one"),
                               [&](HWND) {
                                 GetKeyboardState(saved);
                                 BYTE held[256];
                                 GetKeyboardState(held);
                                 held[VK_CONTROL] = 0x80;
                                 SetKeyboardState(held);
                               },
                               pressKey(kInput, VK_RETURN), [&](HWND) { SetKeyboardState(saved); },
                               typeText(kInput, "two"), pressKey(kInput, VK_RETURN)});
  EXPECT_EQ(r, 1);
  EXPECT_STREQ(record.text, "one\r\ntwo");
}

TEST_F(DialogTest, Utf8TitleAndFieldTextRoundTrip) {
  const std::string title =
      "\xD0\xA1\xD0\xBE\xD1\x85\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C "
      "\xE4\xBD\xA0";  // Сохранить 你
  const std::string name =
      "Gr\xC3\xB6\xC3\x9F"
      "e 2 \xC3\xA4.txt";  // Größe 2 ä.txt
  TemplateBuilder t = inputTemplate();
  std::string shownTitle;
  const INT_PTR r = runDialog(t.get(), owner,
                              {[&](HWND d) {
                                 char buffer[64] = {};
                                 SetWindowTextA(d, title.c_str());
                                 GetWindowTextA(d, buffer, sizeof buffer);
                                 shownTitle = buffer;
                                 SetWindowTextA(d, kTitle);  // the harness finds it by this
                                 SetDlgItemTextA(d, kInput, name.c_str());
                               },
                               pressKey(kInput, VK_RETURN)});
  EXPECT_EQ(r, 1);
  EXPECT_EQ(shownTitle, title);
  EXPECT_EQ(std::string(record.text), name);
  EXPECT_EQ(record.copied, name.size());
}

TEST_F(DialogTest, LongTextIsCutToTheBufferAndAlwaysTerminated) {
  TemplateBuilder t = inputTemplate();
  std::string typed;
  for (int i = 0; i < 300; ++i) typed += static_cast<char>('a' + i % 26);
  char small[8];
  UINT smallCount = 99, oneCount = 99, missingCount = 99;
  char one[1] = {'x'};
  char missing[4] = {'x', 'x', 'x', 'x'};
  const INT_PTR r = runDialog(t.get(), owner,
                              {typeText(kInput, typed),
                               [&](HWND d) {
                                 std::memset(small, '#', sizeof small);
                                 smallCount = GetDlgItemTextA(d, kInput, small, 4);
                                 oneCount = GetDlgItemTextA(d, kInput, one, 1);
                                 missingCount = GetDlgItemTextA(d, 999, missing, 4);
                               },
                               pressKey(kInput, VK_RETURN)});
  EXPECT_EQ(r, 1);
  EXPECT_EQ(record.copied, 255u);
  EXPECT_EQ(std::string(record.text), typed.substr(0, 255));
  EXPECT_EQ(smallCount, 3u);
  EXPECT_EQ(std::string(small, 5), std::string("abc\0#", 5));
  EXPECT_EQ(oneCount, 0u);
  EXPECT_EQ(one[0], '\0');
  EXPECT_EQ(missingCount, 0u);
  EXPECT_EQ(missing[0], '\0');
}

TEST_F(DialogTest, EditKeysMoveTheCaretAndErase) {
  TemplateBuilder t = inputTemplate();
  DWORD start = 99, end = 99;
  std::string afterDelete;
  const INT_PTR r =
      runDialog(t.get(), owner,
                {typeText(kInput, "abcd"), pressKey(kInput, VK_HOME), pressKey(kInput, VK_DELETE),
                 [&](HWND d) {
                   char buffer[16];
                   GetDlgItemTextA(d, kInput, buffer, sizeof buffer);
                   afterDelete = buffer;
                   SendMessageA(GetDlgItem(d, kInput), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                reinterpret_cast<LPARAM>(&end));
                 },
                 pressKey(kInput, VK_END), pressKey(kInput, VK_LEFT), typeText(kInput, "\b"),
                 pressKey(kInput, VK_RIGHT), typeText(kInput, "!"), pressKey(kInput, VK_RETURN)});
  EXPECT_EQ(r, 1);
  EXPECT_EQ(afterDelete, "bcd");
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_STREQ(record.text, "bd!");
}

TEST_F(DialogTest, SetDlgItemTextReplacesTheFieldAndTheOkayClickReadsIt) {
  TemplateBuilder t = inputTemplate();
  char prompt[64] = {};
  const INT_PTR r = runDialog(t.get(), owner,
                              {[&](HWND d) {
                                 SetDlgItemTextA(d, kInput, "set by program");
                                 GetDlgItemTextA(d, kPrompt, prompt, sizeof prompt);
                               },
                               post(kOkay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)),
                               post(kOkay, WM_LBUTTONUP, 0, MAKELPARAM(3, 3))});
  EXPECT_EQ(r, 1);
  EXPECT_STREQ(record.text, "set by program");
  EXPECT_STREQ(prompt, "Type something");
}

TEST_F(DialogTest, InitDialogFocusesTheFirstTabStopAndTabMovesOn) {
  TemplateBuilder t = inputTemplate();
  HWND edit = nullptr, button = nullptr, focusAtStart = nullptr, afterTab = nullptr,
       afterSecondTab = nullptr;
  runDialog(t.get(), owner,
            {[&](HWND d) {
               edit = GetDlgItem(d, kInput);
               button = GetDlgItem(d, kOkay);
               focusAtStart = GetFocus();
             },
             pressKey(kInput, VK_TAB), [&](HWND) { afterTab = GetFocus(); },
             post(kOkay, WM_KEYDOWN, VK_TAB, 1), [&](HWND) { afterSecondTab = GetFocus(); },
             pressKey(kInput, VK_RETURN)});
  EXPECT_EQ(record.initFocus, edit);
  EXPECT_EQ(focusAtStart, edit);
  EXPECT_EQ(afterTab, button);
  EXPECT_EQ(afterSecondTab, edit);
}

TEST_F(DialogTest, TheOwnerIsDisabledWhileTheDialogRuns) {
  TemplateBuilder t = inputTemplate();
  BOOL enabledDuring = TRUE;
  RECT client{}, buttonRect{};
  ASSERT_TRUE(IsWindowEnabled(owner));
  runDialog(t.get(), owner,
            {[&](HWND d) {
               enabledDuring = IsWindowEnabled(owner);
               GetClientRect(d, &client);
               GetWindowRect(GetDlgItem(d, kOkay), &buttonRect);
             },
             post(kOkay, BM_CLICK, 0, 0)});
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner));
  // Sizes in dialog units scale by the base units: x by width / 4, y by height / 8.
  const LONG units = GetDialogBaseUnits();
  const int bx = LOWORD(units), by = HIWORD(units);
  EXPECT_EQ(client.right, (185 * bx + 2) / 4);
  EXPECT_EQ(client.bottom, (92 * by + 4) / 8);
  EXPECT_EQ(buttonRect.right - buttonRect.left, (50 * bx + 2) / 4);
  EXPECT_EQ(buttonRect.bottom - buttonRect.top, (14 * by + 4) / 8);
}

// The dialog's outer rectangle with its owner moved to (x, y).
RECT placedDialog(HWND owner, int x, int y, DWORD extraStyle) {
  MoveWindow(owner, x, y, 400, 300, FALSE);
  TemplateBuilder t(WS_POPUP | WS_VISIBLE | WS_CAPTION | extraStyle, 20, 10, 100, 50, kTitle);
  RECT r{};
  runDialog(t.get(), owner, {[&](HWND d) {
              GetWindowRect(d, &r);
              EndDialog(d, 0);
            }});
  return r;
}

TEST_F(DialogTest, ThePositionIsMeasuredFromTheOwnerUnlessAbsolute) {
  const RECT before = placedDialog(owner, 10, 10, 0);
  const RECT moved = placedDialog(owner, 110, 60, 0);
  EXPECT_EQ(moved.left - before.left, 100);
  EXPECT_EQ(moved.top - before.top, 50);
  EXPECT_EQ(moved.right - moved.left, before.right - before.left);
  const RECT absoluteNear = placedDialog(owner, 10, 10, DS_ABSALIGN);
  const RECT absoluteFar = placedDialog(owner, 110, 60, DS_ABSALIGN);
  EXPECT_EQ(absoluteFar.left, absoluteNear.left);
  EXPECT_EQ(absoluteFar.top, absoluteNear.top);
}

int ownerTicks = 0;
LRESULT CALLBACK tickingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == 7) ++ownerTicks;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(DialogTest, OtherWindowsTimersRunDuringTheModalLoop) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = tickingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "DialogTestTicking";
  RegisterClassA(&wc);
  HWND ticking = CreateWindowExA(0, "DialogTestTicking", "ticking", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(ticking, nullptr);
  ownerTicks = 0;
  SetTimer(ticking, 7, 10, nullptr);
  TemplateBuilder t = inputTemplate();
  std::vector<Step> steps;
  // Steps run one per thread-timer tick; press Okay once the window has ticked.
  int ticksBeforeOkay = 0;
  for (int i = 0; i < 400; ++i) {
    steps.push_back([&](HWND d) {
      if (ownerTicks >= 3 && ticksBeforeOkay == 0) {
        ticksBeforeOkay = ownerTicks;
        PostMessageA(GetDlgItem(d, kOkay), BM_CLICK, 0, 0);
      }
    });
  }
  const INT_PTR r = runDialog(t.get(), owner, steps);
  KillTimer(ticking, 7);
  DestroyWindow(ticking);
  EXPECT_EQ(r, 1);
  EXPECT_GE(ticksBeforeOkay, 3);
}

INT_PTR CALLBACK endAtOnceProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    EndDialog(dialog, 42);
    return TRUE;
  }
  return FALSE;
}

TEST_F(DialogTest, EndDialogDuringInitialisationReturnsItsValue) {
  TemplateBuilder t = inputTemplate();
  EXPECT_EQ(runDialog(t.get(), owner, {}, endAtOnceProc), 42);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
}

TEST_F(DialogTest, AnUnusableTemplateGivesMinusOne) {
  TemplateBuilder t(WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 100, 50, kTitle);
  t.item(WS_CHILD | WS_VISIBLE, 1, 1, 10, 10, 5, 0x0099, "no such class");
  EXPECT_EQ(runDialog(t.get(), owner, {}), -1);
  EXPECT_EQ(record.initFocus, nullptr);
  EXPECT_TRUE(record.commands.empty());
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
}

// The largest sizes a template can ask for: about 65000 pixels a side for
// the dialog and each control, far more than any screen.
TEST_F(DialogTest, TheLargestTemplateSizesRun) {
  TemplateBuilder t(WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 32767, 32767, kTitle);
  for (WORD id = 1; id <= 8; ++id)
    t.item(WS_CHILD | WS_VISIBLE, -32768, 0, 32767, 32767, id, 0x0082, "everywhere");
  SIZE client = {};
  const INT_PTR r = runDialog(t.get(), owner, {[&](HWND d) {
                                RECT rect = {};
                                GetClientRect(d, &rect);
                                client = {rect.right, rect.bottom};
                                EndDialog(d, 7);
                              }});
  EXPECT_EQ(r, 7);
  EXPECT_GT(client.cx, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GT(client.cy, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(DialogTest, ATemplateWithoutItemsRuns) {
  TemplateBuilder t(WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 100, 50, kTitle);
  bool found = false;
  const INT_PTR r = runDialog(t.get(), owner, {[&](HWND d) {
                                found = true;
                                EndDialog(d, 7);
                              }});
  EXPECT_TRUE(found);
  EXPECT_EQ(r, 7);
}

TEST_F(DialogTest, AQuitMessageEndsTheDialogAndIsPutBack) {
  TemplateBuilder t = inputTemplate();
  runDialog(t.get(), owner, {[](HWND) { PostQuitMessage(5); }});
  EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(DialogTest, ADialogDestroyedWithoutEndDialogReturnsZero) {
  TemplateBuilder t = inputTemplate();
  EXPECT_EQ(runDialog(t.get(), owner, {[](HWND d) { DestroyWindow(d); }}), 0);
  EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);
}

TEST_F(DialogTest, TheOwnerIsEnabledAgainWhenTheDialogEndsWithoutEndDialog) {
#ifdef _WIN32
  GTEST_SKIP() << "Win32 re-enables the owner only in EndDialog";
#endif
  TemplateBuilder t = inputTemplate();
  runDialog(t.get(), owner, {[](HWND d) { DestroyWindow(d); }});
  EXPECT_TRUE(IsWindowEnabled(owner));
  runDialog(t.get(), owner, {[](HWND) { PostQuitMessage(0); }});
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG msg{};
  PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

bool hasDarkPixel(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  HDC dc = GetDC(control);
  bool dark = false;
  for (int y = 0; y < r.bottom && !dark; ++y) {
    for (int x = 0; x < r.right && !dark; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      dark = c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 150;
    }
  }
  ReleaseDC(control, dc);
  return dark;
}

TEST_F(DialogTest, ControlsPaintTheirText) {
  TemplateBuilder t = inputTemplate();
  bool promptDrawn = false, buttonDrawn = false, fieldBlankBefore = false, fieldDrawn = false;
  COLORREF fieldCentre = 0;
  runDialog(t.get(), owner,
            {[&](HWND d) { SetFocus(GetDlgItem(d, kOkay)); },  // no caret in the field
             [&](HWND d) {
               promptDrawn = hasDarkPixel(GetDlgItem(d, kPrompt));
               buttonDrawn = hasDarkPixel(GetDlgItem(d, kOkay));
               fieldBlankBefore = !hasDarkPixel(GetDlgItem(d, kInput));
               HWND edit = GetDlgItem(d, kInput);
               RECT r;
               GetClientRect(edit, &r);
               HDC dc = GetDC(edit);
               fieldCentre = GetPixel(dc, r.right / 2, r.bottom / 2);
               ReleaseDC(edit, dc);
             },
             [&](HWND d) { SetDlgItemTextA(d, kInput, "WWWWWWWWWWWWWWWWWWWW"); },
             [&](HWND d) { fieldDrawn = hasDarkPixel(GetDlgItem(d, kInput)); },
             post(kOkay, BM_CLICK, 0, 0)});
  EXPECT_TRUE(promptDrawn);
  EXPECT_TRUE(buttonDrawn);
  EXPECT_TRUE(fieldBlankBefore);
  EXPECT_EQ(fieldCentre, RGB(255, 255, 255));
  EXPECT_TRUE(fieldDrawn);
}

}  // namespace
