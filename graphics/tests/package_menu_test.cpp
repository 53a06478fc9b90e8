// The Run menu: its items, its commands, their shortcuts and check marks.
#include <gtest/gtest.h>

#include <string>

#include "package_test_support.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  void SetUp() override { resetPackage(); }
  void TearDown() override { resetPackage(); }
};

bool checked(int command) {
  return (GetMenuState(runMenu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// Posts a command and lets one pump pass dispatch it.
void choose(int command) {
  postToGraphics(WM_COMMAND, static_cast<WPARAM>(command), 0);
  drainMessages();
}

std::string itemText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST_F(Menu, TheBarHoldsTheRunPopupWithItsItemsInOrder) {
  HMENU bar = GetMenu(findGraphicsWindow());
  ASSERT_NE(nullptr, bar);
  ASSERT_EQ(1, GetMenuItemCount(bar));
  EXPECT_EQ("&Run", itemText(bar, 0));
  ASSERT_EQ(runMenu, GetSubMenu(bar, 0));

  struct Item {
    UINT id;
    const char* label;  // nullptr: a separator
  };
  const Item items[] = {
      {CmdAnimate, "&Animate\tCtrl+A"},
      {CmdHalt, "&Halt animation\tCtrl+H"},
      {CmdAdvanceFrame, "Advance one &frame\tCtrl+F"},
      {0, nullptr},
      {CmdLogging, "&Logging\tCtrl+L"},
      {0, nullptr},
      {CmdRecordScript, "&Record Script\tCtrl+R"},
      {CmdPlaybackScript, "&Playback Script\tCtrl+P"},
      {CmdPlayOne, "Play &One Script\tCtrl+O"},
      {0, nullptr},
      {CmdQuit, "&Quit\tCtrl+Q"},
      {0, nullptr},
      {CmdAbout, "ZT738 graphics package " ZT738_VERSION},
      {CmdAbout, "MAC: "},
      {CmdAbout, "WINDOWS: "},
      {CmdAbout, "UPDATES: "},
  };
  const int count = static_cast<int>(sizeof items / sizeof items[0]);
  ASSERT_EQ(count, GetMenuItemCount(runMenu));
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(runMenu, static_cast<UINT>(i), MF_BYPOSITION);
    if (items[i].label == nullptr) {
      EXPECT_NE(0u, state & MF_SEPARATOR) << "position " << i;
      continue;
    }
    EXPECT_EQ(0u, state & MF_SEPARATOR) << "position " << i;
    EXPECT_EQ(items[i].id, GetMenuItemID(runMenu, i)) << "position " << i;
    const std::string text = itemText(runMenu, i);
    if (items[i].id == CmdAbout) {
      // The package's name line is complete; the others name a pointer after their prefix.
      const std::string label = items[i].label;
      EXPECT_EQ(0u, text.rfind(label, 0)) << text;
      if (label.back() == ' ') {
        EXPECT_GT(text.size(), label.size()) << text;
      } else {
        EXPECT_EQ(label, text);
      }
      EXPECT_NE(0u, state & MF_GRAYED) << "position " << i;
    } else {
      EXPECT_EQ(items[i].label, text);
      EXPECT_EQ(0u, state & MF_GRAYED) << "position " << i;
    }
  }
}

TEST_F(Menu, AFreshDisplayHasNoCheckMarks) {
  // resetPackage switched logging off the way the constructor does.
  EXPECT_FALSE(checked(CmdLogging));
  EXPECT_FALSE(checked(CmdRecordScript));
  EXPECT_FALSE(checked(CmdPlaybackScript));
  EXPECT_FALSE(logging);
}

TEST_F(Menu, AnimateHaltAndAdvanceSetTheAnimationSwitches) {
  choose(CmdAnimate);
  EXPECT_TRUE(animating);
  choose(CmdAdvanceFrame);
  EXPECT_FALSE(animating);
  EXPECT_TRUE(oneFrameRequested);
  choose(CmdAnimate);
  choose(CmdHalt);
  EXPECT_FALSE(animating);
  EXPECT_TRUE(oneFrameRequested);  // a pending frame survives Halt
}

TEST_F(Menu, ShortcutsActOnlyWhileCtrlIsHeld) {
  HWND window = findGraphicsWindow();
  SendMessageA(window, WM_KEYDOWN, 'A', 1);
  EXPECT_FALSE(animating);
  sendCtrlLetter(window, 'A');
  EXPECT_TRUE(animating);
  sendCtrlLetter(window, 'H');
  EXPECT_FALSE(animating);
  sendCtrlLetter(window, 'F');
  EXPECT_TRUE(oneFrameRequested);
  sendCtrlLetter(window, 'O');
  EXPECT_TRUE(playOneRequested);
  EXPECT_FALSE(oneFrameRequested);
  // Keys without a shortcut do nothing, with or without Ctrl.
  sendCtrlLetter(window, 'Z');
  sendCtrlLetter(window, 'X');
  EXPECT_FALSE(animating);
  EXPECT_FALSE(quitRequested);
}

TEST_F(Menu, FunctionAndKeypadKeysAreNotLetterShortcuts) {
  // The key codes of F1 to F3 and of the keypad digits equal the lower-case
  // letters' character codes; Ctrl with them must not act as a shortcut.
  HWND window = findGraphicsWindow();
  sendCtrlLetter(window, 'a');  // VK_NUMPAD1
  sendCtrlLetter(window, 'p');  // VK_F1
  sendCtrlLetter(window, 'r');  // VK_F3
  EXPECT_FALSE(animating);
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(recording);
  sendCtrlLetter(window, 'q');  // VK_F2
  drainMessages();
  EXPECT_FALSE(quitRequested);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(Menu, LoggingToggleFollowsWithItsCheckMarkButLeavesTheTextWindow) {
  ZT738_show_text_window(0);
  choose(CmdLogging);
  EXPECT_TRUE(logging);
  EXPECT_TRUE(checked(CmdLogging));
  EXPECT_FALSE(IsWindowVisible(textWindow));
  sendCtrlLetter(findGraphicsWindow(), 'L');
  EXPECT_FALSE(logging);
  EXPECT_FALSE(checked(CmdLogging));
  EXPECT_FALSE(IsWindowVisible(textWindow));

  EXPECT_EQ(1, ZT738_set_logging(1));
  EXPECT_TRUE(logging);
  EXPECT_TRUE(checked(CmdLogging));
  EXPECT_TRUE(IsWindowVisible(textWindow));
  EXPECT_EQ(1, ZT738_set_logging(0));
  EXPECT_FALSE(checked(CmdLogging));
  EXPECT_TRUE(IsWindowVisible(textWindow));  // switching off does not hide it
}

TEST_F(Menu, RecordScriptTogglesRecordingAndItsCheckMark) {
  choose(CmdRecordScript);
  EXPECT_TRUE(recording);
  EXPECT_TRUE(checked(CmdRecordScript));
  sendCtrlLetter(findGraphicsWindow(), 'R');
  EXPECT_FALSE(recording);
  EXPECT_FALSE(checked(CmdRecordScript));
}

TEST_F(Menu, PlaybackScriptHaltsTheAnimationAndTogglesItsCheckMark) {
  choose(CmdAnimate);
  choose(CmdPlaybackScript);
  EXPECT_TRUE(playingBack);
  EXPECT_FALSE(animating);
  EXPECT_FALSE(oneFrameRequested);
  EXPECT_TRUE(checked(CmdPlaybackScript));
  sendCtrlLetter(findGraphicsWindow(), 'P');
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(checked(CmdPlaybackScript));
}

TEST_F(Menu, PlayOneHaltsTheAnimationWithoutACheckMark) {
  choose(CmdAnimate);
  ZT738_set_animation(1);
  choose(CmdPlayOne);
  EXPECT_TRUE(playOneRequested);
  EXPECT_FALSE(animating);
  EXPECT_FALSE(oneFrameRequested);
  EXPECT_FALSE(checked(CmdPlayOne));
}

TEST_F(Menu, TheGreyLinesAndUnknownCommandsDoNothing) {
  choose(CmdAbout);
  choose(0);
  choose(1000);
  EXPECT_FALSE(animating);
  EXPECT_FALSE(oneFrameRequested);
  EXPECT_FALSE(logging);
  EXPECT_FALSE(recording);
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(playOneRequested);
  EXPECT_FALSE(quitRequested);
  postToGraphics(WM_CHAR, 'g', 1);
  EXPECT_EQ(EventKey, nextEvent().kind);  // and no quit is pending
}

TEST_F(Menu, TheAnimationSetterAppliesItsCodes) {
  EXPECT_EQ(1, ZT738_set_animation(2));
  EXPECT_EQ(1, ZT738_set_animation(1));
  EXPECT_TRUE(animating);
  EXPECT_TRUE(oneFrameRequested);
  EXPECT_EQ(1, ZT738_set_animation(3));  // accepted, no effect
  EXPECT_EQ(1, ZT738_set_animation(0));
  EXPECT_FALSE(animating);
  EXPECT_FALSE(oneFrameRequested);
  EXPECT_FALSE(quitRequested);
}

TEST_F(Menu, TimerTicksOnlySetTheTickSwitch) {
  tickArrived = false;
  postToGraphics(WM_TIMER, 77, 0);
  drainMessages();
  EXPECT_TRUE(tickArrived);
  EXPECT_FALSE(animating);
}

}  // namespace
