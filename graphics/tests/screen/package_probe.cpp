// A program on the package for the desktop tests of scripts/screen-tests.sh.
// PROBE_MODE chooses what it does:
//   record  switches recording on (the Run menu's command), runs the
//           animation and prints "tick N" per periodic event; RECORD_BUSY=1
//           makes it stop waiting after the first tick (a program busy
//           computing, so that a quit stays pending);
//   text    draws until the text window is full of logged requests, then
//           writes the text window's own client pixels (GetPixel) to
//           PROBE_PPM and prints "text";
//   draw    draws a fixed picture and prints "ready W H" (the screen's size
//           as the program sees it), then "click X Y" for every click.
// Every mode prints "quit" when its wait returns the quit, and ends.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "win32.h"
#include "zt738.h"

namespace {

// The Run menu's Record Script command.
constexpr WPARAM kRecordScript = 5;

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

bool writePixels(HWND hwnd, const char* path) {
  RECT r;
  GetClientRect(hwnd, &r);
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  std::fprintf(f, "P6\n%ld %ld\n255\n", static_cast<long>(r.right), static_cast<long>(r.bottom));
  HDC dc = GetDC(hwnd);
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) {
      COLORREF c = GetPixel(dc, x, y);
      unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
      std::fwrite(rgb, 1, 3, f);
    }
  }
  ReleaseDC(hwnd, dc);
  return std::fclose(f) == 0;
}

void drawPicture(Display& display) {
  display.clear(COLOUR_WHITE);
  display.drawRectangle(-200, 150, -50, 20, COLOUR_ORANGE, 0);
  display.drawCircle(100, 100, 60, COLOUR_NAVY_BLUE);
  display.drawOval(-10, -100, 41, -141, COLOUR_RED, 3);
  display.drawText(-250, -200, "ZT738", COLOUR_BLACK, 20);
}

}  // namespace

int editorMain() {
  Display display;
  std::string mode = std::getenv("PROBE_MODE") ? std::getenv("PROBE_MODE") : "record";
  int ticks = 0;
  if (mode == "record") {
    PostMessageA(FindWindowA(nullptr, "ZT738 Graphics"), WM_COMMAND, kRecordScript, 0);
    display.setAnimation(Run);
  } else if (mode == "text") {
    // Logging is on from the start: each request is a line in the text window.
    for (int i = 0; i < 60; ++i) display.drawCircle(i * 4 - 120, 0, 10 + i, i % COLOUR_COUNT);
    display.setAnimation(OneFrame);  // the wait paints what is pending first
  } else {
    drawPicture(display);
    std::printf("ready %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fflush(stdout);
  }
  for (;;) {
    int x, y;
    char key;
    EventKind kind = display.nextEvent(&x, &y, &key);
    if (kind == EventQuit) break;
    if (kind == EventMouse && mode == "draw") std::printf("click %d %d\n", x, y);
    if (kind == EventPeriodic && mode == "text") {
      const char* path = std::getenv("PROBE_PPM");
      say(path && writePixels(FindWindowA(nullptr, "ZT738 Text"), path) ? "text" : "text failed");
    }
    if (kind == EventPeriodic && mode == "record") {
      std::printf("tick %d\n", ++ticks);
      if (ticks == 1 && std::getenv("RECORD_BUSY")) {
        say("busy");
        for (;;) pause();
      }
    }
    std::fflush(stdout);
  }
  say("quit");
  return 0;
}
