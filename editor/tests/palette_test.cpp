// The palette's drawing, hit test and rows.
#include <gtest/gtest.h>

#include "app/palette.h"
#include "recording_display.h"

namespace {

TEST(Palette, DrawsOutlinesIconsAndLabelsInOrder) {
  resetRecording();
  Display display;
  drawPalette(display);
  std::vector<DrawCall> expected;
  for (int i = 0; i < 11; ++i) {
    expected.push_back(rectangleCall(-295, 245 - 40 * i, -235, 205 - 40 * i, COLOUR_BLACK, 1));
  }
  expected.push_back(rectangleCall(-285, 215, -265, 235, COLOUR_BLACK, 0));
  expected.push_back({"circle", -275, 185, 10, 0, COLOUR_BLACK, 0, ""});
  expected.push_back(textCall(-290, 135, "move", COLOUR_BLACK, 16));
  expected.push_back(textCall(-290, 95, "resize", COLOUR_BLACK, 16));
  expected.push_back(textCall(-290, 55, "delete", COLOUR_BLACK, 16));
  expected.push_back(textCall(-290, 15, "pick", COLOUR_BLACK, 16));
  expected.push_back(textCall(-290, -25, "Orange", COLOUR_ORANGE, 16));
  expected.push_back(textCall(-290, -65, "Yellow", COLOUR_YELLOW, 16));
  expected.push_back(textCall(-290, -105, "Magenta", COLOUR_MAGENTA, 16));
  expected.push_back(textCall(-290, -145, "save", COLOUR_BLACK, 16));
  expected.push_back(textCall(-290, -185, "load", COLOUR_BLACK, 16));
  EXPECT_EQ(recording().calls, expected);
  EXPECT_EQ(COLOUR_ORANGE, 13);
  EXPECT_EQ(COLOUR_YELLOW, 5);
  EXPECT_EQ(COLOUR_MAGENTA, 6);
}

TEST(Palette, OutlineIsOutsideAndInsideIsStrict) {
  EXPECT_EQ(isOutsidePalette(-295, 100), 1);
  EXPECT_EQ(isOutsidePalette(-235, 100), 1);
  EXPECT_EQ(isOutsidePalette(-260, 245), 1);
  EXPECT_EQ(isOutsidePalette(-260, -195), 1);
  EXPECT_EQ(isOutsidePalette(-294, 244), 0);
  EXPECT_EQ(isOutsidePalette(-236, -194), 0);
  EXPECT_EQ(isOutsidePalette(-260, 0), 0);
  EXPECT_EQ(isOutsidePalette(0, 0), 1);
  EXPECT_EQ(isOutsidePalette(-260, 300), 1);
  EXPECT_EQ(isOutsidePalette(-400, 0), 1);
}

TEST(Palette, LinesBetweenButtonsBelongToTheLowerRow) {
  EXPECT_EQ(paletteRow(244), 0);
  EXPECT_EQ(paletteRow(206), 0);
  EXPECT_EQ(paletteRow(205), 1);
  EXPECT_EQ(paletteRow(166), 1);
  EXPECT_EQ(paletteRow(165), 2);
  EXPECT_EQ(paletteRow(6), 5);
  EXPECT_EQ(paletteRow(5), 6);
  EXPECT_EQ(paletteRow(-155), 10);
  EXPECT_EQ(paletteRow(-194), 10);
  for (int y = -194; y < 245; ++y) {
    const int row = paletteRow(y);
    ASSERT_GE(y, 206 - 40 * row) << y;
    ASSERT_LE(y, 245 - 40 * row) << y;
  }
}

}  // namespace
