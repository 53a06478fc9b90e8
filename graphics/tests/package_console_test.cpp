// The text console: its history ring, what it draws, and the text window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "package_test_support.h"

namespace {

const COLORREF White = RGB(255, 255, 255);

class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    resetPackage();
    ShowWindow(textWindow, SW_SHOW);
    clearConsole();
    HDC dc = GetDC(textWindow);
    HGDIOBJ old = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(textWindow, dc);
    lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    charWidth = metrics.tmAveCharWidth;
    GetClientRect(textWindow, &client);
  }
  void TearDown() override { resetPackage(); }

  // Repaints the whole text window now.
  void repaint() {
    InvalidateRect(textWindow, nullptr, TRUE);
    UpdateWindow(textWindow);
  }

  // Strip k from the bottom of the client area (0: the newest line).
  int stripTop(int k) const { return client.bottom - (k + 1) * lineHeight; }

  // The rightmost column with a non-white pixel in strip k, or -1.
  int inkRight(int k) const {
    HDC dc = GetDC(textWindow);
    int right = -1;
    for (int y = stripTop(k); y < stripTop(k) + lineHeight; ++y) {
      for (int x = client.left; x < client.left + 400 && x < client.right; ++x) {
        if (GetPixel(dc, x, y) != White) right = std::max(right, x);
      }
    }
    ReleaseDC(textWindow, dc);
    return right;
  }

  // The pixels of strip k, left part.
  std::vector<COLORREF> strip(int k) const {
    HDC dc = GetDC(textWindow);
    std::vector<COLORREF> pixels;
    for (int y = stripTop(k); y < stripTop(k) + lineHeight; ++y) {
      for (int x = client.left; x < client.left + 200; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(textWindow, dc);
    return pixels;
  }

  int visibleStrips() const { return (client.bottom - client.top) / lineHeight; }

  int lineHeight = 0;
  int charWidth = 0;
  RECT client = {};
};

TEST_F(Console, TheRingKeepsTheLastTwentyFiveLines) {
  EXPECT_EQ(6, ZT738_console_printf("line %d", 1));
  EXPECT_EQ(0, consoleFirst);
  EXPECT_EQ(1, consoleNext);
  for (int i = 2; i <= 25; ++i) ZT738_console_printf("line %d\n", i);
  EXPECT_EQ(0, consoleFirst);
  EXPECT_EQ(0, consoleNext);
  ZT738_console_printf("line %d\n", 26);
  EXPECT_EQ(1, consoleFirst);
  EXPECT_EQ(1, consoleNext);
  EXPECT_EQ("line 26\n", consoleHistory[0]);
  const std::vector<std::string> lines = consoleLines();
  ASSERT_EQ(25u, lines.size());
  EXPECT_EQ("line 2\n", lines.front());
  EXPECT_EQ("line 26\n", lines.back());
}

TEST_F(Console, LinesAreStoredExactlyAsFormatted) {
  EXPECT_EQ(9, ZT738_console_printf("one\ntwo\n%s", "x"));
  EXPECT_EQ(0, ZT738_console_printf("%s", ""));
  EXPECT_EQ((std::vector<std::string>{"one\ntwo\nx", ""}), consoleLines());
}

TEST_F(Console, LongOutputIsTruncatedToTheFormattingBuffer) {
  const std::string longText(5000, 'y');
  EXPECT_EQ(1023, ZT738_console_printf("%s", longText.c_str()));
  EXPECT_EQ(std::string(1023, 'y'), consoleLines().at(0));
  EXPECT_EQ(1023, ZT738_console_printf("<%s>\n", longText.c_str()));
  EXPECT_EQ("<" + std::string(1022, 'y'), consoleLines().at(1));
}

TEST_F(Console, EachLineScrollsTheWindowUpByOneLine) {
  ASSERT_GT(lineHeight, 0);
  ZT738_console_printf("%s", "####");
  const int right = inkRight(0);
  EXPECT_GE(right, client.left + 5 + 3 * charWidth);
  EXPECT_LT(right, client.left + 5 + 4 * charWidth);
  ZT738_console_printf("%s", "");
  EXPECT_EQ(-1, inkRight(0));  // the empty line leaves its strip blank
  EXPECT_EQ(right, inkRight(1));
}

TEST_F(Console, ATrailingNewlineIsNotDrawn) {
  ZT738_console_printf("abc\n");
  ZT738_console_printf("abc");
  EXPECT_NE(-1, inkRight(0));
  EXPECT_EQ(strip(1), strip(0));
  EXPECT_EQ("abc\n", consoleLines().at(0));  // the stored copy keeps it
}

TEST_F(Console, ARepaintReplaysTheStoredLinesOldestFirst) {
  const std::string hashes(26, '#');
  for (int n = 1; n <= 26; ++n) ZT738_console_printf("%.*s\n", n, hashes.c_str());
  repaint();
  const int strips = std::min(visibleStrips(), CONSOLE_SLOTS);
  ASSERT_GT(strips, 3);
  for (int k = 0; k < strips; ++k) {
    const int n = 26 - k;  // line n holds n characters
    const int right = inkRight(k);
    EXPECT_GE(right, client.left + 5 + (n - 1) * charWidth) << "strip " << k;
    EXPECT_LT(right, client.left + 5 + n * charWidth) << "strip " << k;
  }
  // The stored copies keep their newlines after the replay.
  EXPECT_EQ(std::string(26, '#') + "\n", consoleLines().back());
}

TEST_F(Console, ARepaintWithNothingWrittenLeavesTheBackground) {
  repaint();
  for (int k = 0; k < 3; ++k) EXPECT_EQ(-1, inkRight(k)) << "strip " << k;
}

TEST_F(Console, KeysInTheTextWindowReachTheGraphicsWindow) {
  SendMessageA(textWindow, WM_KEYDOWN, VK_CONTROL, 1);
  drainMessages();
  EXPECT_TRUE(ctrlDown);
  SendMessageA(textWindow, WM_KEYUP, VK_CONTROL, 1);
  drainMessages();
  EXPECT_FALSE(ctrlDown);

  sendCtrlLetter(textWindow, 'A');
  drainMessages();
  EXPECT_TRUE(animating);
  EXPECT_FALSE(ctrlDown);
}

}  // namespace
