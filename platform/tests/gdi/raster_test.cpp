// Rectangle, FillRect and single pixels, compared pixel for pixel with what
// Win32 draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shape_case.h"

using namespace gdi_test;

namespace {

// clang-format off
const ShapeCase kRectangles[] = {
    {"pen 1, solid brush", 1, true, {1, 1, 11, 8}, 12, 9,
     "............"
     ".PPPPPPPPPP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PPPPPPPPPP."
     "............"},
    {"pen 0 draws as pen 1", 0, true, {1, 1, 11, 8}, 12, 9,
     "............"
     ".PPPPPPPPPP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PPPPPPPPPP."
     "............"},
    {"pen 1, hollow brush", 1, false, {1, 1, 11, 8}, 12, 9,
     "............"
     ".PPPPPPPPPP."
     ".P........P."
     ".P........P."
     ".P........P."
     ".P........P."
     ".P........P."
     ".PPPPPPPPPP."
     "............"},
    {"flipped corners", 1, true, {11, 8, 1, 1}, 12, 9,
     "............"
     ".PPPPPPPPPP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PBBBBBBBBP."
     ".PPPPPPPPPP."
     "............"},
    {"null pen: one pixel smaller", -1, true, {1, 1, 11, 8}, 12, 9,
     "............"
     ".BBBBBBBBB.."
     ".BBBBBBBBB.."
     ".BBBBBBBBB.."
     ".BBBBBBBBB.."
     ".BBBBBBBBB.."
     ".BBBBBBBBB.."
     "............"
     "............"},
    {"width 0 draws nothing", 1, true, {1, 1, 1, 8}, 2, 9,
     ".."
     ".."
     ".."
     ".."
     ".."
     ".."
     ".."
     ".."
     ".."},
    {"width 1 is one column", 1, true, {1, 1, 2, 8}, 3, 9,
     "..."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     ".P."
     "..."},
    {"width 2 is two columns", 1, true, {1, 1, 3, 8}, 4, 9,
     "...."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     ".PP."
     "...."},
    {"width 3 has a one-pixel interior", 1, true, {1, 1, 4, 8}, 5, 9,
     "....."
     ".PPP."
     ".PBP."
     ".PBP."
     ".PBP."
     ".PBP."
     ".PBP."
     ".PPP."
     "....."},
    {"height 0 draws nothing", 1, true, {1, 1, 11, 1}, 12, 2,
     "............"
     "............"},
    {"height 1 is one row", 1, true, {1, 1, 11, 2}, 12, 3,
     "............"
     ".PPPPPPPPPP."
     "............"},
    {"null pen, width 1: nothing", -1, true, {1, 1, 2, 8}, 3, 9,
     "..."
     "..."
     "..."
     "..."
     "..."
     "..."
     "..."
     "..."
     "..."},
    {"null pen, width 2: one column", -1, true, {1, 1, 3, 8}, 4, 9,
     "...."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     ".B.."
     "...."
     "...."},
    {"pen 3, solid brush", 3, true, {2, 2, 14, 11}, 16, 13,
     "................"
     "..PPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPP."
     ".PPPBBBBBBBBPPP."
     ".PPPBBBBBBBBPPP."
     ".PPPBBBBBBBBPPP."
     ".PPPBBBBBBBBPPP."
     ".PPPBBBBBBBBPPP."
     ".PPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPP."
     "..PPPPPPPPPPPP.."
     "................"},
    {"pen 3, hollow brush", 3, false, {2, 2, 14, 11}, 16, 13,
     "................"
     "..PPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPP."
     ".PPP........PPP."
     ".PPP........PPP."
     ".PPP........PPP."
     ".PPP........PPP."
     ".PPP........PPP."
     ".PPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPP."
     "..PPPPPPPPPPPP.."
     "................"},
    {"pen 5, solid brush", 5, true, {3, 3, 16, 13}, 19, 16,
     "..................."
     "..PPPPPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPBBBBBBBPPPPP."
     ".PPPPPBBBBBBBPPPPP."
     ".PPPPPBBBBBBBPPPPP."
     ".PPPPPBBBBBBBPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     "..PPPPPPPPPPPPPPP.."
     "..................."},
    {"pen 5, hollow brush", 5, false, {3, 3, 16, 13}, 19, 16,
     "..................."
     "..PPPPPPPPPPPPPPP.."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPP.......PPPPP."
     ".PPPPP.......PPPPP."
     ".PPPPP.......PPPPP."
     ".PPPPP.......PPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     ".PPPPPPPPPPPPPPPPP."
     "..PPPPPPPPPPPPPPP.."
     "..................."},
    {"pen 5, width 0: nothing", 5, true, {3, 3, 3, 10}, 6, 13,
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"
     "......"},
    {"pen 5, width 1: round caps", 5, true, {3, 3, 4, 10}, 7, 13,
     "......."
     "..PPP.."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     ".PPPPP."
     "..PPP.."
     "......."},
    {"pen 3, width 1", 3, true, {2, 2, 3, 9}, 5, 11,
     "....."
     "..P.."
     ".PPP."
     ".PPP."
     ".PPP."
     ".PPP."
     ".PPP."
     ".PPP."
     ".PPP."
     "..P.."
     "....."},
    {"pen 2, hollow brush", 2, false, {2, 2, 9, 9}, 11, 11,
     "..........."
     ".PPPPPPPP.."
     ".PPPPPPPP.."
     ".PP....PP.."
     ".PP....PP.."
     ".PP....PP.."
     ".PP....PP.."
     ".PPPPPPPP.."
     ".PPPPPPPP.."
     "..........."
     "..........."},
    {"pen 4, hollow brush", 4, false, {3, 3, 10, 10}, 13, 13,
     "............."
     "..PPPPPPPP..."
     ".PPPPPPPPPP.."
     ".PPPPPPPPPP.."
     ".PPPPPPPPPP.."
     ".PPPP..PPPP.."
     ".PPPP..PPPP.."
     ".PPPPPPPPPP.."
     ".PPPPPPPPPP.."
     ".PPPPPPPPPP.."
     "..PPPPPPPP..."
     "............."
     "............."},
    {"clipped at the surface edge", 1, true, {-3, -3, 5, 5}, 6, 6,
     "BBBBP."
     "BBBBP."
     "BBBBP."
     "BBBBP."
     "PPPPP."
     "......"},
    {"pen 5 clipped at the surface edge", 5, false, {-3, -3, 5, 5}, 8, 8,
     "..PPPPP."
     "..PPPPP."
     "PPPPPPP."
     "PPPPPPP."
     "PPPPPPP."
     "PPPPPPP."
     "PPPPPP.."
     "........"},
    {"one pixel, pen 1: nothing", 1, true, {1, 1, 2, 2}, 3, 3,
     "..."
     "..."
     "..."},
    {"one pixel, pen 0: nothing", 0, false, {1, 1, 2, 2}, 3, 3,
     "..."
     "..."
     "..."},
    {"one pixel, pen 3: the pen dot", 3, true, {2, 2, 3, 3}, 5, 5,
     "....."
     "..P.."
     ".PPP."
     "..P.."
     "....."},
    {"two pixels, pen 1: all pen", 1, true, {1, 1, 3, 3}, 4, 4,
     "...."
     ".PP."
     ".PP."
     "...."},
    {"zero width, pen 3: nothing", 3, true, {2, 2, 2, 6}, 4, 8,
     "...."
     "...."
     "...."
     "...."
     "...."
     "...."
     "...."
     "...."},
    {"one row, pen 3", 3, false, {2, 2, 6, 3}, 8, 5,
     "........"
     "..PPPP.."
     ".PPPPPP."
     "..PPPP.."
     "........"},
    {"two rows, null pen: one row of brush", -1, true, {1, 1, 5, 3}, 6, 4,
     "......"
     ".BBB.."
     "......"
     "......"},
};
// clang-format on

TEST(Rectangle, CoversExactlyWhatWin32Covers) {
  for (const ShapeCase& c : kRectangles) expectCoverage(c, Rectangle);
}

TEST(Rectangle, DefaultPenFramesTheWholeCanvas) {
  // The package erases its 601 x 540 canvas this way: white inside, a black frame.
  Canvas canvas(601, 540);
  canvas.clear(RGB(10, 20, 30));
  EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 601, 540));
  for (int x : {0, 1, 300, 599, 600}) {
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(x, 0)) << x;
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(x, 539)) << x;
  }
  for (int y : {1, 270, 538}) {
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(0, y)) << y;
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(600, y)) << y;
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(1, y)) << y;
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(599, y)) << y;
  }
}

TEST(Rectangle, HugeAndOffSurfaceBoxesAreClipped) {
  Canvas canvas(8, 8);
  HBRUSH brush = CreateSolidBrush(kBrush);
  HGDIOBJ old = SelectObject(canvas.dc(), brush);
  EXPECT_TRUE(Rectangle(canvas.dc(), -2000000000, -2000000000, 2000000000, 2000000000));
  EXPECT_EQ(kBrush, canvas.at(0, 0));
  EXPECT_EQ(kBrush, canvas.at(7, 7));
  canvas.clear(RGB(255, 255, 255));
  EXPECT_TRUE(Rectangle(canvas.dc(), 100, 100, 200, 200));
  EXPECT_EQ(rows(std::string(64, '.').c_str(), 8), canvas.mask(kPen, kBrush));
  SelectObject(canvas.dc(), old);
  DeleteObject(brush);
}

TEST(FillRect, FillsWithoutRightAndBottomEdges) {
  Canvas canvas(6, 4);
  HBRUSH brush = CreateSolidBrush(kBrush);
  const RECT r{1, 1, 4, 3};
  EXPECT_NE(0, FillRect(canvas.dc(), &r, brush));
  EXPECT_EQ(rows("......"
                 ".BBB.."
                 ".BBB.."
                 "......",
                 6),
            canvas.mask(kPen, kBrush));
  // The hollow brush paints nothing.
  canvas.clear(RGB(255, 255, 255));
  FillRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(RGB(255, 255, 255), canvas.at(2, 2));
  DeleteObject(brush);
}

TEST(FillRect, MissingRectangleOrBrushFails) {
#ifdef _WIN32
  GTEST_SKIP() << "Win32 does not check its arguments here and faults";
#endif
  Canvas canvas(4, 4);
  HBRUSH brush = CreateSolidBrush(kBrush);
  const RECT r{0, 0, 2, 2};
  EXPECT_EQ(0, FillRect(canvas.dc(), nullptr, brush));
  EXPECT_EQ(0, FillRect(canvas.dc(), &r, nullptr));
  EXPECT_EQ(RGB(255, 255, 255), canvas.at(0, 0));
  DeleteObject(brush);
}

TEST(Pixels, SetAndGetInsideAndOutside) {
  Canvas canvas(4, 3);
  EXPECT_EQ(RGB(1, 2, 3), SetPixel(canvas.dc(), 3, 2, RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), canvas.at(3, 2));
  EXPECT_EQ(RGB(255, 255, 255), canvas.at(2, 2));
  for (POINT p : {POINT{-1, 0}, POINT{0, -1}, POINT{4, 0}, POINT{0, 3}})
    EXPECT_EQ(CLR_INVALID, canvas.at(p.x, p.y)) << p.x << "," << p.y;
  EXPECT_EQ(CLR_INVALID, GetPixel(nullptr, 0, 0));
}

TEST(Pixels, SetOutsideTheSurfaceSetsNothingAndFails) {
#ifdef _WIN32
  GTEST_SKIP() << "Wine returns the colour for a clipped pixel; Win32 returns CLR_INVALID";
#endif
  Canvas canvas(4, 3);
  for (POINT p : {POINT{-1, 0}, POINT{0, -1}, POINT{4, 0}, POINT{0, 3}, POINT{INT32_MIN, 0},
                  POINT{0, INT32_MAX}}) {
    EXPECT_EQ(CLR_INVALID, SetPixel(canvas.dc(), p.x, p.y, RGB(1, 2, 3))) << p.x << "," << p.y;
  }
  EXPECT_TRUE(canvas.mask(RGB(1, 2, 3), RGB(1, 2, 3)).find('P') == std::string::npos);
}

}  // namespace

namespace {

// Every pixel of the canvas still white.
bool untouched(const Canvas& canvas) {
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.at(x, y) != RGB(255, 255, 255)) return false;
  return true;
}

TEST(ExtremeArguments, FarAwayDrawingLeavesTheSurfaceAlone) {
  Canvas canvas(16, 16), source(16, 16);
  source.clear(RGB(0, 0, 0));
  const int distant = 1000000000;
  Ellipse(canvas.dc(), distant, distant, distant + 50, distant + 50);
  Ellipse(canvas.dc(), -distant - 50, -distant - 50, -distant, -distant);
  Rectangle(canvas.dc(), INT32_MIN, INT32_MIN, INT32_MIN + 3, INT32_MIN + 3);
  BitBlt(canvas.dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, source.dc(), 0, 0, SRCCOPY);
  BitBlt(canvas.dc(), 0, 0, 16, 16, source.dc(), INT32_MAX - 4, INT32_MAX - 4, SRCCOPY);
  TextOutA(canvas.dc(), INT32_MIN, 0, "distant", 3);
  TextOutA(canvas.dc(), INT32_MAX - 10, INT32_MAX - 10, "distant", 3);
  EXPECT_TRUE(untouched(canvas));
  ScrollDC(source.dc(), INT32_MIN, INT32_MAX, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(RGB(0, 0, 0), source.at(8, 8));
}

// The flat top of an ellipse 60000 wide, its pen 9 wide centred on the
// outline's row 5: rows 1 to 9 are pen, from edge to edge of the canvas.
TEST(ExtremeArguments, HugeWidePenEllipseDrawsTheRowsThatShow) {
  Canvas canvas(12, 14);
  HPEN pen = CreatePen(PS_SOLID, 9, kPen);
  HGDIOBJ oldPen = SelectObject(canvas.dc(), pen);
  HGDIOBJ oldBrush = SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  EXPECT_TRUE(Ellipse(canvas.dc(), -30000, 5, 30012, 60005));
  std::string expected;
  for (int y = 0; y < canvas.height(); ++y)
    expected += std::string(12, y >= 1 && y <= 9 ? 'P' : '.') + "\n";
  EXPECT_EQ(expected, canvas.mask(kPen, kBrush));
  SelectObject(canvas.dc(), oldBrush);
  SelectObject(canvas.dc(), oldPen);
  DeleteObject(pen);
}

TEST(ExtremeArguments, VeryWidePenCoversEverythingAround) {
  Canvas canvas(20, 20);
  HPEN pen = CreatePen(PS_SOLID, 100000, kPen);
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  EXPECT_TRUE(Rectangle(canvas.dc(), 8, 8, 12, 12));
  EXPECT_EQ(kPen, canvas.at(0, 0));
  EXPECT_EQ(kPen, canvas.at(19, 19));
  SelectObject(canvas.dc(), old);
  DeleteObject(pen);
}

}  // namespace
