// Rectangle arithmetic at its edges: empty inputs, touching edges, the
// limits of LONG, and the bands that subtraction can take away.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "rects.h"
#include "saturate.h"

using namespace zt::platform;

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

struct PairCase {
  RECT a;
  RECT b;
  RECT expected;
};

TEST(Rects, EmptinessNeedsWidthAndHeight) {
  EXPECT_TRUE(isEmpty(RECT{}));
  EXPECT_TRUE(isEmpty(RECT{5, 5, 5, 9}));
  EXPECT_TRUE(isEmpty(RECT{5, 5, 9, 5}));
  EXPECT_TRUE(isEmpty(RECT{9, 5, 5, 9}));  // inverted
  EXPECT_FALSE(isEmpty(RECT{5, 5, 6, 6}));
  EXPECT_FALSE(isEmpty(RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

TEST(Rects, Intersection) {
  const PairCase cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}},     // contained
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 0, 0}},  // touching edges share nothing
      {{0, 0, 10, 10}, {20, 20, 30, 30}, {0, 0, 0, 0}},
      {{0, 0, 10, 10}, {5, 5, 5, 5}, {0, 0, 0, 0}},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {-1, -2, 3, 4}, {-1, -2, 3, 4}},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(intersection(c.a, c.b), c.expected) << c.a << " & " << c.b;
    EXPECT_EQ(intersection(c.b, c.a), c.expected) << c.b << " & " << c.a;
  }
}

TEST(Rects, BoundingUnionIgnoresEmptyRectangles) {
  const PairCase cases[] = {
      {{0, 0, 10, 10}, {20, 5, 30, 8}, {0, 0, 30, 10}},
      {{0, 0, 10, 10}, {50, 50, 50, 60}, {0, 0, 10, 10}},  // empty b adds nothing
      {{7, 7, 7, 7}, {1, 2, 3, 4}, {1, 2, 3, 4}},
      {{7, 7, 7, 7}, {9, 9, 3, 3}, {0, 0, 0, 0}},  // both empty
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(boundingUnion(c.a, c.b), c.expected) << c.a << " | " << c.b;
    EXPECT_EQ(boundingUnion(c.b, c.a), c.expected) << c.b << " | " << c.a;
  }
}

TEST(Rects, OffsetStopsAtTheLimits) {
  EXPECT_EQ(offsetRect(RECT{1, 2, 3, 4}, 10, -10), (RECT{11, -8, 13, -6}));
  EXPECT_EQ(offsetRect(RECT{0, 0, INT_MAX - 1, 5}, 5, 0), (RECT{5, 0, INT_MAX, 5}));
  EXPECT_EQ(offsetRect(RECT{INT_MIN + 1, 0, 0, 1}, -5, 0), (RECT{INT_MIN, 0, -5, 1}));
  EXPECT_EQ(offsetRect(RECT{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, INT_MAX, INT_MAX),
            (RECT{INT_MAX, INT_MAX, INT_MAX, INT_MAX}));
}

TEST(Rects, SubtractTakesAwayOnlyWholeBands) {
  const RECT a{0, 0, 10, 10};
  const PairCase cases[] = {
      {a, {0, 0, 10, 3}, {0, 3, 10, 10}},            // top band
      {a, {-5, 7, 15, 20}, {0, 0, 10, 7}},           // bottom band, b sticking out
      {a, {0, 0, 4, 10}, {4, 0, 10, 10}},            // left band
      {a, {6, -1, 10, 11}, {0, 0, 6, 10}},           // right band
      {a, {0, 3, 10, 6}, a},                         // a middle band leaves the bounds as they were
      {a, {2, 2, 5, 5}, a},                          // a hole too
      {a, {0, 0, 10, 10}, {0, 0, 0, 0}},             // all of it
      {a, {20, 20, 30, 30}, a},                      // nothing in common
      {{5, 5, 5, 9}, {0, 0, 10, 10}, {0, 0, 0, 0}},  // empty a stays empty
  };
  for (const PairCase& c : cases)
    EXPECT_EQ(subtractBounds(c.a, c.b), c.expected) << c.a << " - " << c.b;
}

TEST(Saturate, HoldsWideValuesWithinInt) {
  const struct {
    long long value;
    int expected;
  } cases[] = {
      {0, 0},
      {INT_MAX, INT_MAX},
      {static_cast<long long>(INT_MAX) + 1, INT_MAX},
      {LLONG_MAX, INT_MAX},
      {INT_MIN, INT_MIN},
      {static_cast<long long>(INT_MIN) - 1, INT_MIN},
      {LLONG_MIN, INT_MIN},
      {-12345, -12345},
  };
  for (const auto& c : cases) EXPECT_EQ(saturateToInt(c.value), c.expected) << c.value;
  EXPECT_EQ(saturatingAdd(INT_MAX, 1), INT_MAX);
  EXPECT_EQ(saturatingAdd(INT_MIN, -1), INT_MIN);
  EXPECT_EQ(saturatingAdd(INT_MAX, INT_MIN), -1);
}

}  // namespace
