// A program on the package that draws a blue square and then waits for
// events for ever, the quit included.
#include "zt738.h"

int editorMain() {
  Display display;
  display.clear(COLOUR_WHITE);
  display.drawRectangle(-50, -50, 50, 50, COLOUR_BLUE, 0);
  for (;;) {
    int x = 0;
    int y = 0;
    char key = 0;
    display.nextEvent(&x, &y, &key);
  }
}
