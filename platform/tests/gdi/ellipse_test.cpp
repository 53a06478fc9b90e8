// Ellipse: exact coverage where it matches Win32 pixel for pixel, and the
// properties every ellipse must have where Win32 implementations differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shape_case.h"

using namespace gdi_test;

namespace {

// clang-format off
const ShapeCase kEllipses[] = {
    {"radius 0: nothing", 1, true, {1, 1, 2, 2}, 3, 3,
     "..."
     "..."
     "..."},
    {"radius 1", 1, true, {1, 1, 4, 4}, 5, 5,
     "....."
     "..P.."
     ".PBP."
     "..P.."
     "....."},
    {"radius 2", 1, true, {1, 1, 6, 6}, 7, 7,
     "......."
     "..PPP.."
     ".PBBBP."
     ".PBBBP."
     ".PBBBP."
     "..PPP.."
     "......."},
    {"radius 4", 1, true, {1, 1, 10, 10}, 11, 11,
     "..........."
     "....PPP...."
     "..PPBBBPP.."
     "..PBBBBBP.."
     ".PBBBBBBBP."
     ".PBBBBBBBP."
     ".PBBBBBBBP."
     "..PBBBBBP.."
     "..PPBBBPP.."
     "....PPP...."
     "..........."},
    {"radius 4, pen 0", 0, true, {1, 1, 11, 9}, 12, 10,
     "............"
     "....PPPP...."
     "..PPBBBBPP.."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     "..PPBBBBPP.."
     "....PPPP...."
     "............"},
    {"radius 5, hollow brush", 1, false, {1, 1, 12, 12}, 13, 13,
     "............."
     "....PPPPP...."
     "...P.....P..."
     "..P.......P.."
     ".P.........P."
     ".P.........P."
     ".P.........P."
     ".P.........P."
     ".P.........P."
     "..P.......P.."
     "...P.....P..."
     "....PPPPP...."
     "............."},
    {"radius 4, null pen", -1, true, {1, 1, 10, 10}, 11, 11,
     "..........."
     "....BBB...."
     "..BBBBBBB.."
     "..BBBBBBB.."
     ".BBBBBBBBB."
     ".BBBBBBBBB."
     ".BBBBBBBBB."
     "..BBBBBBB.."
     "..BBBBBBB.."
     "....BBB...."
     "..........."},
    {"wide box", 1, true, {1, 1, 31, 10}, 32, 11,
     "................................"
     ".........PPPPPPPPPPPPPP........."
     ".....PPPPBBBBBBBBBBBBBBPPPP....."
     "...PPBBBBBBBBBBBBBBBBBBBBBBPP..."
     ".PPBBBBBBBBBBBBBBBBBBBBBBBBBBPP."
     ".PBBBBBBBBBBBBBBBBBBBBBBBBBBBBP."
     ".PPBBBBBBBBBBBBBBBBBBBBBBBBBBPP."
     "...PPBBBBBBBBBBBBBBBBBBBBBBPP..."
     ".....PPPPBBBBBBBBBBBBBBPPPP....."
     ".........PPPPPPPPPPPPPP........."
     "................................"},
    {"flipped corners", 1, true, {19, 11, 1, 1}, 20, 12,
     "...................."
     "......PPPPPPPP......"
     "....PPBBBBBBBBPP...."
     "..PPBBBBBBBBBBBBPP.."
     "..PBBBBBBBBBBBBBBP.."
     ".PBBBBBBBBBBBBBBBBP."
     ".PBBBBBBBBBBBBBBBBP."
     "..PBBBBBBBBBBBBBBP.."
     "..PPBBBBBBBBBBBBPP.."
     "....PPBBBBBBBBPP...."
     "......PPPPPPPP......"
     "...................."},
    {"width 1", 1, true, {1, 1, 2, 9}, 3, 10,
     "..."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     "..."},
    {"width 2", 1, true, {1, 1, 3, 13}, 4, 14,
     "...."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     "...."},
    {"height 1", 1, true, {1, 1, 6, 2}, 7, 3,
     "......."
     ".PPPPP."
     "......."},
    {"height 2", 1, true, {1, 1, 7, 3}, 8, 4,
     "........"
     ".PPPPPP."
     ".PPPPPP."
     "........"},
    {"null pen, width 2", -1, true, {1, 1, 3, 9}, 4, 10,
     "...."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     "...."
     "...."},
    {"null pen, height 2", -1, true, {1, 1, 9, 3}, 10, 4,
     ".........."
     ".BBBBBBB.."
     ".........."
     ".........."},
    {"one row, pen 3: the rectangle", 3, true, {2, 2, 6, 3}, 8, 5,
     "........"
     "..PPPP.."
     ".PPPPPP."
     "..PPPP.."
     "........"},
    {"empty box, pen 3: nothing", 3, true, {2, 2, 2, 2}, 4, 4,
     "...."
     "...."
     "...."
     "...."},
    {"two by two, pen 1: all pen", 1, true, {1, 1, 3, 3}, 4, 4,
     "...."
     ".PP."
     ".PP."
     "...."},
    {"pen 5, solid brush", 5, true, {3, 3, 18, 10}, 21, 13,
     "....................."
     "......PPPPPPPPP......"
     "....PPPPPPPPPPPPP...."
     "..PPPPPPPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPPPP."
     ".PPPPPPPBBBBBPPPPPPP."
     ".PPPPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPPPP."
     "..PPPPPPPPPPPPPPPPP.."
     "....PPPPPPPPPPPPP...."
     "......PPPPPPPPP......"
     "....................."},
    {"pen 5, hollow brush", 5, false, {3, 3, 19, 10}, 22, 13,
     "......................"
     "......PPPPPPPPPP......"
     "....PPPPPPPPPPPPPP...."
     "..PPPPPPPPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPPPPP."
     ".PPPPPPP......PPPPPPP."
     ".PPPPPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPPPPP."
     "..PPPPPPPPPPPPPPPPPP.."
     "....PPPPPPPPPPPPPP...."
     "......PPPPPPPPPP......"
     "......................"},
    {"pen 3, hollow brush: not symmetric", 3, false, {3, 3, 19, 19}, 22, 22,
     "......................"
     "......................"
     "........PPPPPPPP......"
     "......PPPPPPPPPPP....."
     ".....PPPPPPPPPPPP....."
     "....PPPPPP...PPPPPP..."
     "...PPPPPP......PPPPP.."
     "..PPPP.........PPPP..."
     "..PPPPP.........PPPP.."
     "..PPPP...........PPP.."
     "..PPP............PPP.."
     "..PPP............PPP.."
     "..PPPP...........PPP.."
     "..PPPPP.........PPPP.."
     "..PPPP.........PPPP..."
     "...PPPPPP......PPPPP.."
     "....PPPPPP...PPPPPP..."
     ".....PPPPPPPPPPPP....."
     "......PPPPPPPPPPP....."
     "........PPPPPPPP......"
     "......................"
     "......................"},
    {"pen 2, solid brush", 2, true, {3, 3, 12, 9}, 15, 12,
     "..............."
     "..............."
     "....PPPPPP....."
     "...PPPPPPPP...."
     "..PPPPBBPPPP..."
     "..PPPBBBBPPP..."
     "..PPPBBBBPPP..."
     "..PPPPPPPPPP..."
     "...PPPPPPPP...."
     "..............."
     "..............."
     "..............."},
    {"pen 6: a gap in the bottom row", 6, true, {5, 5, 15, 15}, 20, 20,
     "...................."
     "...................."
     ".......PPPPP........"
     "......PPPPPPPPP....."
     ".....PPPPPPPPPPP...."
     "....PPPPPPPPPPPPP..."
     "...PPPPPPPPPPPPP...."
     "..PPPPPPPPPPPPPPP..."
     "..PPPPPPPPPPPPPPP..."
     "..PPPPPPPPBPPPPPP..."
     "..PPPPPPPPBPPPPPP..."
     "..PPPPPPPPPPPPPPP..."
     "...PPPPPPPPPPPPP...."
     "...PPPPPPPPPPPPP...."
     "....PPPPPPPPPPPPP..."
     ".....PPPPPPPPPPP...."
     ".......PPPPP.PP....."
     "...................."
     "...................."
     "...................."},
    {"pen 5, a circle of radius 6", 5, false, {4, 4, 17, 17}, 21, 21,
     "....................."
     "....................."
     ".......PPPPPPP......."
     ".....PPPPPPPPPP......"
     "....PPPPPPPPPPPP....."
     "...PPPPPPPPPPPPPP...."
     "..PPPPPPPPPPPPPPPP..."
     "..PPPPPPP..PPPPPPPP.."
     "..PPPPPP....PPPPPPP.."
     "..PPPPP......PPPPPP.."
     "..PPPPP.......PPPPP.."
     "..PPPPP......PPPPPP.."
     "..PPPPPP....PPPPPPP.."
     "..PPPPPPP..PPPPPPPP.."
     "..PPPPPPPPPPPPPPPP..."
     "...PPPPPPPPPPPPPP...."
     "....PPPPPPPPPPPP....."
     ".....PPPPPPPPPP......"
     ".......PPPPPPP......."
     "....................."
     "....................."},
    {"pen 4, a flat box", 4, false, {4, 4, 21, 8}, 25, 12,
     "........................."
     "........................."
     "......PPPPPPPPPPPP......."
     "...PPPPPPPPPPPPPPPPPP...."
     "..PPPPPPPPPPPPPPPPPPPP..."
     "..PPPPPPPPPPPPPPPPPPPP..."
     "..PPPPPPPPPPPPPPPPPPPP..."
     "...PPPPPPPPPPPPPPPPPP...."
     "......PPPPPPPPPPPPPP....."
     "........................."
     "........................."
     "........................."},
    {"pen 2: a thin ellipse stops short of its ends", 2, false, {3, 3, 6, 12}, 9, 15,
     "........."
     "........."
     "........."
     "...PP...."
     "..PPPP..."
     "..PPPP..."
     "..PPPP..."
     "..PPPP..."
     "..PPPP..."
     "..PPPP..."
     "..PPPP..."
     "........."
     "........."
     "........."
     "........."},
};
// clang-format on

TEST(Ellipse, CoversExactlyWhatWin32Covers) {
  for (const ShapeCase& c : kEllipses) expectCoverage(c, Ellipse);
}

// The rectangle spanned by the painted pixels, or an empty one.
RECT paintedBounds(const Canvas& canvas) {
  RECT r{canvas.width(), canvas.height(), 0, 0};
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.at(x, y) != RGB(255, 255, 255)) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

// Whether the picture inside the box is its own mirror image both ways.
bool symmetricIn(const Canvas& canvas, const RECT& box) {
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) {
      const COLORREF c = canvas.at(x, y);
      if (c != canvas.at(box.right - 1 - (x - box.left), y) ||
          c != canvas.at(x, box.bottom - 1 - (y - box.top)))
        return false;
    }
  return true;
}

std::string text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(Ellipse, DiscOfRadiusRSpansTwoRPlusOnePixels) {
  for (int r = 1; r <= 40; ++r) {
    Canvas canvas(2 * r + 5, 2 * r + 5);
    const int c = r + 2;
    const ShapeCase disc{"disc", 1, true, {c - r, c - r, c + r + 1, c + r + 1}, 0, 0, ""};
    drawCase(canvas, disc, Ellipse, 1, true);
    EXPECT_EQ(text(RECT{c - r, c - r, c + r + 1, c + r + 1}), text(paintedBounds(canvas)))
        << "radius " << r;
    EXPECT_TRUE(symmetricIn(canvas, disc.box)) << "radius " << r;
    EXPECT_EQ(kBrush, canvas.at(c, c)) << "radius " << r;
  }
}

TEST(Ellipse, WideOutlinesFillTheBoxGrownByHalfThePen) {
  const RECT boxes[] = {{10, 10, 21, 21}, {10, 10, 60, 40}, {10, 10, 30, 70}, {10, 10, 18, 14}};
  for (int pen : {2, 3, 4, 5, 8}) {
    for (const RECT& box : boxes) {
      Canvas canvas(box.right + 12, box.bottom + 12);
      const ShapeCase ring{"ring", pen, false, box, 0, 0, ""};
      drawCase(canvas, ring, Ellipse, pen, false);
      const RECT grown{box.left - pen / 2, box.top - pen / 2, box.right + pen / 2,
                       box.bottom + pen / 2};
      const RECT painted = paintedBounds(canvas);
      EXPECT_GE(painted.left, grown.left - 1) << pen << " " << text(box);
      EXPECT_GE(painted.top, grown.top - 1) << pen << " " << text(box);
      EXPECT_LE(painted.right, grown.right + 1) << pen << " " << text(box);
      EXPECT_LE(painted.bottom, grown.bottom + 1) << pen << " " << text(box);
      // The interior stays as it was: a hollow brush paints nothing.
      const bool hasHole = box.right - box.left > 2 * pen + 2 && box.bottom - box.top > 2 * pen + 2;
      if (hasHole) {
        EXPECT_EQ(RGB(255, 255, 255),
                  canvas.at((box.left + box.right) / 2, (box.top + box.bottom) / 2))
            << pen << " " << text(box);
      }
    }
  }
}

TEST(Ellipse, BoxesTwoPixelsThinOrLessDrawAsRectangles) {
  for (int w = 0; w <= 4; ++w) {
    for (int h = 0; h <= 4; ++h) {
      if (w > 2 && h > 2) continue;
      for (int pen : {-1, 0, 1, 3, 5}) {
        for (bool brush : {true, false}) {
          Canvas ellipse(w + 10, h + 10), rectangle(w + 10, h + 10);
          const ShapeCase c{"thin", pen, brush, {5, 5, 5 + w, 5 + h}, 0, 0, ""};
          drawCase(ellipse, c, Ellipse, pen, brush);
          drawCase(rectangle, c, Rectangle, pen, brush);
          EXPECT_EQ(rectangle.mask(kPen, kBrush), ellipse.mask(kPen, kBrush))
              << w << "x" << h << " pen " << pen << (brush ? " solid" : " hollow");
        }
      }
    }
  }
}

TEST(Ellipse, FlippedBoxesDrawTheSameAsNormalOnes) {
  for (int pen : {-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
    Canvas normal(40, 30), flipped(40, 30);
    const ShapeCase a{"normal", pen, true, {5, 5, 33, 24}, 0, 0, ""};
    const ShapeCase b{"flipped", pen, true, {33, 24, 5, 5}, 0, 0, ""};
    drawCase(normal, a, Ellipse, pen, true);
    drawCase(flipped, b, Ellipse, pen, true);
    EXPECT_EQ(normal.mask(kPen, kBrush), flipped.mask(kPen, kBrush)) << "pen " << pen;
  }
}

TEST(Ellipse, BadDcFails) { EXPECT_FALSE(Ellipse(nullptr, 0, 0, 10, 10)); }

}  // namespace
