// Geometry, drawing and records of the two shape kinds.
#include <array>
#include <climits>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "recording_display.h"
#include "shapes/circle.h"
#include "shapes/square.h"

namespace {

using Corners = std::array<int, 4>;
Corners corners(const Shape& s) { return {s.x1, s.y1, s.x2, s.y2}; }

// The same box, centre (10, 10), in its four corner orders.
const Corners kOrders[] = {
    {-10, -20, 30, 40}, {30, 40, -10, -20}, {-10, 40, 30, -20}, {30, -20, -10, 40}};

TEST(ShapeGeometry, ContainsAndDistanceAgreeInEveryCornerOrder) {
  for (const Corners& b : kOrders) {
    SCOPED_TRACE(testing::PrintToString(b));
    Square s(b[0], b[1], b[2], b[3], 3);
    Circle c(b[0], b[1], b[2], b[3], 3);
    for (const Shape* shape : {static_cast<const Shape*>(&s), static_cast<const Shape*>(&c)}) {
      EXPECT_TRUE(shape->contains(0, 0));
      EXPECT_TRUE(shape->contains(-9, 39));
      EXPECT_TRUE(shape->contains(29, -19));  // a box corner, outside a circle's ellipse
      // On an edge is not inside, even within the other range.
      EXPECT_FALSE(shape->contains(-10, 0));
      EXPECT_FALSE(shape->contains(30, 0));
      EXPECT_FALSE(shape->contains(0, -20));
      EXPECT_FALSE(shape->contains(0, 40));
      EXPECT_EQ(shape->distanceTo(100, 100), 127);  // sqrt 16200
      EXPECT_EQ(shape->distanceTo(10, 13), 3);
    }
  }
}

TEST(ShapeGeometry, FlatBoxesContainNothing) {
  Square vertical(5, -50, 5, 50, 1);
  Circle horizontal(-50, 7, 50, 7, 1);
  for (int x = -60; x <= 60; ++x) {
    for (int y = -60; y <= 60; ++y) {
      ASSERT_FALSE(vertical.contains(x, y) || horizontal.contains(x, y)) << x << "," << y;
    }
  }
}

TEST(ShapeGeometry, DistanceIsFromTheTruncatedCentre) {
  EXPECT_EQ(Square(-3, 0, 0, 4, 1).distanceTo(0, 0), 2);  // centre (-1, 2), s = 5
  EXPECT_EQ(Circle(0, 4, -3, 0, 1).distanceTo(0, 0), 2);
  EXPECT_EQ(Square(-5, 0, 0, 0, 1).distanceTo(-2, 0), 0);  // a sum of -5 halves to -2
  EXPECT_EQ(Square(0, 0, 10, 10, 1).distanceTo(8, 9), 5);
  EXPECT_EQ(Square(0, 0, 10, 10, 1).distanceTo(7, 7), 2);  // sqrt 8, truncated
}

TEST(ShapeGeometry, MoveCentresTheBoxAndKeepsCornerOrder) {
  Square forward(0, 0, 5, 4, 1);
  forward.moveTo(10, 10);
  EXPECT_EQ(corners(forward), (Corners{8, 8, 12, 12}));
  Circle backward(5, 4, 0, 0, 1);
  backward.moveTo(10, 10);
  EXPECT_EQ(corners(backward), (Corners{12, 12, 8, 8}));
  Square mixed(-4, 6, 4, -6, 7);
  mixed.moveTo(-100, 50);
  EXPECT_EQ(corners(mixed), (Corners{-104, 56, -96, 44}));
  EXPECT_EQ(mixed.colour, 7);
  // Odd extents lose one unit per move; a 1-wide box becomes flat.
  Square odd(0, 0, 5, 1, 1);
  odd.moveTo(0, 0);
  EXPECT_EQ(corners(odd), (Corners{-2, 0, 2, 0}));
  EXPECT_FALSE(odd.contains(0, 0));
  Square flat(7, -5, 7, 5, 1);
  flat.moveTo(20, 30);
  EXPECT_EQ(corners(flat), (Corners{20, 25, 20, 35}));
}

TEST(ShapeGeometry, ResizeMovesTheSecondCornerAndMayFlip) {
  Circle c(0, 0, 10, 10, 1);
  c.resize(-20, -30);
  EXPECT_EQ(corners(c), (Corners{0, 0, -20, -30}));
  EXPECT_TRUE(c.contains(-10, -15));
  EXPECT_FALSE(c.contains(5, 5));
  EXPECT_EQ(c.distanceTo(-10, -15), 0);
  c.moveTo(0, 0);
  EXPECT_EQ(corners(c), (Corners{10, 15, -10, -15}));
}

TEST(ShapeGeometry, HugeCoordinatesSaturateInsteadOfOverflowing) {
  Square wide(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  EXPECT_EQ(wide.distanceTo(0, 0), 0);  // centre (0, 0)
  EXPECT_EQ(wide.distanceTo(INT_MAX, 0), INT_MAX);
  EXPECT_EQ(wide.distanceTo(INT_MIN, INT_MIN), INT_MAX);
  EXPECT_TRUE(wide.contains(INT_MAX - 1, INT_MIN + 1));
  EXPECT_EQ(Square(0, 0, 2, 2, 1).distanceTo(INT_MIN, INT_MIN), INT_MAX);
  // Below saturation the result is exact, even where squares need 64 bits.
  EXPECT_EQ(Square(0, 0, 0, 0, 1).distanceTo(1200000000, 1600000000), 2000000000);
  EXPECT_EQ(Square(0, 0, 0, 0, 1).distanceTo(46341, 0), 46341);
  EXPECT_EQ(Square(0, 0, 0, 0, 1).distanceTo(46341, 46341), 65536);  // 65536.7

  // Corners that would leave the int range stop at its ends.
  wide.moveTo(1000, -1000);
  EXPECT_EQ(corners(wide), (Corners{INT_MIN + 1001, INT_MIN, INT_MAX, INT_MAX - 1000}));
  Circle far(0, 0, 10, 10, 1);
  far.moveTo(INT_MAX, INT_MIN);
  EXPECT_EQ(corners(far), (Corners{INT_MAX - 5, INT_MIN, INT_MAX, INT_MIN + 5}));
}

TEST(ShapeDrawing, OutlinesAndMarkerGoThroughTheDisplay) {
  resetRecording();
  Display display;
  Circle(5, 6, -7, -8, 13).draw(display);
  Square(-7, -8, 5, 6, 99).draw(display);
  Circle(1, 2, 3, 4, 13).drawMarker(display);
  Square(1, 2, 3, 4, 5).drawMarker(display);
  const std::vector<DrawCall> expected = {
      ovalCall(5, 6, -7, -8, 13, 5),
      rectangleCall(-7, -8, 5, 6, 99, 5),  // an illegal colour is passed on unchanged
      rectangleCall(1, 2, 3, 4, COLOUR_BLUE, 5),
      rectangleCall(1, 2, 3, 4, COLOUR_BLUE, 5),
  };
  EXPECT_EQ(recording().calls, expected);
}

TEST(ShapeRecord, TagsNumbersAndTrailingSpace) {
  std::ostringstream out;
  Square(-100, 50, 20, -30, 3).save(out);
  std::unique_ptr<Shape> circle = std::make_unique<Circle>(INT_MIN, INT_MAX, 0, -1, 3);
  circle->setColour(-7);
  circle->save(out);
  EXPECT_EQ(out.str(), "SQUARE -100 50 20 -30 3 \nCIRCLE -2147483648 2147483647 0 -1 -7 \n");
}

}  // namespace
