// The dialog window's procedure: the program's DLGPROC first, then the
// default dialog handling for what it leaves (returns 0 for).
#include "dialog_manager.h"

namespace zt::platform {
namespace {

LRESULT defaultDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      // The close box and Escape both mean Cancel; only the DLGPROC decides
      // whether the dialog ends.
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) return SendMessageA(hwnd, WM_CLOSE, 0, 0);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case DM_GETDEFID: {
      const DialogState* state = dialogStateOf(hwnd);
      return state && state->defaultId ? MAKELONG(state->defaultId, DC_HASDEFID) : 0;
    }
    case WM_SETFOCUS: {
      // The focus passes on to the control that had it last.
      const DialogState* state = dialogStateOf(hwnd);
      HWND target = state ? state->lastFocus : nullptr;
      if (!target || !IsWindow(target) || GetParent(target) != hwnd) {
        target = nextTabStop(hwnd, nullptr, false);
      }
      if (target) SetFocus(target);
      return 0;
    }
    case WM_NCDESTROY:
      if (Window* w = findWindow(hwnd)) w->dialogData.reset();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK dialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const DialogState* state = dialogStateOf(hwnd);
  if (DLGPROC proc = state ? state->proc : nullptr) {
    // The DLGPROC may destroy the dialog: nothing of the state is kept.
    const INT_PTR handled = proc(hwnd, msg, wParam, lParam);
    if (handled && msg != WM_NCDESTROY) return msg == WM_INITDIALOG ? handled : 0;
  }
  return defaultDialogProc(hwnd, msg, wParam, lParam);
}

}  // namespace zt::platform
