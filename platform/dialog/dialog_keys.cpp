// IsDialogMessageA: the keys that a dialog handles for its controls (Tab,
// Enter, Escape) before the message reaches the focused control.
#include "dialog_manager.h"

namespace zt::platform {
namespace {

// Enter: a focused push button is clicked; otherwise the default push button
// (DM_GETDEFID), and IDOK when the dialog has none.
void pressEnter(HWND dialog) {
  HWND focus = GetFocus();
  if (focus && GetParent(focus) == dialog &&
      (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
    return;
  }
  const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(def) == DC_HASDEFID) {
    HWND button = GetDlgItem(dialog, LOWORD(def));
    if (!button || IsWindowEnabled(button)) {
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    }
    return;
  }
  SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// Handles a key-down for the dialog; false when it is the control's.
bool dialogKey(HWND dialog, const MSG& msg, LRESULT dlgCode) {
  if (dlgCode & DLGC_WANTMESSAGE) return false;
  switch (msg.wParam) {
    case VK_TAB: {
      if (dlgCode & DLGC_WANTTAB) return false;
      const bool backwards = GetKeyState(VK_SHIFT) < 0;
      if (HWND next = nextTabStop(dialog, GetFocus(), backwards)) focusControl(next);
      return true;
    }
    case VK_ESCAPE:
      SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return true;
    case VK_RETURN:
      pressEnter(dialog);
      return true;
    default:
      return false;
  }
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

BOOL IsDialogMessageA(HWND dialog, LPMSG msg) {
  if (!msg || !dialogStateOf(dialog) || !msg->hwnd) return FALSE;
  if (!isSelfOrDescendant(dialog, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    const LRESULT code = SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(msg));
    if (dialogKey(dialog, *msg, code)) return TRUE;
  } else if (msg->message == WM_CHAR && msg->wParam == '\t') {
    const LRESULT code = SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(msg));
    if (!(code & (DLGC_WANTTAB | DLGC_WANTMESSAGE))) return TRUE;  // Tab was handled as a key
  }
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return TRUE;
}
