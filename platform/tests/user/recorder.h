// A window class for the conformance tests that records the messages both
// Win32 and the layer send alike, so that sequences can be compared exactly.
#pragma once

#include <vector>

#include "win32.h"

namespace zt_test {

struct Recorded {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Messages recorded since the last clearRecords(): WM_CREATE, WM_SIZE,
// WM_DESTROY, WM_PAINT, WM_TIMER, WM_CHAR, WM_KEYDOWN, WM_ENABLE,
// WM_SETFOCUS, WM_KILLFOCUS and WM_USER and above.
std::vector<Recorded>& records();
void clearRecords();
// The recorded message numbers only (optionally of one window).
std::vector<UINT> recordedMessages(HWND only = nullptr);

// The class name of the recording windows; registered on first use.
const char* recorderClass();
// A recording top-level window (hidden unless style has WS_VISIBLE).
HWND createRecorder(DWORD style = WS_OVERLAPPEDWINDOW, int width = 200, int height = 100,
                    const char* title = "recorder", HWND parent = nullptr, HMENU menu = nullptr);

// Takes and dispatches every message that is ready now, WM_QUIT included
// (which it returns as true). Leaves nothing pending.
bool drainMessages();

// Destroys a window at the end of a test unless the test destroyed it.
struct WindowGuard {
  HWND hwnd;
  explicit WindowGuard(HWND h) : hwnd(h) {}
  ~WindowGuard() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  WindowGuard(const WindowGuard&) = delete;
  WindowGuard& operator=(const WindowGuard&) = delete;
};

}  // namespace zt_test
