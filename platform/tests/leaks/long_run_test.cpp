// Long runs of the layer's calls: after the first thousand steps (which may
// make what lives as long as the process, such as a dialog font or a glyph
// cache), the live GDI and USER objects, kernel handles and heap bytes no
// longer grow.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "dialog_harness.h"
#include "leak_meter.h"

namespace {

LRESULT CALLBACK drawingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    HDC dc = GetDC(hwnd);
    Rectangle(dc, 1, 1, 10, 10);
    ReleaseDC(hwnd, dc);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* drawingClass() {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = drawingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "long run window";
    return RegisterClassA(&wc) != 0;
  }();
  return registered ? "long run window" : nullptr;
}

TEST(LongRun, TenThousandWindowsCreatedAndDestroyed) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  leak_meter::expectFlat("windows", 10000, [](int i) {
    HWND parent =
        CreateWindowExA(0, drawingClass(), "parent", WS_OVERLAPPEDWINDOW, 10, 10, 100 + i % 50, 80,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND child = CreateWindowExA(0, drawingClass(), "child", WS_CHILD | WS_VISIBLE, 5, 5, 30, 20,
                                 parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&Item");
    SetMenu(parent, bar);
    ASSERT_NE(nullptr, child);
    DestroyWindow(parent);  // takes the child and the menu bar with it
  });
}

INT_PTR CALLBACK endAtOnce(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg != WM_INITDIALOG) return FALSE;
  EndDialog(dialog, 5);
  return TRUE;
}

TEST(LongRun, TenThousandDialogsOpenedAndClosed) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  TemplateBuilder templ = inputTemplate();
  const DLGTEMPLATE* dialog = templ.get();
  leak_meter::expectFlat("dialogs", 10000, [dialog](int) {
    ASSERT_EQ(5, DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog, nullptr, endAtOnce, 0));
  });
}

// Every kind of drawing request, with the pens, brushes and fonts it takes
// made and deleted as a program would.
TEST(LongRun, HundredThousandDrawingCalls) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 48);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HDC source = CreateCompatibleDC(screen);
  HBITMAP sourceBitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ oldSource = SelectObject(source, sourceBitmap);
  leak_meter::expectFlat("drawing", 100000, [&](int i) {
    const int x = i % 50;
    const int y = (i / 50) % 40;
    const COLORREF colour = RGB(i % 256, (i / 256) % 256, 7);
    switch (i % 8) {
      case 0: {
        HPEN pen = CreatePen(PS_SOLID, 1 + i % 5, colour);
        HGDIOBJ old = SelectObject(dc, pen);
        Rectangle(dc, x, y, x + 12, y + 9);
        DeleteObject(SelectObject(dc, old));
        break;
      }
      case 1: {
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ old = SelectObject(dc, brush);
        Ellipse(dc, x, y, x + 14, y + 8);
        DeleteObject(SelectObject(dc, old));
        break;
      }
      case 2: {
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT r = {x, y, x + 5, y + 5};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        break;
      }
      case 3: {
        HFONT font = CreateFontA(-(8 + i % 24), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                 0, "DejaVu Sans");
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        GetTextExtentPoint32A(dc, "Leak?", 5, &size);
        TextOutA(dc, x, y, "Leak?", 5);
        DeleteObject(SelectObject(dc, old));
        break;
      }
      case 4:
        BitBlt(dc, x, y, 16, 16, source, 0, 0, SRCCOPY);
        break;
      case 5: {
        RECT update = {};
        ScrollDC(dc, 1, -1, nullptr, nullptr, nullptr, &update);
        break;
      }
      case 6:
        SetPixel(dc, x, y, colour);
        GetPixel(dc, x, y);
        break;
      default: {
        HDC scratch = CreateCompatibleDC(dc);
        HBITMAP pixels = CreateCompatibleBitmap(dc, 4, 4);
        DeleteObject(SelectObject(scratch, pixels));
        DeleteDC(scratch);
        DeleteObject(pixels);
        break;
      }
    }
  });
  SelectObject(source, oldSource);
  DeleteObject(sourceBitmap);
  DeleteDC(source);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

// Text in thousands of heights from -1000 to 1000 and hundreds of face
// names: the glyph cache stays within its bounds. What it holds changes with
// the heights drawn last, so the heap may move by what 64 faces of small
// glyphs take; a cache that kept everything grows by gigabytes here.
TEST(LongRun, TextInThousandsOfHeightsAndFaces) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 48);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  leak_meter::expectFlat(
      "text", 2000,
      [dc](int i) {
        const std::string face = "Face " + std::to_string(i % 700);
        HFONT font = CreateFontA((i * 37) % 2001 - 1000, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                 0, 0, 0, 0, face.c_str());
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        GetTextExtentPoint32A(dc, "Wg", 2, &size);
        TextOutA(dc, 0, 0, "Wg", 2);
        DeleteObject(SelectObject(dc, old));
      },
      64u << 20, 300);  // 300 fonts fill the cache's 64 faces and 256 names
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
