// The text window procedure: repaints the console history and passes keys
// on to the graphics window.
#include <vector>

#include "package.h"

namespace zt::package {

namespace {

// Replays the stored lines oldest first; each one scrolls the window up.
void replayHistory() {
  for (const std::string& stored : ZT738_console_lines()) {
    // The stored copy keeps its trailing newline; put_line may remove it.
    std::vector<char> line(stored.begin(), stored.end());
    line.push_back('\0');
    ZT738_console_put_line(line.data());
  }
}

}  // namespace

LRESULT CALLBACK ZT738_text_window_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps = {};
      BeginPaint(window, &ps);
      replayHistory();
      EndPaint(window, &ps);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
      PostMessageA(graphicsWindow, message, wParam, lParam);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace zt::package
