// Menu tracking driven by injected input: the messages a window hears, in
// order, when a person opens its menu with the mouse or the keyboard.
#include <gtest/gtest.h>

#include "menu_harness.h"

using namespace zt_test;

namespace {

// Positions in the Run menu of MenuWindow.
constexpr UINT kSeparator = 3, kLogging = 4, kGrey = 7;

using Lines = std::vector<std::string>;

void expectMessages(const Lines& expected) {
  auto text = [](const Lines& list) {
    std::string all;
    for (const std::string& line : list) all += "  " + line + "\n";
    return all;
  };
  EXPECT_EQ(menuMessages(), expected) << "expected:\n"
                                      << text(expected) << "actual:\n"
                                      << text(menuMessages());
}

Lines join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A press on "Run" opens the Run menu; Alt+R does too and highlights its first item.
const Lines kMouseOpen = {"WM_SYSCOMMAND 0xf090", "WM_ENTERMENULOOP 0", "WM_INITMENU bar",
                          "WM_MENUSELECT 0 0x90 bar", "WM_INITMENUPOPUP run 0 0"};
const Lines kKeyOpen = {"WM_SYSCOMMAND 0xf100 114", "WM_ENTERMENULOOP 0",
                        "WM_INITMENU bar",          "WM_MENUSELECT 0 0x90 bar",
                        "WM_INITMENUPOPUP run 0 0", "WM_MENUSELECT 1 0x80 run"};
// The end of a menu loop: the popup closes, then the loop.
const Lines kClose = {"WM_UNINITMENUPOPUP run", "WM_MENUSELECT 0 0xffff 0", "WM_EXITMENULOOP 0"};

struct Scenario {
  const char* name;
  std::vector<Step> (*steps)(const MenuWindow& w);
  Lines expected;
};

Step pressRun(const MenuWindow& w) { return mouseAtItem(w, w.bar, 0, MOUSEEVENTF_LEFTDOWN); }
Step releaseRun(const MenuWindow& w) { return mouseAtItem(w, w.bar, 0, MOUSEEVENTF_LEFTUP); }

const Scenario kScenarios[] = {
    {"a click on Run, then on Logging",
     [](const MenuWindow& w) -> std::vector<Step> {
       return {pressRun(w), releaseRun(w), mouseAtItem(w, w.run, kLogging, 0),
               mouseAtItem(w, w.run, kLogging, kClick)};
     },
     join({kMouseOpen, {"WM_MENUSELECT 4 0x80 run"}, kClose, {"WM_COMMAND 4"}})},
    {"Alt, Down, Enter",
     [](const MenuWindow&) -> std::vector<Step> {
       return {tap(VK_MENU), tap(VK_DOWN), tap(VK_RETURN)};
     },
     join({{"WM_SYSCOMMAND 0xf100 0"},
           Lines(kKeyOpen.begin() + 1, kKeyOpen.end()),
           kClose,
           {"WM_COMMAND 1"}})},
    {"Alt+R, then l",
     [](const MenuWindow&) -> std::vector<Step> {
       return {altWith('R'), tap('L')};
     },
     join({kKeyOpen, {"WM_MENUSELECT 4 0x80 run"}, kClose, {"WM_COMMAND 4"}})},
    // F10 highlights "Run", Enter opens it; each Escape closes one level.
    {"F10, Enter, Escape, Escape",
     [](const MenuWindow&) -> std::vector<Step> {
       return {tap(VK_F10), tap(VK_RETURN), tap(VK_ESCAPE), tap(VK_ESCAPE)};
     },
     join({{"WM_SYSCOMMAND 0xf100 0"}, Lines(kKeyOpen.begin() + 1, kKeyOpen.end()), kClose})},
    // End: the greyed last line (keys highlight it, choosing it is refused);
    // Up, Up: Quit, then Logging past the separator; Home: Animate; Up wraps.
    {"End, Up, Up, Home, Up",
     [](const MenuWindow&) -> std::vector<Step> {
       return {altWith('R'), tap(VK_END), tap(VK_UP),     tap(VK_UP),
               tap(VK_HOME), tap(VK_UP),  tap(VK_ESCAPE), tap(VK_ESCAPE)};
     },
     join({kKeyOpen,
           {"WM_MENUSELECT 9 0x81 run", "WM_MENUSELECT 8 0x80 run", "WM_MENUSELECT 4 0x80 run",
            "WM_MENUSELECT 1 0x80 run", "WM_MENUSELECT 9 0x81 run"},
           kClose})},
    // The separator highlights (without MF_HILITE), the greyed line does,
    // neither gives a command; "m" is no mnemonic.
    {"clicks on a separator and a greyed line",
     [](const MenuWindow& w) -> std::vector<Step> {
       return {pressRun(w),
               releaseRun(w),
               mouseAtItem(w, w.run, kSeparator, kClick),
               mouseAtItem(w, w.run, kGrey, kClick),
               tap('M'),
               tap(VK_ESCAPE),
               tap(VK_ESCAPE)};
     },
     join({kMouseOpen, {"WM_MENUSELECT 0 0x803 run", "WM_MENUSELECT 9 0x81 run"}, kClose})},
    {"a click outside",
     [](const MenuWindow& w) -> std::vector<Step> {
       RECT box{};
       GetWindowRect(w.hwnd, &box);
       return {pressRun(w), releaseRun(w), mouseAt({box.right + 40, box.top + 200}, kClick)};
     },
     join({kMouseOpen, kClose})},
};

}  // namespace

TEST(MenuTracking, MessagesComeInWin32sOrder) {
  MenuWindow w;
  for (const Scenario& s : kScenarios) {
    SCOPED_TRACE(s.name);
    ASSERT_TRUE(runMenuSteps(w, s.steps(w)));
    expectMessages(s.expected);
  }
}

TEST(MenuTracking, TimerTicksArriveWhileTheMenuIsOpen) {
  MenuWindow w;
  // The menu stays open until the window procedure has heard five ticks.
  closeMenuAtTick(5);
  ASSERT_TRUE(runMenuSteps(w, {pressRun(w), releaseRun(w)}));
  EXPECT_EQ(ticksInMenu(), 5);
  expectMessages(join({kMouseOpen, kClose}));
}

TEST(MenuTracking, TrackPopupMenuReturnsTheChosenCommand) {
  MenuWindow w;
  BOOL chosen = -1;
  ASSERT_TRUE(runMenuSteps(
      w, {[&] { chosen = TrackPopupMenu(w.run, TPM_RETURNCMD, 300, 300, 0, w.hwnd, nullptr); },
          mouseAtItem(w, w.run, kLogging, 0), mouseAtItem(w, w.run, kLogging, kClick)}));
  EXPECT_EQ(chosen, 4);
  // No WM_COMMAND: TPM_RETURNCMD returns the command instead.
  expectMessages({"WM_ENTERMENULOOP 1", "WM_INITMENU run", "WM_INITMENUPOPUP run 0 0",
                  "WM_MENUSELECT 4 0x80 run", "WM_UNINITMENUPOPUP run", "WM_MENUSELECT 0 0xffff 0",
                  "WM_EXITMENULOOP 1"});
}
