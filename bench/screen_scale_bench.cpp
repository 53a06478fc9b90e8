// Presenting a full 601 x 540 frame at a scale of 1 and 2:
//   - CopyScaled/N: the screen driver's conversion of every pixel into a
//     32-bit surface as N x N blocks (no X server needed);
//   - PresentFrame: the layer's compose-and-compare and the driver's whole
//     present to the X server, at the scale that ZT738_SCALE chooses. Run it
//     under Xvfb once with ZT738_SCALE=1 and once with ZT738_SCALE=2.
#include <benchmark/benchmark.h>

#include "sdl_driver.h"
#include "win32.h"
#include "window.h"

namespace {

constexpr int kWidth = 601, kHeight = 540;

void CopyScaled(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  zt::platform::Surface frame;
  frame.resize(kWidth, kHeight, RGB(0, 0, 128));
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, kWidth * scale, kHeight * scale, 32,
                                                       SDL_PIXELFORMAT_XRGB8888);
  for (auto _ : state) {
    frame.row(0)[0] ^= 1;  // a changed frame, as the layer would give
    benchmark::DoNotOptimize(
        zt::platform::sdl::copyScaled(frame, RECT{0, 0, kWidth, kHeight}, target, scale));
  }
  SDL_FreeSurface(target);
}
BENCHMARK(CopyScaled)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

COLORREF colour = RGB(255, 255, 255);

LRESULT CALLBACK paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  EndPaint(hwnd, &ps);
  return 0;
}

void PresentFrame(benchmark::State& state) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = paint;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "scale bench";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "scale bench", WS_POPUP | WS_VISIBLE, 0, 0,
                              kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  for (auto _ : state) {
    colour = colour == RGB(255, 255, 255) ? RGB(0, 0, 128) : RGB(255, 255, 255);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    zt::platform::presentChanges();
  }
  state.SetLabel("scale " + std::to_string(zt::platform::sdl::state().scale));
  DestroyWindow(hwnd);
}
BENCHMARK(PresentFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
