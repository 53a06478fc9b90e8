// Fuzzes the GDI entry points: a run of Rectangle, Ellipse, FillRect,
// BitBlt, ScrollDC, SetPixel and GetPixel calls with any coordinates and
// sizes (the extremes of int included), under pens and brushes of any style,
// width and colour, on two memory DCs of any small size.
#include "fuzz_support.h"

namespace {

struct Target {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ oldBitmap;
  int width;
  int height;
};

Target makeTarget(FuzzInput& in) {
  Target t{};
  t.width = in.range(1, 96);  // a 0 x 0 bitmap would be made 1 x 1
  t.height = in.range(1, 96);
  t.dc = CreateCompatibleDC(nullptr);
  t.bitmap = CreateCompatibleBitmap(t.dc, t.width, t.height);
  t.oldBitmap = SelectObject(t.dc, t.bitmap);
  return t;
}

void dropTarget(Target& t) {
  SelectObject(t.dc, t.oldBitmap);
  DeleteObject(t.bitmap);
  DeleteDC(t.dc);
}

RECT rectangle(FuzzInput& in) {
  return RECT{in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()};
}

// A new pen or brush replaces the one selected, which is deleted.
void choosePen(HDC dc, FuzzInput& in) {
  const int style = in.byte() % 2 ? PS_SOLID : PS_NULL;
  HPEN pen = CreatePen(style, in.coordinate(), in.word());
  require(pen != nullptr, "CreatePen makes a pen for any width");
  DeleteObject(SelectObject(dc, pen));
}

void chooseBrush(HDC dc, FuzzInput& in) {
  HBRUSH brush = in.byte() % 4 == 0 ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                    : CreateSolidBrush(in.word());
  DeleteObject(SelectObject(dc, brush));
}

void pixel(const Target& t, FuzzInput& in) {
  const int x = in.coordinate();
  const int y = in.coordinate();
  const COLORREF colour = in.word() & 0x00FFFFFF;
  const bool inside = x >= 0 && y >= 0 && x < t.width && y < t.height;
  const COLORREF set = SetPixel(t.dc, x, y, colour);
  require(set == (inside ? colour : CLR_INVALID), "SetPixel: the colour set, CLR_INVALID outside");
  require(GetPixel(t.dc, x, y) == set, "GetPixel reads what SetPixel set");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const GuiCounts before = guiCounts();
  Target targets[2] = {makeTarget(in), makeTarget(in)};
  // Up to 64 calls: enough for any sequence that matters, and a bound on
  // the time that very wide pens may take.
  for (int call = 0; call < 64 && !in.empty(); ++call) {
    Target& t = targets[in.byte() % 2];
    switch (in.byte() % 9) {
      case 0: {
        const RECT r = rectangle(in);
        require(Rectangle(t.dc, r.left, r.top, r.right, r.bottom), "Rectangle succeeds");
        break;
      }
      case 1: {
        // The layer refuses ellipses wider or taller than 65536: no check.
        const RECT r = rectangle(in);
        Ellipse(t.dc, r.left, r.top, r.right, r.bottom);
        break;
      }
      case 2: {
        const RECT r = rectangle(in);
        FillRect(t.dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        break;
      }
      case 3: {
        Target& source = targets[in.byte() % 2];
        const RECT r = rectangle(in);
        require(BitBlt(t.dc, r.left, r.top, r.right, r.bottom, source.dc, in.coordinate(),
                       in.coordinate(), SRCCOPY),
                "BitBlt succeeds");
        break;
      }
      case 4: {
        const RECT scroll = rectangle(in);
        const RECT clip = rectangle(in);
        const uint8_t which = in.byte();
        RECT update = {};
        require(ScrollDC(t.dc, in.coordinate(), in.coordinate(), which & 1 ? &scroll : nullptr,
                         which & 2 ? &clip : nullptr, nullptr, &update),
                "ScrollDC succeeds");
        break;
      }
      case 5:
        choosePen(t.dc, in);
        break;
      case 6:
        chooseBrush(t.dc, in);
        break;
      default:
        pixel(t, in);
        break;
    }
  }
  for (Target& t : targets) {
    DeleteObject(SelectObject(t.dc, GetStockObject(BLACK_PEN)));
    DeleteObject(SelectObject(t.dc, GetStockObject(WHITE_BRUSH)));
    dropTarget(t);
  }
  require(guiCounts() == before, "every pen, brush, bitmap and DC is gone");
  return 0;
}
