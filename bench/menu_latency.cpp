// The menu's speed on the screen driver, under an X server (Xvfb) with
// ZT738_VIDEO=sdl: from an X click on "Run" in a window's menu bar (a
// ButtonPress sent by another X client) to the popup menu's pixels on the X
// server (read back from the root window with XGetImage). A click into the
// client area closes the menu again between rounds.
//   menu_latency [ROUNDS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

#include "win32.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr COLORREF kClient = RGB(0, 0, 128);  // the client area, which the popup covers
std::atomic<bool> finished{false};

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH b = CreateSolidBrush(kClient);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, b);
    DeleteObject(b);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

Window findNamed(Display* d, std::string_view wanted) {
  Window root, parent, *kids = nullptr, found = 0;
  unsigned n = 0;
  XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n);
  for (unsigned k = 0; k < n && !found; ++k) {
    char* name = nullptr;
    if (XFetchName(d, kids[k], &name) && name) {
      if (std::string_view(name) == wanted) found = kids[k];
      XFree(name);
    }
  }
  if (kids) XFree(kids);
  return found;
}

// A move to the point first: the window then has the pointer, as after a real move.
void click(Display* d, Window w, int x, int y) {
  XEvent m{};
  m.xmotion.type = MotionNotify;
  m.xmotion.window = w;
  m.xmotion.x = x;
  m.xmotion.y = y;
  m.xmotion.same_screen = True;
  XSendEvent(d, w, True, PointerMotionMask, &m);
  XEvent e{};
  e.xbutton.type = ButtonPress;
  e.xbutton.window = w;
  e.xbutton.x = x;
  e.xbutton.y = y;
  e.xbutton.button = Button1;
  e.xbutton.same_screen = True;
  XSendEvent(d, w, True, ButtonPressMask, &e);
  e.xbutton.type = ButtonRelease;
  XSendEvent(d, w, True, ButtonReleaseMask, &e);
  XFlush(d);
}

// Whether the root window shows the client colour at (x, y).
bool showsClient(Display* d, int x, int y) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return false;
  unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return p == ((GetRValue(kClient) << 16) | (GetGValue(kClient) << 8) | GetBValue(kClient));
}

// Waits until the point shows (or stops showing) the client colour; false after 2 s.
bool await(Display* d, int x, int y, bool client) {
  auto start = Clock::now();
  while (showsClient(d, x, y) != client) {
    if (Clock::now() - start > std::chrono::seconds(2)) return false;
  }
  return true;
}

// Another X client: clicks "Run", times the popup's appearance, closes it.
void clicker(int rounds, std::vector<double>& out) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  Window w = 0;
  for (int i = 0; i < 100 && !w; ++i) {
    w = findNamed(d, "menu latency");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  XWindowAttributes a{};
  if (w) XGetWindowAttributes(d, w, &a);
  Window child;
  int ox = 0, oy = 0;
  if (w) XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &ox, &oy, &child);
  // The content's top 19 rows are the menu bar; the popup opens under "Run".
  int probeX = ox + 20, probeY = oy + 19 + 40;
  if (w && await(d, probeX, probeY, true)) {
    for (int i = 0; i < rounds; ++i) {
      auto start = Clock::now();
      click(d, w, 12, 9);
      if (!await(d, probeX, probeY, false)) {
        std::fprintf(stderr, "no popup in round %d\n", i);
        break;
      }
      out.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      click(d, w, a.width - 20, a.height - 20);
      if (!await(d, probeX, probeY, true)) {
        std::fprintf(stderr, "popup stays in round %d\n", i);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  XCloseDisplay(d);
  finished = true;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "menu latency";
  RegisterClassA(&wc);
  HMENU bar = CreateMenu();
  HMENU run = CreatePopupMenu();
  AppendMenuA(run, MF_STRING, 1, "&Animate\tCtrl+A");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING | MF_CHECKED, 4, "&Logging\tCtrl+L");
  AppendMenuA(run, MF_STRING, 8, "&Quit\tCtrl+Q");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "&Run");
  HWND hwnd = CreateWindowExA(0, "menu latency", "menu latency", WS_CAPTION | WS_SYSMENU, 0, 0, 601,
                              540, nullptr, bar, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);

  std::vector<double> latency;
  std::thread x(clicker, rounds, std::ref(latency));
  MSG msg;
  while (!finished) {
    SetTimer(hwnd, 1, 50, nullptr);  // bounds each wait, so the loop can end
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&msg);
  }
  x.join();
  if (latency.empty()) {
    std::printf("no popup appeared after a click on Run\n");
    return 1;
  }
  std::printf(
      "X click on Run to the popup's pixels on the X server: median %.3f ms, max %.3f ms "
      "(%zu rounds)\n",
      median(latency), *std::max_element(latency.begin(), latency.end()), latency.size());
  DestroyWindow(hwnd);
  return 0;
}
