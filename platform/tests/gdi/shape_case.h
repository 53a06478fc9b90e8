// Coverage cases for Rectangle and Ellipse: a box, a pen and a brush, and
// the picture that Win32 draws for them, measured pixel by pixel.
#pragma once

#include <string>

#include "canvas.h"

namespace gdi_test {

constexpr COLORREF kPen = RGB(255, 0, 0);
constexpr COLORREF kBrush = RGB(0, 0, 255);

struct ShapeCase {
  const char* name;
  int pen;     // pen width, or -1 for NULL_PEN
  bool brush;  // a solid brush, or NULL_BRUSH
  RECT box;
  int width;  // of the canvas
  int height;
  const char* expected;  // rows packed one after another
};

using ShapeCall = BOOL (*)(HDC, int, int, int, int);

// Draws a case's shape with a red pen and a blue brush on a white canvas;
// returns what the call returned.
inline BOOL drawCase(Canvas& canvas, const ShapeCase& c, ShapeCall shape, int pen, bool brush) {
  HPEN p = pen < 0 ? static_cast<HPEN>(GetStockObject(NULL_PEN)) : CreatePen(PS_SOLID, pen, kPen);
  HBRUSH b = brush ? CreateSolidBrush(kBrush) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = SelectObject(canvas.dc(), p);
  HGDIOBJ oldBrush = SelectObject(canvas.dc(), b);
  const BOOL done = shape(canvas.dc(), c.box.left, c.box.top, c.box.right, c.box.bottom);
  SelectObject(canvas.dc(), oldPen);
  SelectObject(canvas.dc(), oldBrush);
  DeleteObject(p);
  DeleteObject(b);
  return done;
}

inline void expectCoverage(const ShapeCase& c, ShapeCall shape) {
  Canvas canvas(c.width, c.height);
  EXPECT_TRUE(drawCase(canvas, c, shape, c.pen, c.brush)) << c.name;
  EXPECT_EQ(rows(c.expected, c.width), canvas.mask(kPen, kBrush)) << c.name;
}

}  // namespace gdi_test
