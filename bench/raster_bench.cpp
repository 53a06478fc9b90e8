// The software GDI at the sizes the package draws: shapes of 50 to 400
// pixels, the 601 x 540 canvas copy, and text with a font made per call.
#include <benchmark/benchmark.h>

#include <string>

#include "win32.h"

namespace {

constexpr int kWidth = 601;
constexpr int kHeight = 540;

class Canvas {
 public:
  Canvas() {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, kWidth, kHeight);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

using ShapeCall = BOOL (*)(HDC, int, int, int, int);

// A shape of range(0) pixels across, filled (pen 1, solid brush) or
// outlined with a 5-pixel pen and the hollow brush, objects made per call
// as the package makes them.
void drawShapes(benchmark::State& state, ShapeCall shape, bool filled) {
  Canvas canvas;
  const int size = static_cast<int>(state.range(0));
  const int left = (kWidth - size) / 2, top = (kHeight - size) / 2;
  for (auto _ : state) {
    HPEN pen = CreatePen(PS_SOLID, filled ? 0 : 5, RGB(255, 0, 0));
    HBRUSH brush =
        filled ? CreateSolidBrush(RGB(255, 0, 0)) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(canvas.dc(), pen);
    HGDIOBJ oldBrush = SelectObject(canvas.dc(), brush);
    benchmark::DoNotOptimize(shape(canvas.dc(), left, top, left + size + 1, top + size + 1));
    SelectObject(canvas.dc(), oldPen);
    SelectObject(canvas.dc(), oldBrush);
    DeleteObject(pen);
    if (filled) DeleteObject(brush);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FilledRectangle(benchmark::State& state) { drawShapes(state, Rectangle, true); }
void BM_OutlinedRectangle(benchmark::State& state) { drawShapes(state, Rectangle, false); }
void BM_FilledEllipse(benchmark::State& state) { drawShapes(state, Ellipse, true); }
void BM_OutlinedEllipse(benchmark::State& state) { drawShapes(state, Ellipse, false); }
BENCHMARK(BM_FilledRectangle)->Arg(50)->Arg(100)->Arg(200)->Arg(400);
BENCHMARK(BM_OutlinedRectangle)->Arg(50)->Arg(100)->Arg(200)->Arg(400);
BENCHMARK(BM_FilledEllipse)->Arg(50)->Arg(100)->Arg(200)->Arg(400);
BENCHMARK(BM_OutlinedEllipse)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

void BM_CanvasBlit(benchmark::State& state) {
  Canvas source, dest;
  for (auto _ : state)
    benchmark::DoNotOptimize(BitBlt(dest.dc(), 0, 0, kWidth, kHeight, source.dc(), 0, 0, SRCCOPY));
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_CanvasBlit);

void BM_TextWithFontPerCall(benchmark::State& state) {
  Canvas canvas;
  SetBkMode(canvas.dc(), TRANSPARENT);
  const char text[] = "Hello, world: 0123456789";
  for (auto _ : state) {
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ZT738-font");
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    SIZE size;
    GetTextExtentPointA(canvas.dc(), text, sizeof text - 1, &size);
    benchmark::DoNotOptimize(TextOutA(canvas.dc(), 100, 100, text, sizeof text - 1));
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextWithFontPerCall);

// A line of 18 characters drawn with a font made per call, as the package
// does: all in the face (Arg 0), or with 8 characters that the face lacks
// and a fallback face draws (Arg 1: Chinese).
void BM_TextWithFallback(benchmark::State& state) {
  Canvas canvas;
  SetBkMode(canvas.dc(), TRANSPARENT);
  const char* own = "Grusse, Privet, ab";  // 18 characters of the face
  const char* fallback =
      "Gr\xC3\xBC\xC3\x9F"
      "e, "
      "\xE4\xBD\xA0\xE5\xA5\xBD\xE4\xB8\x96\xE7\x95\x8C"
      "\xE4\xBD\xA0\xE5\xA5\xBD\xE4\xB8\x96\xE7\x95\x8C"
      ", ab";  // Grüße, 你好世界你好世界, ab
  const char* text = state.range(0) ? fallback : own;
  const int length = static_cast<int>(std::char_traits<char>::length(text));
  for (auto _ : state) {
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ZT738-font");
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    SIZE size;
    GetTextExtentPointA(canvas.dc(), text, length, &size);
    benchmark::DoNotOptimize(TextOutA(canvas.dc(), 100, 100, text, length));
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextWithFallback)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
