// The clipboard's rules: one opener at a time, data only while open, the
// emptying window owns it, the data outlives its owner, text keeps its CR LF.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win32.h"

namespace {

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND makeWindow(const char* title) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = plainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "clipboard-test";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "clipboard-test", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HGLOBAL block(const char* bytes, size_t size) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(h), bytes, size);
  GlobalUnlock(h);
  return h;
}
HGLOBAL textBlock(const char* text) { return block(text, std::strlen(text) + 1); }

std::string textOf(HANDLE h) {
  const char* data = h ? static_cast<const char*>(GlobalLock(h)) : nullptr;
  if (!data) return "<none>";
  std::string s(data, strnlen(data, GlobalSize(h)));
  GlobalUnlock(h);
  return s;
}

// The clipboard's text as another window reads it.
std::string readAs(HWND reader) {
  if (!OpenClipboard(reader)) return "<not opened>";
  std::string s = textOf(GetClipboardData(CF_TEXT));
  CloseClipboard();
  return s;
}

void putText(HWND owner, const char* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  ASSERT_TRUE(EmptyClipboard());
  ASSERT_NE(SetClipboardData(CF_TEXT, textBlock(text)), nullptr);
  ASSERT_TRUE(CloseClipboard());
}

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    a = makeWindow("clipboard a");
    b = makeWindow("clipboard b");
    ASSERT_TRUE(a && b);
  }
  void TearDown() override {
    while (GetOpenClipboardWindow()) CloseClipboard();
    DestroyWindow(a);
    DestroyWindow(b);
  }
  HWND a = nullptr, b = nullptr;
};

TEST_F(Clipboard, EveryCallButOpenFailsWhileClosed) {
  HGLOBAL h = textBlock("t");
  struct Case {
    const char* call;
    bool succeeded;
  } cases[] = {{"SetClipboardData", SetClipboardData(CF_TEXT, h) != nullptr},
               {"GetClipboardData", GetClipboardData(CF_TEXT) != nullptr},
               {"EmptyClipboard", EmptyClipboard() != FALSE},
               {"CloseClipboard", CloseClipboard() != FALSE}};
  for (const Case& c : cases) EXPECT_FALSE(c.succeeded) << c.call;
  SetLastError(0);
  EmptyClipboard();
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
  GlobalFree(h);  // refused, so still the caller's
}

TEST_F(Clipboard, OneWindowHasItOpenAtATime) {
  ASSERT_TRUE(OpenClipboard(a));
  EXPECT_TRUE(OpenClipboard(a));  // the opener again: no change
  SetLastError(0);
  EXPECT_FALSE(OpenClipboard(b));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(GetOpenClipboardWindow(), a);
  EXPECT_TRUE(CloseClipboard());
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
  EXPECT_FALSE(CloseClipboard());
  EXPECT_TRUE(OpenClipboard(b));
  EXPECT_EQ(GetOpenClipboardWindow(), b);
}

TEST_F(Clipboard, TextRoundTripsWithItsLineBreaksAndTheEmptierOwnsIt) {
  ASSERT_TRUE(OpenClipboard(a));
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), a);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  HGLOBAL h = textBlock("one\r\ntwo");
  EXPECT_EQ(SetClipboardData(CF_TEXT, h), h);
  EXPECT_EQ(GetClipboardData(CF_TEXT), h);  // the same block while open
  EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
  ASSERT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_EQ(readAs(b), "one\r\ntwo");
  EXPECT_EQ(GetClipboardOwner(), a);  // reading does not take it
}

TEST_F(Clipboard, EmptyingDropsTheTextAndANewTextReplacesIt) {
  putText(a, "first");
  putText(b, "second");
  EXPECT_EQ(GetClipboardOwner(), b);
  EXPECT_EQ(readAs(a), "second");
  ASSERT_TRUE(OpenClipboard(a));
  ASSERT_TRUE(EmptyClipboard());
  ASSERT_TRUE(CloseClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(GetClipboardOwner(), a);
}

TEST_F(Clipboard, TheTextOutlivesItsOwnerAndTheOpenersEndClosesIt) {
  putText(a, "kept");
  DestroyWindow(a);
  a = nullptr;
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(readAs(b), "kept");
  ASSERT_TRUE(OpenClipboard(b));
  DestroyWindow(b);
  b = nullptr;
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
  EXPECT_TRUE(OpenClipboard(nullptr));  // free again
  EXPECT_TRUE(CloseClipboard());
}

TEST_F(Clipboard, ABlockWithoutATerminatorIsReadWithinItsSize) {
  ASSERT_TRUE(OpenClipboard(a));
  ASSERT_TRUE(EmptyClipboard());
  ASSERT_NE(SetClipboardData(CF_TEXT, block("abc", 3)), nullptr);
  ASSERT_TRUE(CloseClipboard());
  EXPECT_EQ(readAs(b), "ab");  // the block's last byte is taken as its terminator
}

}  // namespace
