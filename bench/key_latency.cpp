// From an X key press to the WM_CHAR in the window procedure, under an X
// server (Xvfb) with ZT738_VIDEO=sdl: another X client sends the key "a"
// (press and release) to the window, and the procedure notes when its
// character arrives. Prints the median and the largest time.
//   key_latency [ROUNDS]
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
std::atomic<int> characters{0};
std::atomic<Clock::rep> arrived{0};

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CHAR && wParam == 'a') {
    arrived = Clock::now().time_since_epoch().count();
    ++characters;
    return 0;
  }
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

Window findByName(Display* d, std::string_view wanted) {
  for (int i = 0; i < 100; ++i) {
    Window root, parent, *kids = nullptr;
    unsigned n = 0;
    Window found = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n);
    for (unsigned k = 0; k < n && !found; ++k) {
      char* name = nullptr;
      if (XFetchName(d, kids[k], &name) && name) {
        if (std::string_view(name) == wanted) found = kids[k];
        XFree(name);
      }
    }
    if (kids) XFree(kids);
    if (found) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}

// Another X client: focuses the window, then types "a" into it, one key at
// a time, waiting for each character to arrive.
void typist(int rounds, std::vector<double>& out) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  const Window w = findByName(d, "key latency");
  if (!w) return;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  XSetInputFocus(d, w, RevertToParent, CurrentTime);
  XSync(d, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  XEvent e{};
  e.xkey.display = d;
  e.xkey.window = w;
  e.xkey.root = DefaultRootWindow(d);
  e.xkey.keycode = XKeysymToKeycode(d, XK_a);
  e.xkey.same_screen = True;
  for (int i = 0; i < rounds; ++i) {
    const int before = characters;
    e.xkey.type = KeyPress;
    const auto start = Clock::now();
    XSendEvent(d, w, True, KeyPressMask, &e);
    e.xkey.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, &e);
    XFlush(d);
    while (characters == before && Clock::now() - start < std::chrono::seconds(2))
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    if (characters != before) {
      const auto at = Clock::time_point(Clock::duration(arrived.load()));
      out.push_back(std::chrono::duration<double, std::milli>(at - start).count());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  XCloseDisplay(d);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "key latency";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "key latency", "key latency", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  SetFocus(hwnd);
  std::vector<double> latency;
  std::thread x(typist, rounds, std::ref(latency));
  MSG msg;
  const auto until = Clock::now() + std::chrono::seconds(30);
  while (characters < rounds && Clock::now() < until) {
    SetTimer(hwnd, 1, 100, nullptr);  // bounds each wait, so the loop can end
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  x.join();
  if (latency.empty()) {
    std::printf("no character arrived\n");
    return 1;
  }
  std::printf("X key press to WM_CHAR: median %.3f ms, max %.3f ms (%zu keys)\n", median(latency),
              *std::max_element(latency.begin(), latency.end()), latency.size());
  DestroyWindow(hwnd);
  return 0;
}
