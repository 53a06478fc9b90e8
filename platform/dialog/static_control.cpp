// The static control: text on the dialog's face colour, broken at blanks to
// fit the control's width.
#include <string>

#include "control_paint.h"
#include "dialog_manager.h"

namespace zt::platform {
namespace {

void paintStatic(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  fillClient(dc, hwnd, kFaceColour);
  prepareText(dc);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  RECT client;
  GetClientRect(hwnd, &client);
  const int height = lineHeight(dc);
  int y = 0;
  for (const LineSpan& line : layoutInDc(dc, text, client.right, true)) {
    if (y >= client.bottom) break;
    TextOutA(dc, 0, y, text.data() + line.start, static_cast<int>(line.end - line.start));
    y += height;
  }
  EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      paintStatic(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace zt::platform
