// A program built on the installed package whose own globals have the
// everyday names that a graphics package could use for its state (canvas,
// logging, instance, centreX, ...). It must link without a "multiple
// definition", run, and find its globals as it left them: the package keeps
// its names to itself. Quits after ZT738_EXAMPLE_FRAMES frames (default 10)
// and ends with status 1 when a global changed under it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "zt738.h"

// The package's state, as a program might name its own.
int canvas = 11;
int canvasBitmap = 12;
bool canvasDirty = false;
int logging = 13;
int recording = 14;
int animating = 15;
int instance = 16;
int centreX = 17;
int centreY = 18;
int scriptFile = 19;
int pendingKind = 20;
int playingBack = 21;
int periodicCount = 22;
int consoleFirst = 23;
int consoleNext = 24;
int runMenu = 25;
int windowDC = 26;
int graphicsWindow = 27;
int textWindow = 28;
int tickArrived = 29;
int displayExists = 30;
int quitRequested = 31;
int getsResult = 32;
const char* colourName = "mine";
std::string consoleHistory = "mine";
// and the layer's, and helpers with everyday names.
int registry = 33;
int driver = 34;
int screen = 35;
int focus = 36;
int recordEvent() { return 37; }
int nextSlot(int slot) { return slot + 1; }

namespace {

// The sum of the globals above, as set: any change shows in it.
long sumOfGlobals() {
  return canvas + canvasBitmap + (canvasDirty ? 1000 : 0) + logging + recording + animating +
         instance + centreX + centreY + scriptFile + pendingKind + playingBack + periodicCount +
         consoleFirst + consoleNext + runMenu + windowDC + graphicsWindow + textWindow +
         tickArrived + displayExists + quitRequested + getsResult + registry + driver + screen +
         focus + recordEvent() + nextSlot(0);
}

}  // namespace

int editorMain() {
  const long before = sumOfGlobals();
  const char* limit = std::getenv("ZT738_EXAMPLE_FRAMES");
  const int frameLimit = limit != nullptr && std::atoi(limit) > 0 ? std::atoi(limit) : 10;
  {
    Display display;
    display.setAnimation(Run);
    int frames = 0;
    int x = 0;
    int y = 0;
    char key = 0;
    for (EventKind kind = EventNone; kind != EventQuit; kind = display.nextEvent(&x, &y, &key)) {
      display.clear(COLOUR_WHITE);
      display.drawCircle(centreX + frames, centreY, 20, COLOUR_RED);
      display.drawText(-290, -235, consoleHistory.c_str(), COLOUR_BLACK, 16);
      ZT738_console_printf("frame %d of %d, canvas %d\n", frames, frameLimit, canvas);
      if (kind == EventPeriodic && ++frames >= frameLimit) display.setAnimation(Quit);
    }
  }
  const long after = sumOfGlobals();
  if (after != before || std::string(colourName) != "mine" || consoleHistory != "mine") {
    std::fprintf(stderr, "the program's own globals changed: %ld, then %ld\n", before, after);
    std::exit(1);
  }
  return 0;
}
