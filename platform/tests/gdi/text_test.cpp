// Fonts and text: metrics, extents and where TextOutA puts its pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "canvas.h"

using namespace gdi_test;

namespace {

// A font as the package asks for one: character height in pixels.
HFONT packageFont(int pixels) {
  return CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ZT738-font");
}

TEXTMETRICA metricsOf(HDC dc) {
  TEXTMETRICA tm{};
  EXPECT_TRUE(GetTextMetricsA(dc, &tm));
  return tm;
}

// The box spanned by pixels that differ from the background.
RECT inkBounds(const Canvas& canvas, COLORREF background) {
  RECT r{canvas.width(), canvas.height(), 0, 0};
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.at(x, y) != background) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

TEST(Fonts, StockFontsHaveTheirCellHeights) {
  Canvas canvas(4, 4);
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
  TEXTMETRICA system = metricsOf(canvas.dc());
  EXPECT_EQ(16, system.tmHeight);
  EXPECT_EQ(system.tmHeight, system.tmAscent + system.tmDescent);
  SelectObject(canvas.dc(), GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA fixed = metricsOf(canvas.dc());
  EXPECT_EQ(12, fixed.tmHeight);
  EXPECT_GT(fixed.tmAveCharWidth, 0);
  // Every character of a fixed font is as wide as every other.
  SIZE narrow{}, wide{};
  GetTextExtentPoint32A(canvas.dc(), "iiii", 4, &narrow);
  GetTextExtentPoint32A(canvas.dc(), "MMMM", 4, &wide);
  EXPECT_EQ(narrow.cx, wide.cx);
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

TEST(Fonts, NewDcUsesTheSystemFont) {
  Canvas canvas(4, 4);
  const TEXTMETRICA initial = metricsOf(canvas.dc());
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(metricsOf(canvas.dc()).tmHeight, initial.tmHeight);
}

TEST(Fonts, DialogBaseUnitsComeFromTheSystemFont) {
  const LONG units = GetDialogBaseUnits();
  EXPECT_GT(LOWORD(units), 3);
  EXPECT_LT(LOWORD(units), 16);
  EXPECT_EQ(16, HIWORD(units));
}

TEST(Fonts, UnknownFaceFallsBackToAnInstalledOne) {
  Canvas canvas(4, 4);
  HFONT font = packageFont(16);
  ASSERT_NE(nullptr, font);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  char face[LF_FACESIZE] = {};
  const int copied = GetTextFaceA(canvas.dc(), sizeof face, face);
  EXPECT_GT(copied, 0);
  EXPECT_EQ(static_cast<int>(std::strlen(face)), copied);
  EXPECT_EQ(copied + 1, GetTextFaceA(canvas.dc(), 0, nullptr));
  // A short buffer gets a terminated prefix.
  char small[3] = {'x', 'x', 'x'};
  EXPECT_EQ(2, GetTextFaceA(canvas.dc(), 3, small));
  EXPECT_EQ(std::string(face, 2), std::string(small));
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
}

TEST(Fonts, HeightsMeanEmOrCellAsWin32ReadsThem) {
  Canvas canvas(4, 4);
  for (int pixels : {8, 12, 16, 24, 40}) {
    HFONT em = packageFont(pixels);
    HGDIOBJ old = SelectObject(canvas.dc(), em);
    const TEXTMETRICA tm = metricsOf(canvas.dc());
    // The cell holds the character height plus the internal leading; ascent
    // and descent are rounded apart, which may cost a pixel.
    EXPECT_NEAR(pixels, tm.tmHeight - tm.tmInternalLeading, 1) << pixels;
    SelectObject(canvas.dc(), old);
    DeleteObject(em);
    HFONT cell =
        CreateFontA(pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "ZT738-font");
    old = SelectObject(canvas.dc(), cell);
    EXPECT_NEAR(pixels, metricsOf(canvas.dc()).tmHeight, 1) << pixels;
    SelectObject(canvas.dc(), old);
    DeleteObject(cell);
  }
}

TEST(TextExtent, GrowsWithHeightAndLength) {
  Canvas canvas(4, 4);
  SIZE previous{0, 0};
  for (int pixels : {8, 12, 16, 24, 32, 48}) {
    HFONT font = packageFont(pixels);
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    SIZE size{}, size32{}, longer{};
    EXPECT_TRUE(GetTextExtentPointA(canvas.dc(), "Hello, world", 12, &size));
    EXPECT_TRUE(GetTextExtentPoint32A(canvas.dc(), "Hello, world", 12, &size32));
    EXPECT_TRUE(GetTextExtentPointA(canvas.dc(), "Hello, world!", 13, &longer));
    EXPECT_EQ(size.cx, size32.cx);
    EXPECT_EQ(size.cy, size32.cy);
    EXPECT_EQ(metricsOf(canvas.dc()).tmHeight, size.cy) << pixels;
    EXPECT_GT(size.cx, previous.cx) << pixels;
    EXPECT_GT(size.cy, previous.cy) << pixels;
    EXPECT_GT(longer.cx, size.cx) << pixels;
    previous = size;
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
  }
}

TEST(TextExtent, RefusesBadArguments) {
  Canvas canvas(4, 4);
  SIZE size{};
  EXPECT_FALSE(GetTextExtentPointA(canvas.dc(), "abc", -1, &size));
  EXPECT_FALSE(GetTextExtentPointA(nullptr, "abc", 3, &size));
  EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "abc", -1));
  EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, "", 0));
}

TEST(TextOut, TransparentGlyphsLandInsideTheirCell) {
  Canvas canvas(200, 60);
  HFONT font = packageFont(20);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(255, 0, 0));
  SIZE cell{};
  GetTextExtentPointA(canvas.dc(), "Hg|", 3, &cell);
  EXPECT_TRUE(TextOutA(canvas.dc(), 30, 15, "Hg|", 3));
  const RECT ink = inkBounds(canvas, RGB(255, 255, 255));
  EXPECT_GE(ink.left, 30);
  EXPECT_GE(ink.top, 15);
  EXPECT_LE(ink.right, 30 + cell.cx);
  EXPECT_LE(ink.bottom, 15 + cell.cy);
  // Something was drawn, and the thick stems are in the text colour.
  EXPECT_LT(ink.left, ink.right);
  bool solid = false;
  for (int y = ink.top; y < ink.bottom; ++y)
    for (int x = ink.left; x < ink.right; ++x) solid |= canvas.at(x, y) == RGB(255, 0, 0);
  EXPECT_TRUE(solid);
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
}

TEST(TextOut, OpaqueFillsTheCellWithTheBackgroundColour) {
  Canvas canvas(120, 40);
  HFONT font = packageFont(16);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkColor(canvas.dc(), RGB(0, 255, 0));
  SIZE cell{};
  GetTextExtentPointA(canvas.dc(), "ab c", 4, &cell);
  EXPECT_TRUE(TextOutA(canvas.dc(), 10, 5, "ab c", 4));
  const RECT painted = inkBounds(canvas, RGB(255, 255, 255));
  EXPECT_EQ(10, painted.left);
  EXPECT_EQ(5, painted.top);
  EXPECT_EQ(10 + cell.cx, painted.right);
  EXPECT_EQ(5 + cell.cy, painted.bottom);
  EXPECT_EQ(RGB(0, 255, 0), canvas.at(10, 5));  // above the glyphs: background only
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
}

TEST(TextOut, ControlCharactersStayInTheLine) {
  // A newline inside the run is drawn in place, not as a line break.
  Canvas canvas(200, 40);
  SelectObject(canvas.dc(), GetStockObject(ANSI_FIXED_FONT));
  SetBkMode(canvas.dc(), TRANSPARENT);
  SIZE size{};
  GetTextExtentPointA(canvas.dc(), "ab\ncd", 5, &size);
  EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, "ab\ncd", 5));
  const RECT ink = inkBounds(canvas, RGB(255, 255, 255));
  EXPECT_LE(ink.bottom, size.cy);
  EXPECT_LE(ink.right, size.cx);
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

// ---- UTF-8 text in any script

// The picture of one run of UTF-8 text drawn alone in the package's font.
std::string pictureOf(const std::string& utf8) {
  Canvas canvas(160, 40);
  canvas.clear(RGB(255, 255, 255));
  HFONT font = packageFont(24);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  EXPECT_TRUE(TextOutA(canvas.dc(), 4, 4, utf8.data(), static_cast<int>(utf8.size())));
  std::string picture = canvas.mask(RGB(0, 0, 0), RGB(0, 0, 0));
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
  return picture;
}

int widthOf(const std::string& utf8) {
  Canvas canvas(4, 4);
  HFONT font = packageFont(24);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SIZE size{};
  EXPECT_TRUE(GetTextExtentPointA(canvas.dc(), utf8.data(), static_cast<int>(utf8.size()), &size));
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
  return size.cx;
}

// U+0378 is unassigned: no face has it, so it draws as the missing-glyph box.
const std::string kNoGlyph = "\xCD\xB8";

TEST(TextOut, EveryScriptDrawsItsOwnGlyphsNotBoxes) {
  const std::string box = pictureOf(kNoGlyph);
  const std::string blank = pictureOf("");
  ASSERT_NE(box, blank) << "the missing-glyph box draws something";
  // Latin with accents, Cyrillic, and Chinese (from a fallback face: the
  // package's font has none; the install step puts a small CJK font in).
  const char* characters[] = {"\xC3\xBC", "\xC3\x9F",     "\xD0\x9F",
                              "\xD0\xB8", "\xE4\xBD\xA0", "\xE5\xA5\xBD"};  // ü ß П и 你 好
  std::vector<std::string> pictures;
  for (const char* c : characters) {
    pictures.push_back(pictureOf(c));
    EXPECT_NE(pictures.back(), box) << c << " is drawn as a box";
    EXPECT_NE(pictures.back(), blank) << c << " draws nothing";
  }
  // Two characters of the same fallback face are two different glyphs.
  EXPECT_NE(pictures[4], pictures[5]);
  EXPECT_NE(pictures[2], pictures[3]);
}

TEST(TextOut, AMixedLineIsAsWideAsItsCharactersAndDrawsEachOnce) {
  const std::string line =
      "Gr\xC3\xBC\xC3\x9F"
      "e, \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, "
      "\xE4\xBD\xA0\xE5\xA5\xBD";  // Grüße, Привет, 你好
  int sum = 0;
  for (const char* piece :
       {"G", "r", "\xC3\xBC", "\xC3\x9F", "e", ",", " ", "\xD0\x9F", "\xD1\x80", "\xD0\xB8",
        "\xD0\xB2", "\xD0\xB5", "\xD1\x82", ",", " ", "\xE4\xBD\xA0", "\xE5\xA5\xBD"})
    sum += widthOf(piece);
  EXPECT_EQ(widthOf(line), sum);
#ifndef _WIN32  // Win32 draws unassigned and broken characters with the face's own default glyph
  // A byte is never a character of its own: "ü" is narrower than two boxes.
  EXPECT_LT(widthOf("\xC3\xBC"), 2 * widthOf(kNoGlyph));
  // A stray byte draws as the replacement character U+FFFD, nothing skipped.
  EXPECT_EQ(widthOf("a\xFF"
                    "b"),
            widthOf("a") + widthOf("\xEF\xBF\xBD") + widthOf("b"));
#endif
}

}  // namespace
