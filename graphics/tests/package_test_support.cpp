#include "package_test_support.h"

Display& sharedDisplay() {
  static Display* display = [] {
    startInstance = GetModuleHandleA(nullptr);
    startPrevInstance = nullptr;
    startCmdShow = SW_SHOWNORMAL;
    return new Display();  // lives until the process ends, like a program's display
  }();
  return *display;
}

HWND findGraphicsWindow() { return FindWindowA("DrawWndClass", "ZT738 Graphics"); }

void drainMessages() {
  MSG message = {};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void resetPackage() {
  sharedDisplay();
  drainMessages();
  ZT738_set_animation(0);
  ZT738_set_logging(0);
  quitRequested = false;
  recording = false;
  playingBack = false;
  playOneRequested = false;
  periodicCount = 0;
  ctrlDown = false;
  CheckMenuItem(runMenu, CmdRecordScript, MF_BYCOMMAND | MF_UNCHECKED);
  CheckMenuItem(runMenu, CmdPlaybackScript, MF_BYCOMMAND | MF_UNCHECKED);
}

void postToGraphics(UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageA(findGraphicsWindow(), message, wParam, lParam);
}

void sendCtrlLetter(HWND target, char letter) {
  SendMessageA(target, WM_KEYDOWN, VK_CONTROL, 1);
  SendMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
  SendMessageA(target, WM_KEYUP, static_cast<WPARAM>(letter), 1);
  SendMessageA(target, WM_KEYUP, VK_CONTROL, 1);
}

void clearConsole() {
  for (std::string& line : consoleHistory) line.clear();
  consoleFirst = -1;
  consoleNext = 0;
}

std::vector<std::string> consoleLines() { return ZT738_console_lines(); }

COLORREF canvasPixel(int x, int y) { return GetPixel(canvas, centreX + x, centreY - y); }

bool onCanvas(int x, int y) {
  const int cx = centreX + x;
  const int cy = centreY - y;
  return cx >= 0 && cx < CANVAS_WIDTH && cy >= 0 && cy < CANVAS_HEIGHT;
}

Event nextEvent() {
  Event event = {EventNone, -1, -1, 'X'};
  event.kind = sharedDisplay().nextEvent(&event.x, &event.y, &event.key);
  return event;
}
