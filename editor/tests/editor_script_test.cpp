// A whole editor session recorded through the Run menu's shortcuts and
// played back: the clicks that made a drawing are recorded, the drawing is
// saved and emptied by loading an empty file, the recording is played back
// and the drawing saved again: the replay rebuilds the same shapes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "screen_support.h"

namespace {

using Point = std::pair<int, int>;

constexpr UINT kRecordItem = 5;
constexpr UINT kPlaybackItem = 6;
// A step whose effect has not shown after this many ticks ends the run.
constexpr int kTicksPerStep = 500;

constexpr Point kSquareRow = {-275, 225};
constexpr Point kCircleRow = {-275, 185};
constexpr Point kOrangeRow = {-275, -15};
constexpr Point kYellowRow = {-275, -55};
constexpr Point kSaveRow = {-275, -135};
constexpr Point kLoadRow = {-275, -175};
// On the first square's outline (shapes are drawn unfilled), away from the
// other shapes.
constexpr Point kOnFirstSquare = {-100, 10};

// The clicks recorded: orange chosen first (the current colour is editor
// state that neither the script nor the drawing file holds, so the recording
// sets it itself), an orange square and circle, then yellow and a yellow
// square.
const std::vector<Point> kRecordedClicks = {
    kOrangeRow, kSquareRow, {-100, 50}, {20, -30},  kCircleRow, {40, 40},
    {140, 100}, kYellowRow, kSquareRow, {60, -150}, {160, -60},
};

struct Step {
  std::string name;
  std::function<void()> act;
  std::function<bool()> done;  // polled on later ticks; none: done at once
};

struct Driver {
  std::vector<Step> steps;
  size_t next = 0;
  bool acted = false;
  int ticks = 0;
  std::string stuckAt;  // the step that never took effect
};
Driver* driver = nullptr;

HWND getsDialog() { return FindWindowA(nullptr, "ZT738_gets"); }

// Ctrl+letter sent straight to the window procedure, so that no character
// message is made from the letter.
void pressCtrl(char letter) {
  HWND window = graphicsWindow();
  SendMessageA(window, WM_KEYDOWN, VK_CONTROL, 1);
  SendMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
  SendMessageA(window, WM_KEYUP, static_cast<WPARAM>(letter), static_cast<LPARAM>(0xC0000001u));
  SendMessageA(window, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC0000001u));
}

bool menuChecked(UINT item) {
  HMENU run = GetSubMenu(GetMenu(graphicsWindow()), 0);
  const UINT state = GetMenuState(run, item, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

bool shows(Point at, COLORREF colour) { return screenPixel(at.first, at.second) == colour; }

void click(Point at) { postClick(at.first, at.second); }

// One action per tick; the next step starts once the action's effect shows.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  if (driver == nullptr || graphicsWindow() == nullptr || !driver->stuckAt.empty()) return;
  if (driver->next >= driver->steps.size()) return;
  const Step& step = driver->steps[driver->next];
  if (++driver->ticks > kTicksPerStep) {
    driver->stuckAt = step.name;
    if (HWND dialog = getsDialog()) PostMessageA(dialog, WM_COMMAND, 101, 0);
    PostMessageA(graphicsWindow(), WM_CLOSE, 0, 0);
    return;
  }
  if (getsDialog() != nullptr) return;  // answered by its own timer
  if (!driver->acted) {
    step.act();
    driver->acted = true;
  } else if (!step.done) {
    return;
  }
  if (!step.done || step.done()) {
    ++driver->next;
    driver->acted = false;
    driver->ticks = 0;
  }
}

Step saveAs(const std::string& name) {
  return {"save as " + name,
          [name] {
            answerNextDialog(name);
            click(kSaveRow);
          },
          [] { return dialogAnswered() && getsDialog() == nullptr; }};
}

// The script's mouse lines in order; any line that is neither a mouse line
// nor a run of periodic events fails the test.
std::vector<Point> scriptClicks(const std::string& path) {
  std::vector<Point> clicks;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    int x = 0;
    int y = 0;
    int count = 0;
    char end = 0;
    if (std::sscanf(line.c_str(), "ZT738_MOUSE(%d, %d)%c", &x, &y, &end) == 3 && end == ';') {
      clicks.emplace_back(x, y);
    } else if (std::sscanf(line.c_str(), "ZT738_PERIODIC(%d)%c", &count, &end) != 2 || end != ';' ||
               count < 1) {
      ADD_FAILURE() << "unexpected script line: \"" << line << "\"";
    }
  }
  return clicks;
}

// Runs the test in a fresh current directory and returns to the old one.
class InDirectory {
 public:
  explicit InDirectory(const std::filesystem::path& directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
  }
  ~InDirectory() { std::filesystem::current_path(previous_); }
  InDirectory(const InDirectory&) = delete;
  InDirectory& operator=(const InDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST(EditorScript, PlaybackRebuildsTheRecordedDrawing) {
  ScratchDir dir;
  InDirectory inDir(dir.path());

  bool playbackStarted = false;
  Driver run;
  // Without the package's entry point the window starts hidden.
  run.steps.push_back({"show the window", [] { ShowWindow(graphicsWindow(), SW_SHOWNORMAL); }, {}});
  run.steps.push_back(
      {"Ctrl+R to record", [] { pressCtrl('R'); }, [] { return menuChecked(kRecordItem); }});
  for (const Point& at : kRecordedClicks) {
    run.steps.push_back(
        {"click at (" + std::to_string(at.first) + ", " + std::to_string(at.second) + ")",
         [at] { click(at); },
         {}});
  }
  run.steps.push_back({"Ctrl+R to stop recording", [] { pressCtrl('R'); },
                       [] { return !menuChecked(kRecordItem); }});
  run.steps.push_back({"the drawing shows", [] {}, [] { return shows(kOnFirstSquare, kOrange); }});
  run.steps.push_back(saveAs("first.txt"));
  run.steps.push_back({"load empty.txt",
                       [] {
                         writeBytes("empty.txt", "");
                         answerNextDialog("empty.txt");
                         click(kLoadRow);
                       },
                       [] {
                         return dialogAnswered() && getsDialog() == nullptr &&
                                shows(kOnFirstSquare, kWhite);
                       }});
  run.steps.push_back(
      {"Ctrl+P and the playback's end",
       [&playbackStarted] {
         pressCtrl('P');
         playbackStarted = menuChecked(kPlaybackItem);
       },
       [] { return !menuChecked(kPlaybackItem) && shows(kOnFirstSquare, kOrange); }});
  run.steps.push_back(saveAs("second.txt"));
  run.steps.push_back({"Ctrl+Q", [] { pressCtrl('Q'); }, {}});

  driver = &run;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, tick);
  const int result = editorMain();
  KillTimer(nullptr, timer);
  driver = nullptr;

  EXPECT_EQ(result, 0);
  ASSERT_EQ(run.stuckAt, "") << "gave up waiting for this step to take effect";
  ASSERT_EQ(run.next, run.steps.size()) << "the editor quit before the steps ran out";
  EXPECT_TRUE(playbackStarted) << "Ctrl+P did not check Playback Script";

  ASSERT_TRUE(std::filesystem::exists("ZT738.SCR"));
  EXPECT_EQ(scriptClicks("ZT738.SCR"), kRecordedClicks);

  EXPECT_EQ(readBytes("first.txt"), "SQUARE -100 50 20 -30 13 " + kLineEnd +
                                        "CIRCLE 40 40 140 100 13 " + kLineEnd +
                                        "SQUARE 60 -150 160 -60 5 " + kLineEnd);
  // The played-back session ends in the same drawing.
  EXPECT_EQ(readBytes("second.txt"), readBytes("first.txt"));
}

}  // namespace
