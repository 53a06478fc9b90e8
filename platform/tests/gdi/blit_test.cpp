// BitBlt and ScrollDC: which pixel ends up where, compared with Win32.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "canvas.h"

using namespace gdi_test;

namespace {

// Every pixel names its own position: red = x, green = y.
void paintPositions(Canvas& canvas) {
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) SetPixel(canvas.dc(), x, y, RGB(x, y, 7));
}

// Where each pixel came from: ".." where it kept its own, else "xy".
std::string origins(const Canvas& canvas) {
  std::string text;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const COLORREF c = canvas.at(x, y);
      const int fromX = GetRValue(c), fromY = GetGValue(c);
      text += x ? " " : "";
      text += fromX == x && fromY == y ? ".." : std::to_string(fromX) + std::to_string(fromY);
    }
    text += '\n';
  }
  return text;
}

std::string lines(std::initializer_list<const char*> rows) {
  std::string text;
  for (const char* row : rows) text += std::string(row) + '\n';
  return text;
}

TEST(BitBlt, CopiesBetweenDcsClippedToBothSurfaces) {
  Canvas source(6, 4), dest(5, 5);
  paintPositions(source);
  dest.clear(RGB(255, 255, 255));
  // Starts left of and above the destination; runs past the source's right edge.
  EXPECT_TRUE(BitBlt(dest.dc(), -1, -1, 10, 10, source.dc(), 2, 1, SRCCOPY));
  EXPECT_EQ(RGB(3, 2, 7), dest.at(0, 0));
  EXPECT_EQ(RGB(5, 2, 7), dest.at(2, 0));
  EXPECT_EQ(RGB(5, 3, 7), dest.at(2, 1));
  // Beyond the source the destination keeps its pixels.
  EXPECT_EQ(RGB(255, 255, 255), dest.at(3, 0));
  EXPECT_EQ(RGB(255, 255, 255), dest.at(0, 2));
  EXPECT_EQ(RGB(255, 255, 255), dest.at(4, 4));
}

TEST(BitBlt, OverlappingCopyOnOneSurfaceReadsBeforeItWrites) {
  struct Shift {
    int dx, dy;
  };
  for (Shift s : {Shift{2, 1}, Shift{-2, -1}, Shift{1, -2}, Shift{-1, 2}}) {
    Canvas canvas(8, 8);
    paintPositions(canvas);
    EXPECT_TRUE(BitBlt(canvas.dc(), 2 + s.dx, 2 + s.dy, 4, 4, canvas.dc(), 2, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(RGB(2 + x, 2 + y, 7), canvas.at(2 + s.dx + x, 2 + s.dy + y))
            << s.dx << "," << s.dy << " at " << x << "," << y;
  }
}

TEST(BitBlt, RefusesBadDcs) {
  Canvas canvas(4, 4);
  EXPECT_FALSE(BitBlt(nullptr, 0, 0, 4, 4, canvas.dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(canvas.dc(), 0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
}

struct ScrollCase {
  int dx, dy;
  const RECT* scroll;
  const RECT* clip;
  RECT update;  // checked only when a scroll or clip rectangle is given
  std::initializer_list<const char*> expected;
};

const RECT kScroll{2, 1, 8, 6};
const RECT kClip{2, 1, 8, 6};
const RECT kNarrowClip{3, 0, 7, 5};
const RECT kWholeClip{0, 0, 12, 8};
const RECT kWideScroll{1, 1, 11, 7};
const RECT kInnerClip{2, 2, 10, 6};

// clang-format off
const ScrollCase kScrolls[] = {
    {0, -3, nullptr, nullptr, {}, {
     "03 13 23 33 43 53 63 73 83 93 103 113",
     "04 14 24 34 44 54 64 74 84 94 104 114",
     "05 15 25 35 45 55 65 75 85 95 105 115",
     "06 16 26 36 46 56 66 76 86 96 106 116",
     "07 17 27 37 47 57 67 77 87 97 107 117",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    {2, 0, nullptr, nullptr, {}, {
     ".. .. 00 10 20 30 40 50 60 70 80 90",
     ".. .. 01 11 21 31 41 51 61 71 81 91",
     ".. .. 02 12 22 32 42 52 62 72 82 92",
     ".. .. 03 13 23 33 43 53 63 73 83 93",
     ".. .. 04 14 24 34 44 54 64 74 84 94",
     ".. .. 05 15 25 35 45 55 65 75 85 95",
     ".. .. 06 16 26 36 46 56 66 76 86 96",
     ".. .. 07 17 27 37 47 57 67 77 87 97"}},
    {-2, -1, nullptr, nullptr, {}, {
     "21 31 41 51 61 71 81 91 101 111 .. ..",
     "22 32 42 52 62 72 82 92 102 112 .. ..",
     "23 33 43 53 63 73 83 93 103 113 .. ..",
     "24 34 44 54 64 74 84 94 104 114 .. ..",
     "25 35 45 55 65 75 85 95 105 115 .. ..",
     "26 36 46 56 66 76 86 96 106 116 .. ..",
     "27 37 47 57 67 77 87 97 107 117 .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    // A scroll rectangle alone: pixels may land outside it.
    {0, -2, &kScroll, nullptr, {2, 4, 8, 6}, {
     ".. .. 22 32 42 52 62 72 .. .. .. ..",
     ".. .. 23 33 43 53 63 73 .. .. .. ..",
     ".. .. 24 34 44 54 64 74 .. .. .. ..",
     ".. .. 25 35 45 55 65 75 .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    // A clip rectangle alone: pixels move only within it.
    {0, -2, nullptr, &kClip, {2, 4, 8, 6}, {
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. 23 33 43 53 63 73 .. .. .. ..",
     ".. .. 24 34 44 54 64 74 .. .. .. ..",
     ".. .. 25 35 45 55 65 75 .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    {0, -2, &kScroll, &kNarrowClip, {3, 3, 7, 5}, {
     ".. .. .. 32 42 52 62 .. .. .. .. ..",
     ".. .. .. 33 43 53 63 .. .. .. .. ..",
     ".. .. .. 34 44 54 64 .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    {1, 1, &kScroll, &kWholeClip, {2, 1, 8, 6}, {
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. 21 31 41 51 61 71 .. .. ..",
     ".. .. .. 22 32 42 52 62 72 .. .. ..",
     ".. .. .. 23 33 43 53 63 73 .. .. ..",
     ".. .. .. 24 34 44 54 64 74 .. .. ..",
     ".. .. .. 25 35 45 55 65 75 .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    {-3, 2, &kWideScroll, &kInnerClip, {2, 2, 10, 6}, {
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. 52 62 72 82 92 .. .. .. .. ..",
     ".. .. 53 63 73 83 93 .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
    // Scrolled right out of sight: nothing moves.
    {0, -20, nullptr, nullptr, {}, {
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. ..",
     ".. .. .. .. .. .. .. .. .. .. .. .."}},
};
// clang-format on

std::string text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(ScrollDC, MovesPixelsAsWin32Does) {
  for (const ScrollCase& c : kScrolls) {
    Canvas canvas(12, 8);
    paintPositions(canvas);
    RECT update{-9, -9, -9, -9};
    EXPECT_TRUE(ScrollDC(canvas.dc(), c.dx, c.dy, c.scroll, c.clip, nullptr, &update));
    const std::string name = std::to_string(c.dx) + "," + std::to_string(c.dy);
    EXPECT_EQ(lines(c.expected), origins(canvas)) << name;
    if (c.scroll || c.clip) {
      EXPECT_EQ(text(c.update), text(update)) << name;
    }
  }
}

TEST(ScrollDC, OutputsMayBeOmitted) {
  Canvas canvas(6, 6);
  paintPositions(canvas);
  EXPECT_TRUE(ScrollDC(canvas.dc(), 0, -1, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(RGB(3, 4, 7), canvas.at(3, 3));
  EXPECT_EQ(RGB(3, 5, 7), canvas.at(3, 5));  // uncovered: keeps its old pixel
  EXPECT_FALSE(ScrollDC(nullptr, 0, -1, nullptr, nullptr, nullptr, nullptr));
}

}  // namespace
