// The word board driven through its window: a click asks for a word in the
// line-input dialog and the word is drawn there, in the next colour of the
// table and in the size chosen by a digit key; the title is typed out.
#include <gtest/gtest.h>

#include "step_runner.h"

namespace {

constexpr COLORREF kNavyBlue = RGB(0, 51, 153);

// Where the pixels of a colour lie within 200 units right of and 100 above
// an anchor; an empty box when there are none.
LogicalBox drawnNear(int x, int y, COLORREF colour) {
  LogicalBox box = {};
  if (!findColour(colour, {x, y + 100, x + 200, y - 10}, &box)) return {};
  return box;
}

TEST(WordBoard, DrawsTheTypedWordsWhereClicked) {
  LogicalBox title, hello, big, empty;
  Steps steps = {[] { ShowWindow(graphicsWindow(), SW_SHOWNORMAL); }};
  pause(steps, 8);  // the title's first letters
  steps.push_back([&] {
    title = drawnNear(-290, 220, kNavyBlue);
    answerNextDialog("hello");
    postClick(-100, 0);
  });
  pause(steps, 3);
  steps.push_back([&] {
    hello = drawnNear(-100, 0, kRed);
    postCharacter('6');
    answerNextDialog("big");
    postClick(0, -200);
  });
  pause(steps, 3);
  steps.push_back([&] {
    big = drawnNear(0, -200, kGreen);
    answerNextDialog("");  // an empty answer draws nothing
    postClick(100, 100);
  });
  pause(steps, 3);
  steps.push_back([&] {
    empty = drawnNear(100, 100, kBlue);
    PostQuitMessage(0);
  });

  size_t taken = 0;
  EXPECT_EQ(runWithSteps(steps, &taken), 0);
  ASSERT_EQ(taken, steps.size());
  EXPECT_GT(title.right, title.left) << "no title drawn at the top";
  // Text stands on its anchor: its pixels start at the anchor's column and
  // rise from the anchor's row.
  EXPECT_GE(hello.left, -100);
  EXPECT_GE(hello.bottom, 0);
  EXPECT_GT(hello.top, hello.bottom) << "the first word is not drawn in red";
  EXPECT_GT(big.top - big.bottom, hello.top - hello.bottom)
      << "size 60 is not taller than size 30 (second word, green)";
  EXPECT_EQ(empty.top, empty.bottom) << "an empty answer drew a word";
}

}  // namespace
