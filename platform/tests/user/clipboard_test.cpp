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

HWND makeWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = plainProc;
  wc.lpszClassName = "clipboard-test";
  RegisterClassA(&wc);  // fails harmlessly after the first time
  return CreateWindowExA(0, "clipboard-test", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                         nullptr);
}

HGLOBAL block(const char* bytes, size_t size) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(h), bytes, size);
  GlobalUnlock(h);
  return h;
}

// The clipboard's text as another window reads it.
std::string readAs(HWND reader) {
  if (!OpenClipboard(reader)) return "<not opened>";
  std::string s = "<none>";
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    const char* data = static_cast<const char*>(GlobalLock(h));
    s.assign(data, strnlen(data, GlobalSize(h)));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return s;
}

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE((a = makeWindow()) && (b = makeWindow())); }
  void TearDown() override {
    while (GetOpenClipboardWindow()) CloseClipboard();
    DestroyWindow(a);
    DestroyWindow(b);
  }
  HWND a = nullptr, b = nullptr;
};

TEST_F(Clipboard, EveryCallButOpenFailsWhileClosed) {
  HGLOBAL h = block("t", 2);
  const bool succeeded[] = {SetClipboardData(CF_TEXT, h) != nullptr,
                            GetClipboardData(CF_TEXT) != nullptr, EmptyClipboard() != FALSE,
                            CloseClipboard() != FALSE};
  for (bool s : succeeded) EXPECT_FALSE(s);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
  GlobalFree(h);  // refused, so still the caller's
}

TEST_F(Clipboard, OneWindowHasItOpenAtATime) {
  ASSERT_TRUE(OpenClipboard(a));
  EXPECT_TRUE(OpenClipboard(a));  // the opener again: no change
  EXPECT_FALSE(OpenClipboard(b));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(GetOpenClipboardWindow(), a);
  EXPECT_TRUE(CloseClipboard());
  EXPECT_FALSE(CloseClipboard());
  EXPECT_TRUE(OpenClipboard(b));
}

TEST_F(Clipboard, TextRoundTripsAndTheEmptierOwnsIt) {
  ASSERT_TRUE(OpenClipboard(a));
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), a);
  HGLOBAL h = block("one\r\ntwo", 9);
  EXPECT_EQ(SetClipboardData(CF_TEXT, h), h);
  EXPECT_EQ(GetClipboardData(CF_TEXT), h);  // the same block while open
  EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
  ASSERT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_EQ(readAs(b), "one\r\ntwo");
  EXPECT_EQ(GetClipboardOwner(), a);  // reading does not take it

  ASSERT_TRUE(OpenClipboard(b));
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  ASSERT_NE(SetClipboardData(CF_TEXT, block("abc", 3)), nullptr);
  ASSERT_TRUE(CloseClipboard());
  EXPECT_EQ(GetClipboardOwner(), b);
  EXPECT_EQ(readAs(a), "ab");  // the block's last byte is taken as its terminator
}

TEST_F(Clipboard, TheTextOutlivesItsOwnerAndTheOpenersEndClosesIt) {
  ASSERT_TRUE(OpenClipboard(a));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block("kept", 5));
  CloseClipboard();
  DestroyWindow(a);
  a = nullptr;
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  EXPECT_EQ(readAs(b), "kept");
  ASSERT_TRUE(OpenClipboard(b));
  DestroyWindow(b);
  b = nullptr;
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
  EXPECT_TRUE(OpenClipboard(nullptr));  // free again
}

}  // namespace
