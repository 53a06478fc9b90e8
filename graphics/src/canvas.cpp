// Canvas-wide operations: copy it to the window, wipe it white.
#include "package.h"

namespace zt::package {

int ZT738_refresh() {
  if (logging) ZT738_console_printf("Flushing the graphics window\n");
  if (canvasDirty) ZT738_copy_canvas(windowDC);
  return 1;
}

int ZT738_erase() {
  if (logging) ZT738_console_printf("Clearing the graphics window\n");
  HBRUSH brush = CreateSolidBrush(colourRgb[COLOUR_WHITE]);
  HGDIOBJ oldBrush = SelectObject(canvas, brush);
  Rectangle(canvas, 0, 0, CANVAS_WIDTH, CANVAS_HEIGHT);
  SelectObject(canvas, oldBrush);
  DeleteObject(brush);
  canvasDirty = true;
  return 1;
}

}  // namespace zt::package
