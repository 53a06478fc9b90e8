// The screen driver's speed, under an X server (Xvfb) with ZT738_VIDEO=sdl:
//   - presenting one full 601 x 540 frame (every pixel changed): the layer's
//     compose-and-compare plus the driver's copy to the window surface;
//   - from an X click (a ButtonPress sent to the window by another X client)
//     to the redrawn pixels on the X server, read back with XGetImage.
//   screen_latency [ROUNDS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <string_view>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "win32.h"
#include "window.h"  // presentChanges: the step measured alone

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 601, kHeight = 540;
std::atomic<int> clicks{0};
COLORREF colour = RGB(255, 255, 255);

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_LBUTTONDOWN) {
    colour = (clicks.fetch_add(1) % 2) ? RGB(255, 255, 255) : RGB(0, 0, 128);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
  }
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH b = CreateSolidBrush(colour);
    RECT r{0, 0, kWidth, kHeight};
    FillRect(dc, &r, b);
    DeleteObject(b);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Another X client: clicks into the window and waits for its pixel to turn.
void clicker(int rounds, std::vector<double>& out) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  Window w = 0;
  for (int i = 0; i < 100 && !w; ++i) {
    Window root, parent, *kids = nullptr;
    unsigned n = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n);
    for (unsigned k = 0; k < n; ++k) {
      char* name = nullptr;
      if (XFetchName(d, kids[k], &name) && name) {
        if (std::string_view(name) == "latency") w = kids[k];
        XFree(name);
      }
    }
    if (kids) XFree(kids);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!w) return;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  for (int i = 0; i < rounds; ++i) {
    XImage* before = XGetImage(d, w, 300, 270, 1, 1, AllPlanes, ZPixmap);
    unsigned long old = XGetPixel(before, 0, 0);
    XDestroyImage(before);
    XEvent e{};
    e.xbutton.type = ButtonPress;
    e.xbutton.window = w;
    e.xbutton.x = 300;
    e.xbutton.y = 270;
    e.xbutton.button = Button1;
    e.xbutton.same_screen = True;
    auto start = Clock::now();
    XSendEvent(d, w, True, ButtonPressMask, &e);
    e.xbutton.type = ButtonRelease;
    XSendEvent(d, w, True, ButtonReleaseMask, &e);
    XFlush(d);
    for (;;) {
      XImage* now = XGetImage(d, w, 300, 270, 1, 1, AllPlanes, ZPixmap);
      unsigned long p = XGetPixel(now, 0, 0);
      XDestroyImage(now);
      if (p != old) break;
      if (Clock::now() - start > std::chrono::seconds(2)) break;
    }
    out.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  XCloseDisplay(d);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "latency";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "latency", "latency", WS_POPUP, 0, 0, kWidth, kHeight, nullptr,
                              nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);

  // A full frame: every pixel changes each round.
  std::vector<double> present;
  for (int i = 0; i < rounds; ++i) {
    colour = i % 2 ? RGB(10, 200, 30) : RGB(200, 10, 30);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    auto start = Clock::now();
    zt::platform::presentChanges();
    present.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }

  std::vector<double> latency;
  std::thread x(clicker, rounds, std::ref(latency));
  MSG msg;
  auto until = Clock::now() + std::chrono::seconds(30);
  while (clicks < rounds && Clock::now() < until) {
    SetTimer(hwnd, 1, 100, nullptr);  // bounds each wait, so the loop can end
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&msg);
  }
  // Lets the last click's frame be presented and seen.
  for (int i = 0; i < 5; ++i) {
    SetTimer(hwnd, 1, 20, nullptr);
    GetMessageA(&msg, nullptr, 0, 0);
    DispatchMessageA(&msg);
  }
  x.join();
  std::printf("full %d x %d frame presented: median %.3f ms, min %.3f ms (%d rounds)\n", kWidth,
              kHeight, median(present), *std::min_element(present.begin(), present.end()), rounds);
  if (!latency.empty()) {
    std::printf(
        "X click to redrawn pixels on the X server: median %.3f ms, max %.3f ms (%zu clicks)\n",
        median(latency), *std::max_element(latency.begin(), latency.end()), latency.size());
  }
  DestroyWindow(hwnd);
  return 0;
}
