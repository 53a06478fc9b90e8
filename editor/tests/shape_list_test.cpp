// Order, selection, deletion and forwarding of the shape list.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "recording_display.h"
#include "shape_list/shape_list.h"

namespace {

// The records of the list, one line each: a compact view of its order.
std::string records(const ShapeList& list) {
  std::ostringstream out;
  list.saveAll(out);
  return out.str();
}

const Shape* selectedShape(const ShapeList& list) {
  return list.selected == nullptr ? nullptr : list.selected->shape.get();
}

class ShapeListTest : public testing::Test {
 protected:
  void SetUp() override { resetRecording(); }
  void add(int x1, int y1, int x2, int y2, int kind, int colour = 3) {
    pending = true;
    list.add(x1, y1, x2, y2, pending, kind, colour);
    EXPECT_FALSE(pending);
  }
  Display display;
  ShapeList list;
  bool pending = false;
};

TEST_F(ShapeListTest, EmptyListDoesNothing) {
  EXPECT_FALSE(list.hasSelection());
  list.drawAll(display);
  list.selectAt(0, 0, display);
  list.deleteSelected();
  EXPECT_EQ(records(list), "");
  EXPECT_TRUE(recording().calls.empty());
  EXPECT_EQ(list.head, nullptr);
}

TEST_F(ShapeListTest, AddAppendsInOrderByKind) {
  add(0, 0, 10, 10, 1);
  add(1, 1, 2, 2, 0);
  add(3, 3, 4, 4, 7);  // any kind but 1 makes a square
  add(5, 5, 6, 6, -1, 99);
  EXPECT_EQ(records(list),
            "CIRCLE 0 0 10 10 3 \nSQUARE 1 1 2 2 3 \nSQUARE 3 3 4 4 3 \nSQUARE 5 5 6 6 99 \n");
  list.drawAll(display);
  const std::vector<DrawCall> expected = {
      ovalCall(0, 0, 10, 10, 3, 5), rectangleCall(1, 1, 2, 2, 3, 5),
      rectangleCall(3, 3, 4, 4, 3, 5), rectangleCall(5, 5, 6, 6, 99, 5)};
  EXPECT_EQ(recording().calls, expected);
  EXPECT_FALSE(list.hasSelection());
}

TEST_F(ShapeListTest, SelectPicksTheNearestCentreWhateverTheDrawingOrder) {
  add(-100, -100, 100, 100, 0);    // centre (0, 0)
  add(10, 10, 50, 50, 1);          // centre (30, 30), drawn on top
  list.selectAt(15, 15, display);  // 21 from the big one's centre, 21 from the small one's
  // Equal distances: the earlier entry wins.
  EXPECT_EQ(selectedShape(list), list.head->shape.get());
  list.selectAt(20, 20, display);  // 28 against 14
  EXPECT_EQ(selectedShape(list), list.head->next->shape.get());
  list.selectAt(-90, -90, display);  // only the big one contains it
  EXPECT_EQ(selectedShape(list), list.head->shape.get());
}

TEST_F(ShapeListTest, IdenticalBoxesGoToTheEarliest) {
  add(0, 0, 20, 20, 0);
  add(20, 20, 0, 0, 1);
  add(0, 20, 20, 0, 0);
  list.selectAt(3, 17, display);
  EXPECT_EQ(selectedShape(list), list.head->shape.get());
}

TEST_F(ShapeListTest, SuccessfulSelectRedrawsAndMarks) {
  add(0, 0, 20, 20, 1, 13);
  add(30, 30, 40, 40, 0, 5);
  list.selectAt(35, 35, display);
  const std::vector<DrawCall> expected = {clearCall(COLOUR_WHITE), ovalCall(0, 0, 20, 20, 13, 5),
                                          rectangleCall(30, 30, 40, 40, 5, 5),
                                          rectangleCall(30, 30, 40, 40, COLOUR_BLUE, 5)};
  EXPECT_EQ(recording().calls, expected);
}

TEST_F(ShapeListTest, MissKeepsSelectionAndDrawsNothing) {
  add(0, 0, 20, 20, 0);
  add(5, 5, 5, 50, 0);  // flat: never selectable
  list.selectAt(10, 10, display);
  ASSERT_TRUE(list.hasSelection());
  recording().calls.clear();
  list.selectAt(20, 10, display);  // on the edge
  list.selectAt(5, 30, display);   // on the flat box
  EXPECT_EQ(selectedShape(list), list.head->shape.get());
  EXPECT_TRUE(recording().calls.empty());
}

TEST_F(ShapeListTest, CentresAMillionAwayAreAMiss) {
  add(-2000000, -10, 2000000, 10, 0);  // contains (-1999999, 0), centre 1999999 away
  add(0, -10, 4, 10, 0);
  list.selectAt(2, 0, display);
  ASSERT_EQ(selectedShape(list), list.head->next->shape.get());
  recording().calls.clear();
  list.selectAt(-1999999, 0, display);
  EXPECT_EQ(selectedShape(list), list.head->next->shape.get());
  EXPECT_TRUE(recording().calls.empty());
  list.selectAt(999999, 0, display);  // just below the limit
  EXPECT_EQ(selectedShape(list), list.head->shape.get());
}

TEST_F(ShapeListTest, DeleteAtHeadMiddleAndTail) {
  for (int i = 0; i < 5; ++i) add(10 * i, 0, 10 * i + 8, 8, 0, i);
  list.selectAt(24, 4, display);  // middle
  list.deleteSelected();
  EXPECT_FALSE(list.hasSelection());
  list.selectAt(4, 4, display);  // head
  list.deleteSelected();
  list.selectAt(44, 4, display);  // tail
  list.deleteSelected();
  EXPECT_EQ(records(list), "SQUARE 10 0 18 8 1 \nSQUARE 30 0 38 8 3 \n");
  // The tail moved: a new shape still goes after the remaining ones.
  add(100, 0, 108, 8, 1, 7);
  EXPECT_EQ(records(list), "SQUARE 10 0 18 8 1 \nSQUARE 30 0 38 8 3 \nCIRCLE 100 0 108 8 7 \n");
  list.deleteSelected();  // nothing selected: nothing happens
  EXPECT_EQ(list.head->next->next->next, nullptr);
}

TEST_F(ShapeListTest, DeleteTheOnlyShapeLeavesAnEmptyList) {
  add(0, 0, 8, 8, 1);
  list.selectAt(4, 4, display);
  list.deleteSelected();
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(records(list), "");
  add(1, 1, 2, 2, 0);
  EXPECT_EQ(records(list), "SQUARE 1 1 2 2 3 \n");
}

TEST_F(ShapeListTest, ForwardingActsOnTheSelectionInPlace) {
  add(0, 0, 10, 10, 0, 3);
  add(20, 20, 30, 30, 1, 3);
  add(40, 40, 50, 50, 0, 3);
  list.selectAt(25, 25, display);
  list.recolourSelected(13);
  list.moveSelected(-100, -100);
  list.resizeSelected(-50, -90);
  EXPECT_EQ(records(list),
            "SQUARE 0 0 10 10 3 \nCIRCLE -105 -105 -50 -90 13 \nSQUARE 40 40 50 50 3 \n");
  EXPECT_TRUE(list.hasSelection());
  recording().calls.clear();
  list.drawSelectedMarker(display);
  EXPECT_EQ(recording().calls,
            std::vector<DrawCall>{rectangleCall(-105, -105, -50, -90, COLOUR_BLUE, 5)});
  // Adding keeps the selection.
  add(0, 0, 1, 1, 1);
  EXPECT_EQ(selectedShape(list), list.head->next->shape.get());
}

}  // namespace
