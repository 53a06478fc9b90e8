// The whole editor run by its main routine: clicks posted from a timer while
// the event loop runs, a save through the dialog, then a quit.
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "screen_support.h"

namespace {

struct ClickScript {
  std::vector<std::function<void()>> steps;
  size_t next = 0;
  std::vector<COLORREF> seen;  // pixels read by the steps
};
ClickScript* run = nullptr;

// One step per tick; a step waits while the line-input dialog is up.
void CALLBACK nextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (run == nullptr || graphicsWindow() == nullptr) return;
  if (FindWindowA(nullptr, "ZT738_gets") != nullptr) return;
  if (run->next < run->steps.size()) run->steps[run->next++]();
}

TEST(EditorMain, DrawsSavesAndQuits) {
  ScratchDir dir;
  const std::string name = dir.file("made by clicks");
  ClickScript script;
  auto look = [&](int x, int y) { script.seen.push_back(screenPixel(x, y)); };
  script.steps = {
      // Without the package's entry point the window starts hidden; the
      // first tick may also come before the first copy of the canvas.
      [] { ShowWindow(graphicsWindow(), SW_SHOWNORMAL); },
      [&] {
        look(0, 0);
        look(-275, 225);
        postClick(-100, 50);
      },
      [&] { postClick(20, -30); },
      [&] {
        look(-100, 10);
        postClick(-265, 185);  // circle tool
      },
      [&] { postClick(-265, -95); },  // magenta
      [&] { postClick(40, 40); },
      [&] { postClick(140, 100); },
      [&] {
        look(40, 70);
        answerNextDialog(name);
        postClick(-265, -135);  // save
      },
      [&] { PostQuitMessage(0); },
  };
  run = &script;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, nextStep);
  const int result = editorMain();
  KillTimer(nullptr, timer);
  run = nullptr;

  EXPECT_EQ(result, 0);
  ASSERT_EQ(script.next, script.steps.size());
  const std::vector<COLORREF> expected = {kWhite, kBlack, kGreen, kMagenta};
  EXPECT_EQ(script.seen, expected);
  EXPECT_TRUE(dialogAnswered());
  EXPECT_EQ(readBytes(name),
            "SQUARE -100 50 20 -30 3 " + kLineEnd + "CIRCLE 40 40 140 100 6 " + kLineEnd);
}

}  // namespace
