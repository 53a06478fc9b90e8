// Menu tracking driven by injected input: the messages a window hears, in
// order, when a person opens its menu with the mouse or the keyboard.
#include <gtest/gtest.h>

#include "menu_harness.h"

using namespace zt_test;

namespace {

// Positions in the Run menu of MenuWindow.
constexpr UINT kAnimate = 0, kSeparator = 3, kLogging = 4, kQuit = 6, kGrey = 7;

std::string lines(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& line : list) text += "  " + line + "\n";
  return text;
}

void expectMessages(const std::vector<std::string>& expected) {
  EXPECT_EQ(menuMessages(), expected) << "expected:\n"
                                      << lines(expected) << "actual:\n"
                                      << lines(menuMessages());
}

// The opening of the Run menu by a press on "Run".
const std::vector<std::string> kMouseOpen = {
    "WM_SYSCOMMAND 0xf090",     "WM_ENTERMENULOOP 0",       "WM_INITMENU bar",
    "WM_MENUSELECT 0 0x90 bar", "WM_INITMENUPOPUP run 0 0",
};
// The opening of the Run menu by Alt+R: its first item is highlighted.
const std::vector<std::string> kKeyOpen = {
    "WM_SYSCOMMAND 0xf100 114", "WM_ENTERMENULOOP 0",       "WM_INITMENU bar",
    "WM_MENUSELECT 0 0x90 bar", "WM_INITMENUPOPUP run 0 0", "WM_MENUSELECT 1 0x80 run",
};
// The end of a menu loop: the popup closes, then the loop.
const std::vector<std::string> kClose = {
    "WM_UNINITMENUPOPUP run",
    "WM_MENUSELECT 0 0xffff 0",
    "WM_EXITMENULOOP 0",
};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

TEST(MenuTracking, AClickOnRunThenOnAnItemChoosesIt) {
  MenuWindow w;
  POINT run = itemCentre(w, w.bar, 0);
  ASSERT_TRUE(runMenuSteps(w, {
                                  [&] { pointerPress(run); },
                                  [&] { pointerRelease(run); },
                                  [&] { pointerTo(itemCentre(w, w.run, kLogging)); },
                                  [&] {
                                    pointerPress(itemCentre(w, w.run, kLogging));
                                    pointerRelease(itemCentre(w, w.run, kLogging));
                                  },
                              }));
  expectMessages(join({kMouseOpen, {"WM_MENUSELECT 4 0x80 run"}, kClose, {"WM_COMMAND 4"}}));
}

TEST(MenuTracking, AltDownEnterChoosesTheFirstItem) {
  MenuWindow w;
  ASSERT_TRUE(runMenuSteps(w, {
                                  [] { tapKey(VK_MENU); },
                                  [] { tapKey(VK_DOWN); },
                                  [] { tapKey(VK_RETURN); },
                              }));
  expectMessages(
      join({{"WM_SYSCOMMAND 0xf100 0", "WM_ENTERMENULOOP 0", "WM_INITMENU bar",
             "WM_MENUSELECT 0 0x90 bar", "WM_INITMENUPOPUP run 0 0", "WM_MENUSELECT 1 0x80 run"},
            kClose,
            {"WM_COMMAND 1"}}));
}

TEST(MenuTracking, AltRThenAMnemonicChoosesItsItem) {
  MenuWindow w;
  ASSERT_TRUE(runMenuSteps(w, {
                                  [] {
                                    holdKey(VK_MENU, true);
                                    tapKey('R');
                                    holdKey(VK_MENU, false);
                                  },
                                  [] { tapKey('L'); },
                              }));
  expectMessages(join({kKeyOpen, {"WM_MENUSELECT 4 0x80 run"}, kClose, {"WM_COMMAND 4"}}));
}

TEST(MenuTracking, EscapeClosesOneLevelAtATime) {
  MenuWindow w;
  ASSERT_TRUE(runMenuSteps(w, {
                                  [] { tapKey(VK_F10); },
                                  [] { tapKey(VK_RETURN); },
                                  [] { tapKey(VK_ESCAPE); },
                                  [] { tapKey(VK_ESCAPE); },
                              }));
  // F10 highlights "Run", Enter opens it, the first Escape closes the popup
  // (WM_UNINITMENUPOPUP), the second the menu.
  expectMessages({"WM_SYSCOMMAND 0xf100 0", "WM_ENTERMENULOOP 0", "WM_INITMENU bar",
                  "WM_MENUSELECT 0 0x90 bar", "WM_INITMENUPOPUP run 0 0",
                  "WM_MENUSELECT 1 0x80 run", "WM_UNINITMENUPOPUP run", "WM_MENUSELECT 0 0xffff 0",
                  "WM_EXITMENULOOP 0"});
}

TEST(MenuTracking, KeysSkipSeparatorsAndWrap) {
  MenuWindow w;
  ASSERT_TRUE(runMenuSteps(w, {
                                  [] {
                                    holdKey(VK_MENU, true);
                                    tapKey('R');
                                    holdKey(VK_MENU, false);
                                  },
                                  [] { tapKey(VK_END); },
                                  [] { tapKey(VK_UP); },
                                  [] { tapKey(VK_UP); },
                                  [] { tapKey(VK_HOME); },
                                  [] { tapKey(VK_UP); },
                                  [] { tapKey(VK_ESCAPE); },
                                  [] { tapKey(VK_ESCAPE); },
                              }));
  // End: the greyed last line (keys highlight it; only choosing it is refused);
  // Up, Up: Quit, then Logging past the separator; Home: Animate; Up wraps.
  expectMessages(
      join({kKeyOpen,
            {"WM_MENUSELECT 9 0x81 run", "WM_MENUSELECT 8 0x80 run", "WM_MENUSELECT 4 0x80 run",
             "WM_MENUSELECT 1 0x80 run", "WM_MENUSELECT 9 0x81 run"},
            kClose}));
}

TEST(MenuTracking, GreyedItemsAndSeparatorsAreNeverChosen) {
  MenuWindow w;
  POINT run = itemCentre(w, w.bar, 0);
  ASSERT_TRUE(runMenuSteps(w, {
                                  [&] { pointerPress(run); },
                                  [&] { pointerRelease(run); },
                                  [&] {
                                    pointerPress(itemCentre(w, w.run, kSeparator));
                                    pointerRelease(itemCentre(w, w.run, kSeparator));
                                  },
                                  [&] {
                                    pointerPress(itemCentre(w, w.run, kGrey));
                                    pointerRelease(itemCentre(w, w.run, kGrey));
                                  },
                                  [] { tapKey('M'); },
                                  [] { tapKey(VK_ESCAPE); },
                                  [] { tapKey(VK_ESCAPE); },
                              }));
  // The separator is highlighted (without MF_HILITE) and the greyed line is,
  // but neither gives a command; "m" is no mnemonic.
  expectMessages(
      join({kMouseOpen, {"WM_MENUSELECT 0 0x803 run", "WM_MENUSELECT 9 0x81 run"}, kClose}));
}

TEST(MenuTracking, AClickOutsideCloses) {
  MenuWindow w;
  POINT run = itemCentre(w, w.bar, 0);
  RECT window{};
  GetWindowRect(w.hwnd, &window);
  POINT outside{window.right + 40, window.top + 200};
  ASSERT_TRUE(runMenuSteps(w, {
                                  [&] { pointerPress(run); },
                                  [&] { pointerRelease(run); },
                                  [&] {
                                    pointerPress(outside);
                                    pointerRelease(outside);
                                  },
                              }));
  expectMessages(join({kMouseOpen, kClose}));
  // And it opens again at the next click.
  ASSERT_TRUE(runMenuSteps(w, {
                                  [&] { pointerPress(run); },
                                  [&] { pointerRelease(run); },
                                  [&] {
                                    pointerPress(outside);
                                    pointerRelease(outside);
                                  },
                              }));
  expectMessages(join({kMouseOpen, kClose}));
}

TEST(MenuTracking, TimerTicksArriveWhileTheMenuIsOpen) {
  MenuWindow w;
  POINT run = itemCentre(w, w.bar, 0);
  // The menu stays open until the window procedure has heard five ticks.
  closeMenuAtTick(5);
  ASSERT_TRUE(runMenuSteps(w, {[&] { pointerPress(run); }, [&] { pointerRelease(run); }}));
  EXPECT_EQ(ticksInMenu(), 5);
  expectMessages(join({kMouseOpen, kClose}));
}
