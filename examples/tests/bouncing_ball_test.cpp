// The bouncing ball driven through its window: it moves while the animation
// runs, stands still once halted, moves exactly one step per Advance one
// frame, changes colour and speed by key and jumps to a click.
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "step_runner.h"

namespace {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// The ball's centre: the middle of the box of its colour.
Point ball(COLORREF colour) {
  LogicalBox box = {};
  if (!findColour(colour, {-300, 250, 300, -250}, &box)) {
    ADD_FAILURE() << "no pixel of colour 0x" << std::hex << colour << " in the drawing area";
    return {};
  }
  return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

TEST(BouncingBall, RunsHaltsStepsAndAnswersKeys) {
  Point start, halted, stillHalted, stepped, afterStep, recoloured, faster, clicked;
  bool blueAfterRecolour = true;
  Steps steps = {[] { ShowWindow(graphicsWindow(), SW_SHOWNORMAL); }};
  pause(steps, 2);
  steps.push_back([&] { start = ball(kBlue); });
  pause(steps, 6);
  steps.push_back([] { sendShortcut('H'); });
  pause(steps, 6);  // a periodic wait already begun ends at the next tick
  steps.push_back([&] { halted = ball(kBlue); });
  pause(steps, 6);
  steps.push_back([&] { stillHalted = ball(kBlue); });
  steps.push_back([] { sendShortcut('F'); });
  pause(steps, 6);
  steps.push_back([&] { stepped = ball(kBlue); });
  pause(steps, 6);
  steps.push_back([&] { afterStep = ball(kBlue); });
  steps.push_back([] { postCharacter('c'); });
  pause(steps, 2);
  steps.push_back([&] {
    LogicalBox unused = {};
    blueAfterRecolour = findColour(kBlue, {-300, 250, 300, -250}, &unused);
    recoloured = ball(kYellow);
    postCharacter('+');
  });
  pause(steps, 2);
  // Input that comes while a periodic wait runs replaces its event, so the
  // frame is asked for only once the key has been handled.
  steps.push_back([] { sendShortcut('F'); });
  pause(steps, 6);
  steps.push_back([&] { faster = ball(kYellow); });
  steps.push_back([] { postClick(100, -50); });
  pause(steps, 2);
  steps.push_back([&] { clicked = ball(kYellow); });
  steps.push_back([] { PostQuitMessage(0); });

  size_t taken = 0;
  EXPECT_EQ(runWithSteps(steps, &taken), 0);
  ASSERT_EQ(taken, steps.size());
  EXPECT_NE(start, halted) << "the ball did not move while the animation ran";
  EXPECT_EQ(halted, stillHalted) << "the ball moved after Halt animation";
  EXPECT_EQ(std::abs(stepped.x - stillHalted.x), 5) << "one frame moves x by 5";
  EXPECT_EQ(std::abs(stepped.y - stillHalted.y), 3) << "one frame moves y by 3";
  EXPECT_EQ(stepped, afterStep) << "Advance one frame gave more than one frame";
  EXPECT_FALSE(blueAfterRecolour) << "the key c left the ball blue";
  EXPECT_EQ(recoloured, afterStep) << "the key c moved the ball";
  EXPECT_EQ(std::abs(faster.x - recoloured.x), 6) << "+ makes a frame move x by 6";
  EXPECT_EQ(std::abs(faster.y - recoloured.y), 4) << "+ makes a frame move y by 4";
  EXPECT_EQ(clicked, (Point{100, -50})) << "a click puts the ball there";
}

}  // namespace
