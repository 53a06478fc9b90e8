// Opening and closing the package: window classes, the two windows, the
// canvas and the tick timer.
#include "package.h"
#include "replay_hooks.h"

namespace zt::package {

namespace {

void registerClass(HINSTANCE hInstance, const char* name, WNDPROC procedure) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(colourRgb[COLOUR_WHITE]);
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

int ZT738_start(HINSTANCE hInstance, HINSTANCE hPrevInstance, char*, int nCmdShow) {
  if (hPrevInstance == nullptr) {
    registerClass(hInstance, "DrawWndClass", ZT738_graphics_window_proc);
    registerClass(hInstance, "TextWndClass", ZT738_text_window_proc);
  }
  const int cx = GetSystemMetrics(SM_CXSCREEN);
  const int cy = GetSystemMetrics(SM_CYSCREEN);
  animating = false;
  oneFrameRequested = false;

  graphicsWindow =
      CreateWindowExA(0, "DrawWndClass", "ZT738 Graphics", WS_CAPTION | WS_SYSMENU, 0, 0,
                      CANVAS_WIDTH, CANVAS_HEIGHT, nullptr, nullptr, hInstance, nullptr);
  textWindow = CreateWindowExA(0, "TextWndClass", "ZT738 Text", WS_OVERLAPPEDWINDOW, 0,
                               (2 * cy) / 3 + 1, cx, cy / 3, nullptr, nullptr, hInstance, nullptr);

  instance = hInstance;
  windowDC = GetDC(graphicsWindow);
  canvasBitmap = CreateCompatibleBitmap(windowDC, CANVAS_WIDTH, CANVAS_HEIGHT);
  canvas = CreateCompatibleDC(windowDC);
  SelectObject(canvas, canvasBitmap);

  ShowWindow(textWindow, nCmdShow);
  ShowWindow(graphicsWindow, nCmdShow);

  SetTimer(graphicsWindow, TICK_TIMER_ID, TICK_PERIOD_MS, nullptr);
  ZT738_replay_begin(ZT738_replay_settings_from_environment());
  return 1;
}

int ZT738_stop() {
  ZT738_replay_display_ended();
  ReleaseDC(graphicsWindow, windowDC);
  ZT738_close_script();
  return 1;
}

void ZT738_show_text_window(int show) { ShowWindow(textWindow, show != 0 ? SW_SHOW : SW_HIDE); }

}  // namespace zt::package
