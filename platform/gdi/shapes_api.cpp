// Rectangle, Ellipse, FillRect and single pixels.
#include <algorithm>
#include <utility>

#include "gdi_objects.h"
#include "raster.h"
#include "stroke.h"

using namespace zt::platform;
using namespace zt::platform::gdi;

namespace {

// Coordinates far off any surface are pulled in, so that no arithmetic on
// them can overflow; shapes that large are clipped away anyway.
constexpr int coordinateLimit = 1 << 28;
// Ellipses are rasterised row by row; beyond this size the job is refused.
constexpr int ellipseLimit = 1 << 16;
// Wider pens are drawn this wide.
constexpr int penLimit = 1024;

// The pen and brush of a DC as the raster code needs them.
struct Paint {
  bool pen = false;
  int penWidth = 1;
  COLORREF penColour = 0;
  bool brush = false;
  COLORREF brushColour = 0;
};

Paint paintOf(const DeviceContext& dc) {
  Paint paint;
  if (const Pen* pen = findAs<Pen>(dc.pen); pen && pen->style != PS_NULL) {
    paint.pen = true;
    paint.penWidth = std::clamp(pen->width, 1, penLimit);
    paint.penColour = pen->colour;
  }
  if (const Brush* brush = findAs<Brush>(dc.brush); brush && !brush->hollow) {
    paint.brush = true;
    paint.brushColour = brush->colour;
  }
  return paint;
}

int clampCoordinate(int value) { return std::clamp(value, -coordinateLimit, coordinateLimit); }

void normalise(int& left, int& top, int& right, int& bottom) {
  left = clampCoordinate(left);
  top = clampCoordinate(top);
  right = clampCoordinate(right);
  bottom = clampCoordinate(bottom);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

}  // namespace

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
  DeviceContext* dc;
  Surface* surface;
  if (!drawTarget(handle, dc, surface)) return FALSE;
  normalise(left, top, right, bottom);
  const Paint paint = paintOf(*dc);
  if (!paint.pen) {
    if (paint.brush) fillBox(*surface, left, top, right - 1, bottom - 1, paint.brushColour);
    return TRUE;
  }
  if (right == left || bottom == top) return TRUE;
  // A one-pixel box closes a thin outline onto itself, which leaves nothing.
  if (paint.penWidth == 1 && right - left == 1 && bottom - top == 1) return TRUE;
  if (paint.brush) fillBox(*surface, left + 1, top + 1, right - 1, bottom - 1, paint.brushColour);
  if (paint.penWidth == 1) {
    fillSpan(*surface, top, left, right - 1, paint.penColour);
    fillSpan(*surface, bottom - 1, left, right - 1, paint.penColour);
    fillBox(*surface, left, top, left + 1, bottom, paint.penColour);
    fillBox(*surface, right - 1, top, right, bottom, paint.penColour);
  } else {
    strokeRectangle(*surface, left, top, right - 1, bottom - 1, paint.penWidth, paint.penColour);
  }
  return TRUE;
}

BOOL Ellipse(HDC handle, int left, int top, int right, int bottom) {
  DeviceContext* dc;
  Surface* surface;
  if (!drawTarget(handle, dc, surface)) return FALSE;
  normalise(left, top, right, bottom);
  // Too thin to round off: drawn as the rectangle of the same box, pen and brush.
  if (right - left <= 2 || bottom - top <= 2) return Rectangle(handle, left, top, right, bottom);
  if (right - left > ellipseLimit || bottom - top > ellipseLimit) return FALSE;
  const Paint paint = paintOf(*dc);
  if (paint.pen && paint.penWidth > 1) {
    strokeEllipse(*surface, left, top, right, bottom, paint.penWidth, paint.penColour,
                  paint.brush ? &paint.brushColour : nullptr);
    return TRUE;
  }
  const EllipseRows outline = ellipseOutline(left, top, right, bottom);
  for (int i = 0; i < outline.rows(); ++i) {
    const Span arc = outline.leftArc[static_cast<size_t>(i)];
    if (arc.left > arc.right) continue;
    const int y = outline.top + i;
    if (!paint.pen) {
      if (paint.brush) fillSpan(*surface, y, arc.left, outline.mirror(arc.left), paint.brushColour);
      continue;
    }
    if (paint.brush)
      fillSpan(*surface, y, arc.right + 1, outline.mirror(arc.right) - 1, paint.brushColour);
    fillSpan(*surface, y, arc.left, arc.right, paint.penColour);
    fillSpan(*surface, y, outline.mirror(arc.right), outline.mirror(arc.left), paint.penColour);
  }
  return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
  DeviceContext* dc;
  Surface* surface;
  const Brush* brush = findAs<Brush>(brushHandle);
  if (!rect || !brush || !drawTarget(handle, dc, surface)) return 0;
  if (brush->hollow) return 1;
  // An inverted rectangle covers the same number of pixels, counted back from left/top.
  int left = clampCoordinate(rect->left), right = clampCoordinate(rect->right);
  int top = clampCoordinate(rect->top), bottom = clampCoordinate(rect->bottom);
  if (right < left) {
    const int from = right + 1;
    right = left + 1;
    left = from;
  }
  if (bottom < top) {
    const int from = bottom + 1;
    bottom = top + 1;
    top = from;
  }
  fillBox(*surface, left, top, right, bottom, brush->colour);
  return 1;
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF colour) {
  DeviceContext* dc;
  Surface* surface;
  if (!drawTarget(handle, dc, surface)) return CLR_INVALID;
  // A pixel outside the surface is clipped away: nothing set, as on Win32.
  if (!surface->contains(x, y)) return CLR_INVALID;
  colour &= 0x00FFFFFF;
  surface->row(y)[x] = colour;
  return colour;
}

COLORREF GetPixel(HDC handle, int x, int y) {
  DeviceContext* dc;
  Surface* surface;
  if (!drawTarget(handle, dc, surface) || !surface->contains(x, y)) return CLR_INVALID;
  return surface->row(y)[x];
}
