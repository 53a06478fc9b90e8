// The drawing primitives: correct and report bad arguments, describe the
// request when logging is on, and draw it into the canvas.
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "package.h"
#include "saturate.h"

namespace zt::package {

namespace {

// -INT_MIN does not exist; the largest int stands in for it.
int negate(int value) { return ZT738_saturate_int(-static_cast<long long>(value)); }

// x1 <= x2 and y1 >= y2: the first corner becomes the logical top-left.
void normaliseBox(int& x1, int& y1, int& x2, int& y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 < y2) std::swap(y1, y2);
}

int correctLineWidth(int lineWidth) {
  if (lineWidth >= 0) return lineWidth;
  ZT738_console_printf("Width of %d not possible, using width %d\n", lineWidth, negate(lineWidth));
  return negate(lineWidth);
}

int correctPointSize(int pointSize) {
  if (pointSize < 0) {
    ZT738_console_printf("ptsize of %d not possible, using ptsize %d\n", pointSize,
                         negate(pointSize));
    pointSize = negate(pointSize);
  }
  if (pointSize > MAX_POINT_SIZE) {
    ZT738_console_printf("ptsize of %d not possible, using ptsize %d\n", pointSize, MAX_POINT_SIZE);
    pointSize = MAX_POINT_SIZE;
  }
  return pointSize;
}

void drawBox(RequestKind kind, int colour, int x1, int y1, int x2, int y2, int lineWidth) {
  DrawRequest request;
  request.kind = kind;
  request.colour = colour;
  request.lineWidth = lineWidth;
  request.x1 = x1;
  request.y1 = y1;
  request.x2 = x2;
  request.y2 = y2;
  ZT738_render_request(request);
}

}  // namespace

int ZT738_fill_circle(int colour, int x, int y, int radius) {
  colour = ZT738_check_colour(colour);
  if (radius < 0) {
    ZT738_console_printf("Radius of %d not possible, using radius %d\n", radius, negate(radius));
    radius = negate(radius);
  }
  if (logging) {
    ZT738_console_printf("%s circle at (%d,%d), radius %d\n", colourName[colour], x, y, radius);
  }
  const long long r = radius;
  drawBox(RequestEllipse, colour, ZT738_saturate_int(x - r), ZT738_saturate_int(y + r),
          ZT738_saturate_int(x + r), ZT738_saturate_int(y - r), 0);
  return 1;
}

int ZT738_draw_rectangle(int colour, int x1, int y1, int x2, int y2, int lineWidth) {
  normaliseBox(x1, y1, x2, y2);
  colour = ZT738_check_colour(colour);
  lineWidth = correctLineWidth(lineWidth);
  if (logging) {
    if (lineWidth != 0) {
      ZT738_console_printf("%s rectangle with bounding box (%d,%d) to (%d,%d) with line width %d\n",
                           colourName[colour], x1, y1, x2, y2, lineWidth);
    } else {
      ZT738_console_printf("%s rectangle with bounding box (%d,%d) to (%d,%d), filled\n",
                           colourName[colour], x1, y1, x2, y2);
    }
  }
  drawBox(RequestRectangle, colour, x1, y1, x2, y2, lineWidth);
  return 1;
}

int ZT738_draw_oval(int colour, int x1, int y1, int x2, int y2, int lineWidth) {
  normaliseBox(x1, y1, x2, y2);
  lineWidth = correctLineWidth(lineWidth);
  colour = ZT738_check_colour(colour);
  if (logging) {
    if (lineWidth != 0) {
      ZT738_console_printf("%s oval with bounding box (%d,%d) to (%d,%d), line width %d\n",
                           colourName[colour], x1, y1, x2, y2, lineWidth);
    } else {
      ZT738_console_printf("%s oval with bounding box (%d,%d) to (%d,%d), filled\n",
                           colourName[colour], x1, y1, x2, y2);
    }
  }
  drawBox(RequestEllipse, colour, x1, y1, x2, y2, lineWidth);
  return 1;
}

int ZT738_draw_text(int colour, int x, int y, int pointSize, const char* text) {
  if (text == nullptr) text = "";
  pointSize = correctPointSize(pointSize);
  colour = ZT738_check_colour(colour);
  if (logging) {
    ZT738_console_printf("%s text at (%d,%d), \"%s\"\n", colourName[colour], x, y, text);
  }
  DrawRequest request;
  request.kind = RequestText;
  request.colour = colour;
  request.x1 = x;
  request.y1 = y;
  request.x2 = pointSize;
  request.text = text;
  ZT738_render_request(request);
  return 1;
}

int ZT738_draw_textf(int colour, int x, int y, int pointSize, const char* format, ...) {
  char buffer[FORMAT_BUFFER_SIZE];
  va_list args;
  va_start(args, format);
  const int produced = ZT738_format(buffer, format, args);
  va_end(args);
  ZT738_draw_text(colour, x, y, pointSize, buffer);
  return ZT738_formatted_length(produced);
}

}  // namespace zt::package
