// What a screen driver reports of the desktop's doing, through the layer's
// input calls, seen through Win32 names.
#include <gtest/gtest.h>

#include "driver.h"
#include "win32.h"

namespace {

void drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// A window dragged half off the screen and back shows what it paints there
// (its class brush), not blank pixels: the move invalidates what it uncovers.
TEST(DriverInput, MovingBackOntoTheScreenRepaintsWhatItUncovers) {
  const COLORREF red = RGB(255, 0, 0);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = CreateSolidBrush(red);
  wc.lpszClassName = "dragged";
  ASSERT_NE(RegisterClassA(&wc), 0);
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "dragged", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  drain();
  zt::platform::moveInput(hwnd, POINT{screen - 100, 0});
  drain();
  zt::platform::moveInput(hwnd, POINT{0, 0});
  drain();
  HDC dc = GetDC(hwnd);
  for (POINT p : {POINT{50, 10}, POINT{150, 10}, POINT{299, 199}}) {
    const COLORREF got = GetPixel(dc, p.x, p.y);
    EXPECT_EQ(red, got) << "at (" << p.x << ", " << p.y << "): expected " << std::hex << red
                        << ", got " << got;
  }
  ReleaseDC(hwnd, dc);
  DestroyWindow(hwnd);
}

}  // namespace
