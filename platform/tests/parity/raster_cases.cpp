#include "raster_cases.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(255, 0, 0);
constexpr COLORREF kBrush = RGB(0, 0, 255);

// Boxes with their top-left corner at the margin.
RECT boxAt(int width, int height) {
  return RECT{kRasterMargin, kRasterMargin, kRasterMargin + width, kRasterMargin + height};
}

std::string penName(int width) { return width < 0 ? "nullpen" : "pen" + std::to_string(width); }

void addBoxCases(std::vector<RasterCase>& cases, RasterShape shape, const std::string& prefix) {
  struct Box {
    const char* name;
    int width;
    int height;
  };
  const Box boxes[] = {{"square", 16, 16}, {"wide", 40, 7}, {"tall", 7, 40}, {"small", 4, 4}};
  for (const Box& b : boxes) {
    for (int pen : {0, 1, 3, 5}) {
      for (bool solid : {true, false}) {
        cases.push_back({prefix + penName(pen) + (solid ? "-solid-" : "-hollow-") + b.name, shape,
                         pen, solid, boxAt(b.width, b.height)});
      }
    }
    cases.push_back(
        {prefix + "nullpen-solid-" + b.name, shape, -1, true, boxAt(b.width, b.height)});
  }
  // The corners given the other way round.
  RECT inverted = boxAt(16, 10);
  std::swap(inverted.left, inverted.right);
  std::swap(inverted.top, inverted.bottom);
  cases.push_back({prefix + "pen1-solid-inverted", shape, 1, true, inverted});
  cases.push_back({prefix + "pen3-hollow-inverted", shape, 3, false, inverted});
}

// Ellipses with pens 2 to 10 wide: every box up to 20 pixels a side in
// three shapes (square, and wide and tall pairs of odd and even sides), then
// a spread of sides up to 200, long and thin both ways round and rounder
// boxes with a few pens each (their pixels are many). About half of the
// cases have a solid brush.
void addWidePenEllipseCases(std::vector<RasterCase>& cases) {
  struct Box {
    int width;
    int height;
    int pens;  // how many of the pens 2..10 draw it, spread over the range
  };
  std::vector<Box> boxes;
  for (int s = 1; s <= 20; ++s) {
    boxes.push_back({s, s, 9});
    boxes.push_back({s, 21 - s, 9});
    if (22 - s != s) boxes.push_back({s, 22 - s, 9});
  }
  for (int side : {23, 32, 47, 64, 99, 128, 151, 200}) {
    for (int thin : {4, 7}) {
      boxes.push_back({side, thin, 9});
      boxes.push_back({thin, side, 9});
    }
    boxes.push_back({side, side, 2});
    boxes.push_back({side, side * 2 / 3, 2});
    boxes.push_back({side * 2 / 3, side, 2});
  }
  int turn = 0;  // rotates the pens of the boxes drawn with only a few
  for (const Box& b : boxes) {
    for (int i = 0; i < b.pens; ++i) {
      const int pen = 2 + (b.pens == 9 ? i : (turn + i * 9 / b.pens) % 9);
      // Wine fills the end rows of a tall box this thin from memory it never
      // set, so those boxes get no brush.
      const bool needle = b.height >= 2 * (b.width - 1) * (b.width - 1);
      const bool solid = !needle && (b.width + b.height + pen) % 2 == 0;
      char name[64];
      std::snprintf(name, sizeof name, "ellipse-wide-pen%02d-%03dx%03d-%s", pen, b.width, b.height,
                    solid ? "solid" : "hollow");
      cases.push_back({name, RasterShape::Ellipse, pen, solid, boxAt(b.width, b.height)});
    }
    if (b.pens != 9) ++turn;
  }
}

}  // namespace

std::vector<RasterCase> rasterCases() {
  std::vector<RasterCase> cases;
  addBoxCases(cases, RasterShape::Rectangle, "rect-");
  addBoxCases(cases, RasterShape::Ellipse, "ellipse-");
  addWidePenEllipseCases(cases);
  // Circles as a renderer draws them: radius r spans 2r + 1 pixels.
  for (int r = 0; r <= 12; ++r) {
    const std::string radius = (r < 10 ? "0" : "") + std::to_string(r);
    cases.push_back(
        {"ellipse-disc-r" + radius, RasterShape::Ellipse, 1, true, boxAt(2 * r + 1, 2 * r + 1)});
    cases.push_back(
        {"ellipse-ring5-r" + radius, RasterShape::Ellipse, 5, false, boxAt(2 * r + 1, 2 * r + 1)});
  }
  // Empty and one-pixel boxes, for both shapes.
  struct Degenerate {
    const char* name;
    int width;
    int height;
  };
  const Degenerate boxes[] = {{"empty", 0, 0}, {"zero-width", 0, 10}, {"zero-height", 10, 0},
                              {"dot", 1, 1},   {"column", 1, 10},     {"row", 10, 1},
                              {"two", 2, 2}};
  for (RasterShape shape : {RasterShape::Rectangle, RasterShape::Ellipse}) {
    const std::string kind = shape == RasterShape::Rectangle ? "rect-" : "ellipse-";
    for (const Degenerate& b : boxes) {
      for (int pen : {1, 3, -1}) {
        cases.push_back({"degenerate-" + kind + penName(pen) + "-" + b.name, shape, pen, true,
                         boxAt(b.width, b.height)});
      }
    }
  }
  return cases;
}

RasterGrid drawRasterCase(const RasterCase& c) {
  const int width = std::max(c.box.left, c.box.right) + kRasterMargin;
  const int height = std::max(c.box.top, c.box.bottom) + kRasterMargin;
  RasterGrid grid;
  grid.name = c.name;
  grid.width = width;
  grid.height = height;
  grid.call = std::string(c.shape == RasterShape::Rectangle ? "Rectangle" : "Ellipse") + "(" +
              std::to_string(c.box.left) + ", " + std::to_string(c.box.top) + ", " +
              std::to_string(c.box.right) + ", " + std::to_string(c.box.bottom) + ") with " +
              (c.penWidth < 0 ? "NULL_PEN" : "a " + std::to_string(c.penWidth) + " wide pen") +
              (c.solidBrush ? " and a solid brush" : " and NULL_BRUSH");

  // Win32 gives a new memory DC a monochrome bitmap, so the surface is made
  // compatible with the screen; a layer without a screen DC uses the memory DC.
  HDC screen = GetDC(NULL);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen ? screen : dc, width, height);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  const RECT all{0, 0, width, height};
  HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(dc, &all, background);
  DeleteObject(background);

  HPEN pen = c.penWidth < 0 ? NULL : CreatePen(PS_SOLID, c.penWidth, kPen);
  HBRUSH brush = c.solidBrush ? CreateSolidBrush(kBrush) : NULL;
  HGDIOBJ oldPen = SelectObject(dc, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
  HGDIOBJ oldBrush =
      SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
  if (c.shape == RasterShape::Rectangle) {
    Rectangle(dc, c.box.left, c.box.top, c.box.right, c.box.bottom);
  } else {
    Ellipse(dc, c.box.left, c.box.top, c.box.right, c.box.bottom);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  if (pen) DeleteObject(pen);
  if (brush) DeleteObject(brush);

  for (int y = 0; y < height; ++y) {
    std::string row(width, kPixelOther);
    for (int x = 0; x < width; ++x) {
      const COLORREF p = GetPixel(dc, x, y);
      row[x] = p == kBackground ? kPixelUntouched
               : p == kPen      ? kPixelPen
               : p == kBrush    ? kPixelBrush
                                : kPixelOther;
    }
    grid.rows.push_back(row);
  }
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  if (screen) ReleaseDC(NULL, screen);
  return grid;
}
