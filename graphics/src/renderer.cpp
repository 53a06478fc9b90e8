// Draws one request into the canvas. Every pen, brush and font is made for
// the request and deleted after it; the canvas keeps the objects it had.
#include <cstring>

#include "package.h"
#include "saturate.h"

namespace zt::package {

namespace {

// Canvas coordinates of logical points, computed wide and held within int.
int canvasX(long long x) { return ZT738_saturate_int(centreX + x); }
int canvasY(long long y) { return ZT738_saturate_int(centreY - y); }

// Requests carry validated colours; anything else is drawn red.
COLORREF rgbOf(int colour) {
  return colourRgb[colour >= 0 && colour < COLOUR_COUNT ? colour : COLOUR_RED];
}

void renderBox(const DrawRequest& request) {
  const COLORREF colour = rgbOf(request.colour);
  HPEN pen = CreatePen(PS_SOLID, request.lineWidth, colour);
  HBRUSH ownBrush = request.lineWidth == 0 ? CreateSolidBrush(colour) : nullptr;
  HGDIOBJ brush = ownBrush != nullptr ? static_cast<HGDIOBJ>(ownBrush) : GetStockObject(NULL_BRUSH);
  HGDIOBJ oldPen = SelectObject(canvas, pen);
  HGDIOBJ oldBrush = SelectObject(canvas, brush);

  // The platform leaves out the right and bottom edges: one more pixel each
  // way makes the shape cover x1..x2 and y2..y1, both ends included.
  const int left = canvasX(request.x1);
  const int top = canvasY(request.y1);
  const int right = canvasX(static_cast<long long>(request.x2) + 1);
  const int bottom = canvasY(static_cast<long long>(request.y2) - 1);
  if (request.kind == RequestRectangle) {
    Rectangle(canvas, left, top, right, bottom);
  } else {
    Ellipse(canvas, left, top, right, bottom);
  }

  SelectObject(canvas, oldBrush);
  SelectObject(canvas, oldPen);
  if (ownBrush != nullptr) DeleteObject(ownBrush);
  DeleteObject(pen);
}

// Each line of the text below the previous one; the first line's bottom-left
// corner is the anchor.
void renderText(const DrawRequest& request) {
  SetTextColor(canvas, rgbOf(request.colour));
  const int oldMode = GetBkMode(canvas);
  SetBkMode(canvas, TRANSPARENT);
  HFONT font = CreateFontA(-request.x2, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           "ZT738-font");
  HGDIOBJ oldFont = SelectObject(canvas, font);

  const char* text = request.text.c_str();
  const int length = static_cast<int>(request.text.size());
  SIZE extent = {};
  GetTextExtentPointA(canvas, text, length, &extent);
  const long long pitch = extent.cy;

  const int x = canvasX(request.x1);
  long long line = 0;
  const char* start = text;
  for (;;) {
    const char* end = start;
    while (*end != '\0' && *end != '\n') ++end;
    const long long top = static_cast<long long>(centreY) - request.y1 + (line - 1) * pitch;
    TextOutA(canvas, x, ZT738_saturate_int(top), start, static_cast<int>(end - start));
    if (*end == '\0') break;
    start = end + 1;
    ++line;
  }

  SetBkMode(canvas, oldMode);
  SelectObject(canvas, oldFont);
  DeleteObject(font);
}

}  // namespace

void ZT738_render_request(const DrawRequest& request) {
  if (request.kind == RequestText) {
    renderText(request);
  } else if (request.kind == RequestRectangle || request.kind == RequestEllipse) {
    renderBox(request);
  }
  canvasDirty = true;
}

}  // namespace zt::package
