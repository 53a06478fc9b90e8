// The teacher's reference program of the grading example: a click draws a
// square centred on it, c switches the colour between blue and red, s asks
// for a file name and saves how many squares were drawn, and the console
// tells of each square.
#include <string>

#include "zt738.h"

int editorMain() {
  Display display;
  display.clear(COLOUR_WHITE);
  display.drawText(-290, 220, "Squares", COLOUR_BLACK, 20);
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
        ZT738_console_printf("square %d at (%d, %d)\n", squares, x, y);
        break;
      case EventKey:
        if (key == 'c') colour = colour == COLOUR_BLUE ? COLOUR_RED : COLOUR_BLUE;
        if (key == 's') {
          char name[GETS_CAPACITY] = {};
          ZT738_gets("save as", name);
          const std::string text = std::to_string(squares) + " squares\n";
          if (!ZT738_replace_file(name, text.data(), text.size()))
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
