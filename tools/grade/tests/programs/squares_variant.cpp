// The grading example's reference with one fault chosen at build time, for
// the grader's tests: FAULT_WRONG_COLOUR (green for red), FAULT_MISSING_LINE
// (no console line for a square), FAULT_NOT_SAVED (no file written),
// FAULT_TEXT_SIZE (a title one size larger: pixels differ, the log does not).
#include <string>

#include "zt738.h"

#ifdef FAULT_WRONG_COLOUR
constexpr int RED = COLOUR_GREEN;
#else
constexpr int RED = COLOUR_RED;
#endif

int editorMain() {
  Display display;
  display.clear(COLOUR_WHITE);
#ifdef FAULT_TEXT_SIZE
  display.drawText(-290, 220, "Squares", COLOUR_BLACK, 21);
#else
  display.drawText(-290, 220, "Squares", COLOUR_BLACK, 20);
#endif
  int colour = COLOUR_BLUE;
  int squares = 0;
  for (;;) {
    int x = 0;
    int y = 0;
    char key = 0;
    switch (display.nextEvent(&x, &y, &key)) {
      case EventMouse:
        display.drawRectangle(x - 20, y - 20, x + 20, y + 20, colour, 0);
        ++squares;
#ifndef FAULT_MISSING_LINE
        ZT738_console_printf("square %d at (%d, %d)\n", squares, x, y);
#endif
        break;
      case EventKey:
        if (key == 'c') colour = colour == COLOUR_BLUE ? RED : COLOUR_BLUE;
        if (key == 's') {
          char name[GETS_CAPACITY] = {};
          ZT738_gets("save as", name);
          const std::string text = std::to_string(squares) + " squares\n";
#ifdef FAULT_NOT_SAVED
          if ((false))
#else
          if (!ZT738_replace_file(name, text.data(), text.size()))
#endif
            ZT738_console_printf("cannot save %s\n", name);
        }
        break;
      case EventQuit:
        return 0;
      default:
        break;
    }
  }
}
