#include "long_playback.h"

#include <cstdio>

#include "app/editor_state.h"
#include "app/palette.h"
#include "package_test_support.h"

namespace {

// Palette rows, at their centres.
constexpr int kPaletteX = -275;
constexpr int kSquareRow = 225;
constexpr int kCircleRow = 185;
constexpr int kMoveRow = 145;
constexpr int kResizeRow = 105;
constexpr int kDeleteRow = 65;
constexpr int kPickRow = 25;
constexpr int kOrangeRow = -15;
constexpr int kYellowRow = -55;
constexpr int kPeriodicRun = 3;

void click(FILE* file, EventCounts& counts, int x, int y) {
  std::fprintf(file, "ZT738_MOUSE(%d, %d);\n", x, y);
  ++counts.mouse;
}

// One cycle at (x, y): every shape it makes, it deletes.
void cycle(FILE* file, EventCounts& counts, int x, int y) {
  click(file, counts, kPaletteX, kSquareRow);
  click(file, counts, x, y);
  click(file, counts, x + 40, y - 40);
  click(file, counts, kPaletteX, kCircleRow);
  click(file, counts, x + 10, y + 60);
  click(file, counts, x + 50, y + 100);
  click(file, counts, kPaletteX, kPickRow);
  click(file, counts, x + 30, y + 80);  // inside the circle
  click(file, counts, kPaletteX, kYellowRow);
  click(file, counts, kPaletteX, kMoveRow);
  click(file, counts, x + 60, y + 70);
  click(file, counts, kPaletteX, kResizeRow);
  click(file, counts, x + 90, y + 100);
  click(file, counts, kPaletteX, kDeleteRow);
  click(file, counts, kPaletteX, kPickRow);
  click(file, counts, x + 20, y - 20);  // inside the square
  click(file, counts, kPaletteX, kOrangeRow);
  click(file, counts, kPaletteX, kDeleteRow);
  std::fprintf(file, "ZT738_KBD(%d);\n", 'a' + (x & 7));
  ++counts.key;
  std::fprintf(file, "ZT738_PERIODIC(%d);\n", kPeriodicRun);
  counts.periodic += kPeriodicRun;
}

// Ends the wait that follows the end of the playback: the wait takes posted
// messages before script events, so nothing can be posted beforehand.
bool playbackOver = false;
void CALLBACK wakeAfterPlayback(HWND, UINT, UINT_PTR, DWORD) {
  if (!playingBack && !playbackOver) {
    playbackOver = true;
    postToGraphics(WM_CHAR, 'z', 1);
  }
}

}  // namespace

EventCounts writeLongScript(const std::string& path, long events) {
  EventCounts counts;
  FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return counts;
  for (long i = 0; counts.total() < events; ++i) {
    cycle(file, counts, static_cast<int>((i * 7) % 400) - 200,
          static_cast<int>((i * 13) % 300) - 150);
  }
  std::fclose(file);
  return counts;
}

EventCounts playThroughEditor(const std::function<void(const EventCounts&)>& afterEvent) {
  Display& display = sharedDisplay();
  resetPackage();
  EditorState state;
  display.clear(COLOUR_WHITE);
  drawPalette(display);
  playbackOver = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, wakeAfterPlayback);
  ZT738_menu_command(CmdPlaybackScript);
  EventCounts handled;
  while (!playbackOver) {
    int x = 0;
    int y = 0;
    char key = 0;
    const EventKind kind = display.nextEvent(&x, &y, &key);
    if (playbackOver) break;  // the wake-up key, not the script's
    handleEvent(kind, x, y, state, display);
    handled.mouse += kind == EventMouse ? 1 : 0;
    handled.key += kind == EventKey ? 1 : 0;
    handled.periodic += kind == EventPeriodic ? 1 : 0;
    afterEvent(handled);
  }
  KillTimer(nullptr, timer);
  resetPackage();
  return handled;
}
