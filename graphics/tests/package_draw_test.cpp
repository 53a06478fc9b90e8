// Drawing through the facade: pixels on the canvas and the console lines
// that corrections and logging write.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "package_test_support.h"

namespace {

class Draw : public ::testing::Test {
 protected:
  void SetUp() override {
    resetPackage();
    display().clear(COLOUR_WHITE);
    clearConsole();
  }
  void TearDown() override { resetPackage(); }
  static Display& display() { return sharedDisplay(); }
};

const COLORREF White = RGB(255, 255, 255);
const COLORREF Black = RGB(0, 0, 0);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);

// Every logical pixel of the box (x1..x2, y2..y1) that lies on the canvas
// has the colour; returns how many pixels were checked.
int expectBoxColour(int x1, int y1, int x2, int y2, COLORREF colour) {
  int checked = 0;
  for (int y = y2; y <= y1; ++y) {
    for (int x = x1; x <= x2; ++x) {
      if (!onCanvas(x, y)) continue;
      ++checked;
      if (canvasPixel(x, y) != colour) {
        ADD_FAILURE() << "pixel (" << x << "," << y << ") is " << std::hex << canvasPixel(x, y)
                      << ", expected " << colour;
        return checked;
      }
    }
  }
  return checked;
}

TEST_F(Draw, ClearFillsTheWholeLogicalArea) {
  display().clear(COLOUR_GREEN);
  const COLORREF green = RGB(0, 255, 0);
  EXPECT_GT(expectBoxColour(-300, 250, 300, -250, green), 200000);
  // The corners that lie on the canvas and the rows just outside.
  for (int x : {-300, 0, 300}) {
    for (int y : {-250, 0, 250}) {
      if (onCanvas(x, y)) {
        EXPECT_EQ(green, canvasPixel(x, y)) << x << "," << y;
      }
    }
  }
  for (int y : {-251, 251}) {
    if (onCanvas(0, y)) {
      EXPECT_NE(green, canvasPixel(0, y)) << y;
    }
  }
  EXPECT_EQ(600, display().width);
  EXPECT_EQ(500, display().height);
}

TEST_F(Draw, EraseLeavesWhiteWithABlackFrame) {
  display().clear(COLOUR_BLUE);
  canvasDirty = false;
  EXPECT_EQ(1, ZT738_erase());
  EXPECT_TRUE(canvasDirty);
  EXPECT_EQ(Black, GetPixel(canvas, 0, 0));
  EXPECT_EQ(Black, GetPixel(canvas, 600, 539));
  EXPECT_EQ(Black, GetPixel(canvas, 300, 0));
  EXPECT_EQ(Black, GetPixel(canvas, 0, 300));
  EXPECT_EQ(White, GetPixel(canvas, 1, 1));
  EXPECT_EQ(White, GetPixel(canvas, 599, 538));
  EXPECT_EQ(White, GetPixel(canvas, 300, 270));
}

TEST_F(Draw, RefreshCopiesOnlyAChangedCanvas) {
  display().drawCircle(0, 0, 2, COLOUR_RED);
  EXPECT_TRUE(canvasDirty);
  EXPECT_EQ(1, ZT738_refresh());
  EXPECT_FALSE(canvasDirty);
  EXPECT_EQ(1, ZT738_refresh());
  EXPECT_FALSE(canvasDirty);
  EXPECT_TRUE(consoleLines().empty());

  ZT738_set_logging(1);
  ZT738_refresh();
  ZT738_erase();
  EXPECT_EQ((std::vector<std::string>{"Flushing the graphics window\n",
                                      "Clearing the graphics window\n"}),
            consoleLines());
}

TEST_F(Draw, ACircleOfRadiusRSpansTwoRPlusOnePixels) {
  EXPECT_EQ(1, display().drawCircle(10, 20, 5, COLOUR_BLUE));
  for (int x = 5; x <= 15; ++x) EXPECT_EQ(Blue, canvasPixel(x, 20)) << "x " << x;
  for (int y = 15; y <= 25; ++y) EXPECT_EQ(Blue, canvasPixel(10, y)) << "y " << y;
  EXPECT_EQ(White, canvasPixel(4, 20));
  EXPECT_EQ(White, canvasPixel(16, 20));
  EXPECT_EQ(White, canvasPixel(10, 14));
  EXPECT_EQ(White, canvasPixel(10, 26));
  EXPECT_EQ(White, canvasPixel(5, 15));  // a corner of the box is outside the disc
  EXPECT_TRUE(consoleLines().empty());
}

TEST_F(Draw, ANegativeRadiusIsReportedAndNegated) {
  EXPECT_EQ(1, ZT738_fill_circle(COLOUR_BLUE, 10, 20, -5));
  EXPECT_EQ((std::vector<std::string>{"Radius of -5 not possible, using radius 5\n"}),
            consoleLines());
  EXPECT_EQ(Blue, canvasPixel(5, 20));
  EXPECT_EQ(Blue, canvasPixel(15, 20));
  EXPECT_EQ(Blue, canvasPixel(10, 25));
  EXPECT_EQ(White, canvasPixel(16, 20));
}

TEST_F(Draw, AFilledRectangleCoversItsBoxWhicheverCornersAreGiven) {
  EXPECT_EQ(1, display().drawRectangle(10, -10, -10, 10, COLOUR_RED, 0));
  EXPECT_EQ(441, expectBoxColour(-10, 10, 10, -10, Red));
  EXPECT_EQ(White, canvasPixel(-11, 0));
  EXPECT_EQ(White, canvasPixel(11, 0));
  EXPECT_EQ(White, canvasPixel(0, 11));
  EXPECT_EQ(White, canvasPixel(0, -11));

  display().clear(COLOUR_WHITE);
  display().drawRectangle(-10, 10, 10, -10, COLOUR_RED, 0);
  EXPECT_EQ(441, expectBoxColour(-10, 10, 10, -10, Red));
  EXPECT_EQ(White, canvasPixel(11, -11));
}

TEST_F(Draw, AnOutlinedRectangleLeavesItsInterior) {
  display().drawRectangle(-20, 20, 20, -20, COLOUR_BLACK, 1);
  EXPECT_EQ(41, expectBoxColour(-20, 20, 20, 20, Black));
  EXPECT_EQ(41, expectBoxColour(-20, -20, 20, -20, Black));
  EXPECT_EQ(41, expectBoxColour(-20, 20, -20, -20, Black));
  EXPECT_EQ(41, expectBoxColour(20, 20, 20, -20, Black));
  EXPECT_EQ(39 * 39, expectBoxColour(-19, 19, 19, -19, White));
  EXPECT_EQ(White, canvasPixel(-21, 0));
  EXPECT_EQ(White, canvasPixel(21, 0));
}

TEST_F(Draw, AWidePenIsCentredOnTheOutline) {
  display().drawRectangle(-20, 20, 20, -20, COLOUR_RED, 3);
  // Three pixels wide around the left edge at x = -20.
  EXPECT_EQ(Red, canvasPixel(-21, 0));
  EXPECT_EQ(Red, canvasPixel(-20, 0));
  EXPECT_EQ(Red, canvasPixel(-19, 0));
  EXPECT_EQ(White, canvasPixel(-23, 0));
  EXPECT_EQ(White, canvasPixel(-16, 0));
  EXPECT_EQ(White, canvasPixel(0, 0));
}

TEST_F(Draw, OvalsFillOrOutlineTheInscribedEllipse) {
  display().drawOval(-30, 10, 30, -10, COLOUR_BLUE, 1);
  EXPECT_EQ(Blue, canvasPixel(-30, 0));
  EXPECT_EQ(Blue, canvasPixel(30, 0));
  EXPECT_EQ(Blue, canvasPixel(0, 10));
  EXPECT_EQ(Blue, canvasPixel(0, -10));
  EXPECT_EQ(White, canvasPixel(0, 0));
  EXPECT_EQ(White, canvasPixel(-30, 10));  // a corner of the box
  EXPECT_EQ(White, canvasPixel(31, 0));

  display().drawOval(-30, 10, 30, -10, COLOUR_BLUE, 0);
  EXPECT_EQ(Blue, canvasPixel(0, 0));
  EXPECT_EQ(Blue, canvasPixel(-25, 0));
  EXPECT_EQ(White, canvasPixel(-30, 10));
}

TEST_F(Draw, IllegalColoursAreReportedAndDrawnRed) {
  display().drawRectangle(0, 0, 4, 4, 24, 0);
  display().drawRectangle(10, 0, 14, 4, -1, 0);
  display().drawRectangle(20, 0, 24, 4, COLOUR_GRAY_20, 0);
  EXPECT_EQ((std::vector<std::string>{"Illegal color 24; using RED.\n",
                                      "Illegal color -1; using RED.\n"}),
            consoleLines());
  EXPECT_EQ(Red, canvasPixel(2, 2));
  EXPECT_EQ(Red, canvasPixel(12, 2));
  EXPECT_EQ(RGB(204, 204, 204), canvasPixel(22, 2));
  EXPECT_EQ(COLOUR_RED, ZT738_check_colour(1000));
  EXPECT_EQ(COLOUR_GRAY_20, ZT738_check_colour(23));
  EXPECT_EQ(COLOUR_BLACK, ZT738_check_colour(0));
}

TEST_F(Draw, CorrectionsComeInEachPrimitivesOwnOrder) {
  ZT738_draw_rectangle(30, 0, 0, 5, 5, -2);
  ZT738_draw_oval(31, 0, 0, 5, 5, -4);
  ZT738_draw_text(-9, 0, 0, -200, "t");
  EXPECT_EQ((std::vector<std::string>{
                "Illegal color 30; using RED.\n",
                "Width of -2 not possible, using width 2\n",
                "Width of -4 not possible, using width 4\n",
                "Illegal color 31; using RED.\n",
                "ptsize of -200 not possible, using ptsize 200\n",
                "ptsize of 200 not possible, using ptsize 127\n",
                "Illegal color -9; using RED.\n",
            }),
            consoleLines());
}

TEST_F(Draw, PointSizesUpToTheLimitAreAccepted) {
  ZT738_draw_text(COLOUR_BLACK, 0, 0, 0, "a");
  ZT738_draw_text(COLOUR_BLACK, 0, 0, 127, "b");
  EXPECT_TRUE(consoleLines().empty());
  ZT738_draw_text(COLOUR_BLACK, 0, 0, 128, "c");
  EXPECT_EQ((std::vector<std::string>{"ptsize of 128 not possible, using ptsize 127\n"}),
            consoleLines());
}

TEST_F(Draw, LoggingDescribesEveryRequest) {
  ZT738_set_logging(1);
  display().drawCircle(1, 2, 3, COLOUR_ORANGE);
  display().drawRectangle(10, -10, -10, 10, COLOUR_BLUE, 3);
  display().drawRectangle(10, -10, -10, 10, COLOUR_GRAY_50, 0);
  display().drawOval(-1, -2, 3, 4, COLOUR_NAVY_BLUE, 2);
  display().drawOval(-1, -2, 3, 4, COLOUR_FOREST_GREEN, 0);
  display().drawText(5, 6, "50%", COLOUR_BLACK, 12);
  ZT738_draw_textf(COLOUR_PINK, 7, 8, 12, "%d%%", 50);
  EXPECT_EQ((std::vector<std::string>{
                "orange circle at (1,2), radius 3\n",
                "blue rectangle with bounding box (-10,10) to (10,-10) with line width 3\n",
                "50% gray rectangle with bounding box (-10,10) to (10,-10), filled\n",
                "navy blue oval with bounding box (-1,4) to (3,-2), line width 2\n",
                "forest green oval with bounding box (-1,4) to (3,-2), filled\n",
                "black text at (5,6), \"50%\"\n",
                "pink text at (7,8), \"50%\"\n",
            }),
            consoleLines());
}

TEST_F(Draw, ClearIsLoggedAsRefreshEraseAndAFilledRectangle) {
  ZT738_set_logging(1);
  display().clear(COLOUR_WHITE);
  EXPECT_EQ((std::vector<std::string>{
                "Flushing the graphics window\n",
                "Clearing the graphics window\n",
                "white rectangle with bounding box (-300,250) to (300,-250), filled\n",
            }),
            consoleLines());
}

TEST_F(Draw, CorrectionsAreWrittenWithLoggingOffAndBeforeTheDescription) {
  ZT738_set_logging(1);
  ZT738_fill_circle(99, 0, 0, -1);
  EXPECT_EQ((std::vector<std::string>{
                "Illegal color 99; using RED.\n",
                "Radius of -1 not possible, using radius 1\n",
                "red circle at (0,0), radius 1\n",
            }),
            consoleLines());
}

// The bounds of the non-background pixels in a canvas area.
struct Bounds {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool empty() const { return right < 0; }
};
Bounds inkBounds(int left, int top, int right, int bottom, COLORREF background) {
  Bounds b;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (GetPixel(canvas, x, y) == background) continue;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

TEST_F(Draw, TextSitsAboveAndRightOfItsAnchor) {
  display().drawText(0, 0, "HH", COLOUR_BLACK, 30);
  const Bounds ink = inkBounds(centreX - 40, centreY - 60, centreX + 80, centreY + 40, White);
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, centreX);
  EXPECT_LT(ink.bottom, centreY);       // entirely above the anchor's row
  EXPECT_GE(ink.bottom, centreY - 15);  // and close above it
  EXPECT_LT(ink.left, centreX + 10);
}

TEST_F(Draw, FurtherLinesGoOnePitchLower) {
  display().drawText(0, 0, "H\nH", COLOUR_BLACK, 30);
  const Bounds above = inkBounds(centreX - 40, centreY - 80, centreX + 80, centreY, White);
  const Bounds below = inkBounds(centreX - 40, centreY, centreX + 80, centreY + 80, White);
  ASSERT_FALSE(above.empty());
  ASSERT_FALSE(below.empty());
  EXPECT_EQ(above.left, below.left);
  EXPECT_EQ(above.bottom - above.top, below.bottom - below.top);
  EXPECT_GT(below.top, centreY - 1);
  SIZE extent = {};
  HFONT font = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ZT738-font");
  HGDIOBJ old = SelectObject(canvas, font);
  GetTextExtentPointA(canvas, "H\nH", 3, &extent);
  SelectObject(canvas, old);
  DeleteObject(font);
  EXPECT_EQ(extent.cy, below.top - above.top);
}

TEST_F(Draw, TextIsDrawnTransparentlyInItsColour) {
  display().drawRectangle(-5, 60, 100, -5, COLOUR_YELLOW, 0);
  display().drawText(0, 0, "M", COLOUR_BLUE, 40);
  int blue = 0;
  int white = 0;
  for (int y = centreY - 60; y < centreY + 5; ++y) {
    for (int x = centreX - 5; x < centreX + 100; ++x) {
      blue += GetPixel(canvas, x, y) == Blue;
      white += GetPixel(canvas, x, y) == White;
    }
  }
  EXPECT_GT(blue, 20);  // the glyph's stems
  EXPECT_EQ(0, white);  // no cell background was painted on the yellow
}

TEST_F(Draw, APercentSignInFacadeTextIsDrawnLiterally) {
  ZT738_set_logging(1);
  EXPECT_EQ(6, display().drawText(0, 0, "%s%d%n", COLOUR_BLACK, 10));  // characters formatted
  EXPECT_EQ((std::vector<std::string>{"black text at (0,0), \"%s%d%n\"\n"}), consoleLines());
}

TEST_F(Draw, LongTextIsTruncatedToTheFormattingBuffer) {
  const std::string longText(3000, 'x');
  EXPECT_EQ(1023, ZT738_draw_textf(COLOUR_BLACK, 0, 0, 10, "%s", longText.c_str()));
  ZT738_set_logging(1);
  display().drawText(0, 0, longText.c_str(), COLOUR_BLACK, 10);
  const std::vector<std::string> lines = consoleLines();
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ(1023u, lines[0].size());
  EXPECT_EQ(0u, lines[0].rfind("black text at (0,0), \"xxx", 0));
}

TEST_F(Draw, ExtremeArgumentsAreCorrectedWithoutOverflow) {
  ZT738_draw_rectangle(COLOUR_RED, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 0);
  EXPECT_EQ(Red, canvasPixel(0, 0));
  ZT738_draw_text(COLOUR_RED, INT_MAX, INT_MIN, INT_MIN, "z");
  EXPECT_EQ((std::vector<std::string>{
                "ptsize of -2147483648 not possible, using ptsize 2147483647\n",
                "ptsize of 2147483647 not possible, using ptsize 127\n",
            }),
            consoleLines());
}

}  // namespace
