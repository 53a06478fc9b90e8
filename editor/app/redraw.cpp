#include "app/redraw.h"

#include "app/palette.h"

void redrawAll(Display& display, ShapeList& shapes) {
  display.clear(COLOUR_WHITE);
  shapes.drawAll(display);
  drawPalette(display);
}
