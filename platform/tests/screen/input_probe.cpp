// A window for the screen driver's X tests: it paints a known pattern, dumps
// its own client pixels (GetPixel) to a PPM file, and prints the messages
// that X input makes, one per line:
//   ready CLIENT_X CLIENT_Y WIDTH HEIGHT   (screen origin and size of the client area)
//   down X Y | key-down VK | char CODE | key-up VK | close
// It ends at WM_CLOSE.
//   input_probe PIXELS.ppm
#include <cstdio>

#include "win32.h"

namespace {

const char* dumpPath = nullptr;
bool dumped = false;

COLORREF pattern(int x, int y) { return RGB((x * 7) & 0xFF, (y * 11) & 0xFF, (x ^ y) & 0xFF); }

void dump(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  FILE* f = std::fopen(dumpPath, "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%ld %ld\n255\n", static_cast<long>(r.right), static_cast<long>(r.bottom));
  HDC dc = GetDC(hwnd);
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) {
      COLORREF c = GetPixel(dc, x, y);
      unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
      std::fwrite(rgb, 1, 3, f);
    }
  }
  ReleaseDC(hwnd, dc);
  std::fclose(f);
  std::printf("ready %ld %ld %ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y),
              static_cast<long>(r.right), static_cast<long>(r.bottom));
}

LRESULT CALLBACK probe(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      for (int y = 0; y < r.bottom; ++y) {
        for (int x = 0; x < r.right; ++x) SetPixel(dc, x, y, pattern(x, y));
      }
      EndPaint(hwnd, &ps);
      if (!dumped) {
        dumped = true;
        dump(hwnd);
      }
      break;
    }
    case WM_LBUTTONDOWN:
      std::printf("down %d %d\n", static_cast<SHORT>(LOWORD(lParam)),
                  static_cast<SHORT>(HIWORD(lParam)));
      break;
    case WM_KEYDOWN:
      std::printf("key-down %u\n", static_cast<unsigned>(wParam));
      break;
    case WM_KEYUP:
      std::printf("key-up %u\n", static_cast<unsigned>(wParam));
      break;
    case WM_CHAR:
      std::printf("char %u\n", static_cast<unsigned>(wParam));
      break;
    case WM_CLOSE:
      std::printf("close\n");
      std::fflush(stdout);
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: input_probe PIXELS.ppm\n");
    return 2;
  }
  dumpPath = argv[1];
  WNDCLASSA wc{};
  wc.lpfnWndProc = probe;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "input-probe";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "input-probe", "input probe", WS_OVERLAPPEDWINDOW, 100, 100, 300,
                              200, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
