// The push button: a click (press and release of the left button over it,
// Space, or BM_CLICK) sends WM_COMMAND with BN_CLICKED to the parent. While
// the left button is held after a press on it, the button captures the mouse
// and looks pushed in whenever the pointer is over it; Space held does too.
#include <string>

#include "control_paint.h"
#include "dialog_manager.h"

namespace zt::platform {
namespace {

bool isDefault(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w && (w->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void setPressed(HWND hwnd, bool pressed) {
  ButtonState* state = buttonStateOf(hwnd);
  if (!state || state->pressed == pressed) return;
  state->pressed = pressed;
  InvalidateRect(hwnd, nullptr, TRUE);
}

void paintButton(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  const ButtonState* state = buttonStateOf(hwnd);
  const bool pressed = state && state->pressed;
  fillClient(dc, hwnd, pressed ? kShadowColour : kFaceColour);
  RECT r;
  GetClientRect(hwnd, &r);
  frameRect(dc, r, kTextColour);
  if (isDefault(hwnd))
    frameRect(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kTextColour);
  prepareText(dc);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  const int x = (r.right - textWidth(dc, text)) / 2;
  const int y = (r.bottom - lineHeight(dc)) / 2;
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
  EndPaint(hwnd, &ps);
}

bool inside(HWND hwnd, LPARAM lParam) {
  RECT r;
  GetClientRect(hwnd, &r);
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      if (Window* w = findWindow(hwnd)) w->dialogData = std::make_unique<ButtonState>();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
      if (Window* w = findWindow(hwnd)) w->dialogData.reset();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_BUTTON | (isDefault(hwnd) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd);
      if (ButtonState* state = buttonStateOf(hwnd)) state->tracking = true;
      SetCapture(hwnd);
      setPressed(hwnd, true);
      return 0;
    case WM_MOUSEMOVE: {
      const ButtonState* state = buttonStateOf(hwnd);
      if (state && state->tracking) setPressed(hwnd, inside(hwnd, lParam));
      return 0;
    }
    case WM_LBUTTONUP: {
      ButtonState* state = buttonStateOf(hwnd);
      if (!state || !state->tracking) return 0;
      state->tracking = false;
      setPressed(hwnd, false);
      ReleaseCapture();
      if (inside(hwnd, lParam)) notifyParent(hwnd, BN_CLICKED);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (ButtonState* state = buttonStateOf(hwnd); state && state->tracking) {
        state->tracking = false;
        setPressed(hwnd, false);
      }
      return 0;
    case BM_GETSTATE: {
      const ButtonState* state = buttonStateOf(hwnd);
      return (state && state->pressed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) setPressed(hwnd, true);
      return 0;
    case WM_KEYUP: {
      const ButtonState* state = buttonStateOf(hwnd);
      if (wParam == VK_SPACE && state && state->pressed) {
        setPressed(hwnd, false);
        notifyParent(hwnd, BN_CLICKED);
      }
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hwnd)) notifyParent(hwnd, BN_CLICKED);
      return 0;
    case WM_SETFOCUS:
      if (DialogState* dialog = dialogStateOf(GetParent(hwnd))) dialog->lastFocus = hwnd;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_KILLFOCUS:
      if (ButtonState* state = buttonStateOf(hwnd); state && state->tracking) {
        state->tracking = false;
        ReleaseCapture();
      }
      setPressed(hwnd, false);
      return 0;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      paintButton(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace zt::platform
