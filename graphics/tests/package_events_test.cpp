// The wait for events: input mapping, periodic events, quitting.
#include <gtest/gtest.h>

#include <functional>

#include "package_test_support.h"

namespace {

class Events : public ::testing::Test {
 protected:
  void SetUp() override { resetPackage(); }
  void TearDown() override { resetPackage(); }
};

LPARAM clientPoint(int px, int py) { return MAKELPARAM(px, py); }

TEST_F(Events, TheOriginIsTheCentreOfTheClientArea) {
  RECT client = {};
  ASSERT_TRUE(GetClientRect(findGraphicsWindow(), &client));
  EXPECT_EQ(client.right / 2, centreX);
  EXPECT_EQ(client.bottom / 2, centreY);
}

TEST_F(Events, ClicksAreMappedToLogicalCoordinates) {
  postToGraphics(WM_LBUTTONDOWN, 0, clientPoint(centreX, centreY));
  Event event = nextEvent();
  EXPECT_EQ(EventMouse, event.kind);
  EXPECT_EQ(0, event.x);
  EXPECT_EQ(0, event.y);
  EXPECT_EQ(0, event.key);

  postToGraphics(WM_LBUTTONDOWN, 0, clientPoint(centreX + 10, centreY - 10));
  event = nextEvent();
  EXPECT_EQ(EventMouse, event.kind);
  EXPECT_EQ(10, event.x);
  EXPECT_EQ(10, event.y);

  postToGraphics(WM_LBUTTONDOWN, 0, clientPoint(0, 0));
  event = nextEvent();
  EXPECT_EQ(-centreX, event.x);
  EXPECT_EQ(centreY, event.y);
}

TEST_F(Events, OnlyTheLeftButtonsPressIsAnEvent) {
  postToGraphics(WM_LBUTTONUP, 0, clientPoint(5, 5));
  postToGraphics(WM_RBUTTONDOWN, 0, clientPoint(5, 5));
  postToGraphics(WM_RBUTTONUP, 0, clientPoint(5, 5));
  postToGraphics(WM_MOUSEMOVE, 0, clientPoint(5, 5));
  postToGraphics(WM_CHAR, 'z', 1);
  const Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ('z', event.key);
}

TEST_F(Events, CharactersBecomeKeyEvents) {
  postToGraphics(WM_CHAR, 'a', 1);
  Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ(97, event.key);
  EXPECT_EQ(0, event.x);
  EXPECT_EQ(0, event.y);

  // A character above 127 comes back as its signed 8-bit value.
  postToGraphics(WM_CHAR, 0xE9, 1);
  event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ(-23, event.key);
}

TEST_F(Events, CharactersTypedWhileCtrlIsHeldMakeNoEvent) {
  postToGraphics(WM_KEYDOWN, VK_CONTROL, 1);
  postToGraphics(WM_CHAR, 'b', 1);
  postToGraphics(WM_KEYUP, VK_CONTROL, 1);
  postToGraphics(WM_CHAR, 'c', 1);
  const Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ('c', event.key);
  EXPECT_FALSE(ctrlDown);
}

TEST_F(Events, RunningAnimationGivesOnePeriodicEventPerTick) {
  EXPECT_EQ(1, sharedDisplay().setAnimation(::Run));
  for (int i = 0; i < 3; ++i) {
    const Event event = nextEvent();
    EXPECT_EQ(EventPeriodic, event.kind);
    EXPECT_EQ(0, event.x);
    EXPECT_EQ(0, event.y);
    EXPECT_EQ(0, event.key);
  }
}

TEST_F(Events, InputDuringAPeriodicWaitReplacesThePeriodicEvent) {
  sharedDisplay().setAnimation(::Run);
  postToGraphics(WM_CHAR, 'k', 1);
  const Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ('k', event.key);
}

TEST_F(Events, TicksWhileHaltedMakeNoEvent) {
  sharedDisplay().setAnimation(::Run);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  sharedDisplay().setAnimation(Halt);
  for (int i = 0; i < 3; ++i) postToGraphics(WM_TIMER, TICK_TIMER_ID, 0);
  postToGraphics(WM_CHAR, 'h', 1);
  EXPECT_EQ(EventKey, nextEvent().kind);
}

// From Halted, each way of asking for one frame gives exactly one periodic
// event; later ticks give nothing.
TEST_F(Events, OneFrameGivesExactlyOnePeriodicEvent) {
  const std::function<void()> requests[] = {
      [] { sharedDisplay().setAnimation(OneFrame); },
      [] { postToGraphics(WM_COMMAND, CmdAdvanceFrame, 0); },
      [] { sendCtrlLetter(findGraphicsWindow(), 'F'); },
  };
  for (const auto& request : requests) {
    request();
    EXPECT_EQ(EventPeriodic, nextEvent().kind);
    EXPECT_FALSE(oneFrameRequested);
    for (int i = 0; i < 3; ++i) postToGraphics(WM_TIMER, TICK_TIMER_ID, 0);
    postToGraphics(WM_CHAR, 'n', 1);
    EXPECT_EQ(EventKey, nextEvent().kind);
  }
}

TEST_F(Events, AdvanceOneFrameWhileRunningStopsAfterOneMoreFrame) {
  sharedDisplay().setAnimation(::Run);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  postToGraphics(WM_COMMAND, CmdAdvanceFrame, 0);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  EXPECT_FALSE(animating);
  postToGraphics(WM_TIMER, TICK_TIMER_ID, 0);
  postToGraphics(WM_CHAR, '3', 1);
  EXPECT_EQ(EventKey, nextEvent().kind);
}

TEST_F(Events, AnimateThenHaltWithinOneTickGivesOnePeriodicEvent) {
  // Posted commands, so that Halt comes after the periodic wait has begun.
  postToGraphics(WM_COMMAND, CmdAnimate, 0);
  postToGraphics(WM_COMMAND, CmdHalt, 0);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  EXPECT_FALSE(animating);
  postToGraphics(WM_TIMER, TICK_TIMER_ID, 0);
  postToGraphics(WM_CHAR, '4', 1);
  EXPECT_EQ(EventKey, nextEvent().kind);
}

TEST_F(Events, OneFrameWhileRunningKeepsTheAnimationRunning) {
  sharedDisplay().setAnimation(::Run);
  sharedDisplay().setAnimation(OneFrame);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(EventPeriodic, nextEvent().kind);
  EXPECT_TRUE(animating);
}

TEST_F(Events, QuitCommandAndCtrlQEndTheWait) {
  postToGraphics(WM_COMMAND, CmdQuit, 0);
  EXPECT_EQ(EventQuit, nextEvent().kind);

  sendCtrlLetter(findGraphicsWindow(), 'Q');
  EXPECT_EQ(EventQuit, nextEvent().kind);

  // The character that Ctrl+Q types arrives while Ctrl is held: no key event.
  HWND window = findGraphicsWindow();
  SendMessageA(window, WM_KEYDOWN, VK_CONTROL, 1);
  SendMessageA(window, WM_KEYDOWN, 'Q', 1);
  PostMessageA(window, WM_CHAR, 0x11, 1);
  EXPECT_EQ(EventQuit, nextEvent().kind);
  SendMessageA(window, WM_KEYUP, VK_CONTROL, 1);
}

TEST_F(Events, LetterQWithoutCtrlIsAKey) {
  postToGraphics(WM_KEYDOWN, 'Q', 1);
  postToGraphics(WM_CHAR, 'q', 1);
  const Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_EQ(113, event.key);
  // No quit follows: the next event is the next key.
  postToGraphics(WM_CHAR, 'r', 1);
  EXPECT_EQ(EventKey, nextEvent().kind);
}

TEST_F(Events, QuitRequestedStillWaitsAndReportsQuit) {
  EXPECT_EQ(1, sharedDisplay().setAnimation(Quit));
  postToGraphics(WM_LBUTTONDOWN, 0, clientPoint(centreX + 3, centreY - 4));
  Event event = nextEvent();
  EXPECT_EQ(EventQuit, event.kind);
  EXPECT_EQ(3, event.x);  // the underlying event's fields
  EXPECT_EQ(4, event.y);
  postToGraphics(WM_CHAR, 'x', 1);
  EXPECT_EQ(EventQuit, nextEvent().kind);
}

TEST_F(Events, SetAnimationPassesOtherValuesThrough) {
  // 5 is the package's own quit code.
  EXPECT_EQ(1, sharedDisplay().setAnimation(static_cast<AnimationMode>(5)));
  EXPECT_TRUE(quitRequested);
  quitRequested = false;

  sharedDisplay().setAnimation(::Run);
  EXPECT_EQ(1, sharedDisplay().setAnimation(static_cast<AnimationMode>(4)));
  EXPECT_EQ(1, sharedDisplay().setAnimation(static_cast<AnimationMode>(-7)));
  EXPECT_TRUE(animating);
  EXPECT_FALSE(quitRequested);
}

TEST_F(Events, QuitDuringPlaybackIsNotReplacedByTheScript) {
  playingBack = true;
  PostQuitMessage(0);
  EXPECT_EQ(EventQuit, nextEvent().kind);
  EXPECT_TRUE(playingBack);  // no script line was read in that pass
}

TEST_F(Events, PlaybackWithoutAScriptEventEndsAndKeepsTheLiveEvent) {
  playingBack = true;
  postToGraphics(WM_CHAR, 'p', 1);
  const Event event = nextEvent();
  EXPECT_EQ(EventKey, event.kind);
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(playOneRequested);
}

TEST_F(Events, RecordingCountsPeriodicEventsWithoutWriting) {
  recording = true;
  sharedDisplay().setAnimation(::Run);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  EXPECT_EQ(EventPeriodic, nextEvent().kind);
  EXPECT_EQ(2, periodicCount);
}

TEST_F(Events, NullOutPointersAreTolerated) {
  postToGraphics(WM_CHAR, 'w', 1);
  EXPECT_EQ(EventKey, sharedDisplay().nextEvent(nullptr, nullptr, nullptr));
}

TEST_F(Events, TheCanvasIsCopiedByTheNextPumpPass) {
  sharedDisplay().drawCircle(0, 0, 3, COLOUR_RED);
  EXPECT_TRUE(canvasDirty);
  postToGraphics(WM_CHAR, 'd', 1);
  nextEvent();
  EXPECT_FALSE(canvasDirty);
}

}  // namespace
