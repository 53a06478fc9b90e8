// Device contexts and GDI objects: defaults, selection and deletion, and
// how bad handles are refused.
#include <gtest/gtest.h>

#include "canvas.h"

using namespace gdi_test;

namespace {

TEST(DeviceContext, NewDcHoldsTheStockDefaults) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(nullptr, dc);
  EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
  EXPECT_EQ(RGB(255, 255, 255), GetBkColor(dc));
  EXPECT_EQ(OPAQUE, GetBkMode(dc));
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "x");
  EXPECT_EQ(GetStockObject(BLACK_PEN), SelectObject(dc, pen));
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), SelectObject(dc, brush));
  EXPECT_EQ(GetStockObject(SYSTEM_FONT), SelectObject(dc, font));
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteObject(font));
}

TEST(DeviceContext, MemoryDcStartsWithOnePixel) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_NE(CLR_INVALID, GetPixel(dc, 0, 0));
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 1, 0));
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 0, 1));
  DeleteDC(dc);
}

TEST(DeviceContext, ColoursAndModeReturnWhatTheyReplace) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(RGB(0, 0, 0), SetTextColor(dc, RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), SetTextColor(dc, RGB(4, 5, 6)));
  EXPECT_EQ(RGB(4, 5, 6), GetTextColor(dc));
  EXPECT_EQ(RGB(255, 255, 255), SetBkColor(dc, RGB(7, 8, 9)));
  EXPECT_EQ(RGB(7, 8, 9), GetBkColor(dc));
  EXPECT_EQ(OPAQUE, SetBkMode(dc, TRANSPARENT));
  EXPECT_EQ(TRANSPARENT, SetBkMode(dc, OPAQUE));
  EXPECT_EQ(0, SetBkMode(dc, 77));  // not a mode: refused, nothing changes
  EXPECT_EQ(OPAQUE, GetBkMode(dc));
  DeleteDC(dc);
  EXPECT_FALSE(DeleteDC(dc));
}

TEST(DeviceContext, BadDcIsRefusedEverywhere) {
  HDC bad = nullptr;
  EXPECT_EQ(CLR_INVALID, SetTextColor(bad, 0));
  EXPECT_EQ(CLR_INVALID, SetBkColor(bad, 0));
  EXPECT_EQ(CLR_INVALID, GetBkColor(bad));
  EXPECT_EQ(0, SetBkMode(bad, OPAQUE));
  EXPECT_EQ(0, GetBkMode(bad));
  EXPECT_EQ(nullptr, SelectObject(bad, GetStockObject(BLACK_PEN)));
  EXPECT_FALSE(Rectangle(bad, 0, 0, 5, 5));
  EXPECT_FALSE(DeleteDC(bad));
}

TEST(SelectObject, ReturnsThePreviousObjectOfTheSameKind) {
  Canvas canvas(4, 4);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HPEN blue = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
  HGDIOBJ stock = SelectObject(canvas.dc(), red);
  EXPECT_EQ(GetStockObject(BLACK_PEN), stock);
  EXPECT_EQ(red, SelectObject(canvas.dc(), blue));
  EXPECT_EQ(blue, SelectObject(canvas.dc(), blue));
  // Selecting a brush leaves the pen alone.
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(blue, SelectObject(canvas.dc(), stock));
  DeleteObject(red);
  DeleteObject(blue);
}

TEST(SelectObject, RefusesHandlesThatAreNotObjects) {
  Canvas canvas(4, 4);
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(nullptr, SelectObject(canvas.dc(), nullptr));
  EXPECT_EQ(nullptr, SelectObject(canvas.dc(), reinterpret_cast<HGDIOBJ>(0x12345)));
  EXPECT_EQ(nullptr, SelectObject(canvas.dc(), other));
  DeleteDC(other);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  DeleteObject(pen);
  EXPECT_EQ(nullptr, SelectObject(canvas.dc(), pen));  // deleted
}

TEST(SelectObject, BitmapGoesIntoOneDcAtATime) {
  Canvas canvas(4, 4);
  HDC other = CreateCompatibleDC(nullptr);
  HBITMAP own = CreateCompatibleBitmap(canvas.dc(), 3, 3);
  HGDIOBJ previous = SelectObject(other, own);
  ASSERT_NE(nullptr, previous);
  HDC third = CreateCompatibleDC(nullptr);
  EXPECT_EQ(nullptr, SelectObject(third, own));
  // Once the first DC lets go of it, another may take it.
  SelectObject(other, previous);
  EXPECT_NE(nullptr, SelectObject(third, own));
  DeleteDC(third);
  DeleteDC(other);
  EXPECT_TRUE(DeleteObject(own));
}

TEST(DeleteObject, StockObjectsSurviveDeletion) {
  for (int index : {WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT, ANSI_FIXED_FONT}) {
    HGDIOBJ stock = GetStockObject(index);
    ASSERT_NE(nullptr, stock) << index;
    EXPECT_TRUE(DeleteObject(stock)) << index;
    EXPECT_EQ(stock, GetStockObject(index)) << index;
  }
  Canvas canvas(2, 2);
  EXPECT_EQ(GetStockObject(BLACK_PEN), SelectObject(canvas.dc(), GetStockObject(WHITE_PEN)));
  EXPECT_EQ(GetStockObject(WHITE_PEN), SelectObject(canvas.dc(), GetStockObject(BLACK_PEN)));
}

TEST(DeleteObject, SelectedObjectLivesUntilItIsDeselected) {
  Canvas canvas(6, 6);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 200, 0));
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  EXPECT_TRUE(DeleteObject(pen));
  // Still selected, so it still draws.
  Rectangle(canvas.dc(), 1, 1, 5, 5);
  EXPECT_EQ(RGB(0, 200, 0), canvas.at(1, 1));
  EXPECT_EQ(pen, SelectObject(canvas.dc(), old));
  EXPECT_EQ(nullptr, SelectObject(canvas.dc(), pen));  // gone now
  EXPECT_FALSE(DeleteObject(pen));
}

TEST(DeleteObject, RefusesHandlesThatAreNotObjects) {
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(0x12345)));
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
}

TEST(Objects, NullPenIsTheStockOne) {
  EXPECT_EQ(GetStockObject(NULL_PEN), CreatePen(PS_NULL, 3, RGB(1, 2, 3)));
}

TEST(Objects, NewBitmapIsBlack) {
  HDC dc = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 4);
  if (screen) ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 0, 0));
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 4, 3));
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 5, 3));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Objects, ManyFontsComeAndGoWithoutTrace) {
  // The package creates and deletes a font for every text it draws.
  Canvas canvas(4, 4);
  HFONT first = nullptr;
  for (int i = 0; i < 2000; ++i) {
    HFONT font = CreateFontA(-(8 + i % 40), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                             "ZT738-font");
    ASSERT_NE(nullptr, font) << i;
    if (!first) first = font;
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    ASSERT_NE(nullptr, old) << i;
    SelectObject(canvas.dc(), old);
    ASSERT_TRUE(DeleteObject(font)) << i;
  }
  EXPECT_FALSE(DeleteObject(first));
}

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND makeWindow() {
  static const ATOM registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = plainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GdiTestWindow";
    return RegisterClassA(&wc);
  }();
  EXPECT_NE(0, registered);
  HWND hwnd = CreateWindowExA(0, "GdiTestWindow", "gdi", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(nullptr, hwnd);
  return hwnd;
}

TEST(WindowDc, DrawsOnTheWindowAndReadsBack) {
  HWND hwnd = makeWindow();
  HDC dc = GetDC(hwnd);
  ASSERT_NE(nullptr, dc);
  EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
  EXPECT_EQ(RGB(255, 255, 255), GetBkColor(dc));
  EXPECT_EQ(OPAQUE, GetBkMode(dc));
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  const RECT r{2, 2, 10, 10};
  FillRect(dc, &r, brush);
  EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 5, 5));
  // What a BitBlt copies there is what GetPixel then reads.
  Canvas canvas(8, 8);
  canvas.clear(RGB(0, 255, 0));
  EXPECT_TRUE(BitBlt(dc, 20, 20, 8, 8, canvas.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(RGB(0, 255, 0), GetPixel(dc, 27, 27));
  // A window DC has no bitmap to swap.
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
  EXPECT_EQ(nullptr, SelectObject(dc, bitmap));
  DeleteObject(bitmap);
  DeleteObject(brush);
  ReleaseDC(hwnd, dc);
  DestroyWindow(hwnd);
}

TEST(WindowDc, DcOfADestroyedWindowDrawsNothing) {
#ifdef _WIN32
  GTEST_SKIP() << "Win32 leaves the use of such a DC undefined";
#endif
  HWND hwnd = makeWindow();
  HDC dc = GetDC(hwnd);
  DestroyWindow(hwnd);
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 1, 1));
  EXPECT_FALSE(Rectangle(dc, 0, 0, 4, 4));
  ReleaseDC(hwnd, dc);
}

}  // namespace
