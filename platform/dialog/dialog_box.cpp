// DialogBoxIndirectParamA and EndDialog: a modal dialog built from an
// in-memory template, run by its own message loop until EndDialog.
#include <algorithm>

#include "dialog_manager.h"

namespace zt::platform {
namespace {

struct BaseUnits {
  int x;
  int y;
};

BaseUnits dialogBaseUnits() {
  const LONG units = GetDialogBaseUnits();
  return BaseUnits{LOWORD(units), HIWORD(units)};
}

// The outer rectangle of the dialog in screen coordinates: the template's
// position is that of the client area, measured from the owner's client
// area unless DS_ABSALIGN, and the window is kept on the screen.
RECT dialogRect(const DialogTemplate& t, DWORD exStyle, HWND owner, BaseUnits units) {
  RECT r{0, 0, mulDiv(t.cx, units.x, 4), mulDiv(t.cy, units.y, 8)};
  AdjustWindowRectEx(&r, t.style, FALSE, exStyle);
  const LONG width = r.right - r.left;
  const LONG height = r.bottom - r.top;
  POINT pos{r.left + mulDiv(t.x, units.x, 4), r.top + mulDiv(t.y, units.y, 8)};
  if (!(t.style & DS_ABSALIGN)) {
    if (Window* o = findWindow(owner)) {
      const POINT origin = clientOriginOnScreen(*o);
      pos.x += origin.x;
      pos.y += origin.y;
    }
  }
  const LONG screenW = GetSystemMetrics(SM_CXSCREEN);
  const LONG screenH = GetSystemMetrics(SM_CYSCREEN);
  pos.x = std::max<LONG>(0, std::min<LONG>(pos.x, screenW - width));
  pos.y = std::max<LONG>(0, std::min<LONG>(pos.y, screenH - height));
  return RECT{pos.x, pos.y, pos.x + width, pos.y + height};
}

bool createControls(HWND dialog, const DialogTemplate& t, HINSTANCE instance, BaseUnits units) {
  for (const DialogItemTemplate& item : t.items) {
    HWND control = CreateWindowExA(item.exStyle, controlClassName(item.controlClass),
                                   item.text.c_str(), (item.style | WS_CHILD) & ~WS_POPUP,
                                   mulDiv(item.x, units.x, 4), mulDiv(item.y, units.y, 8),
                                   mulDiv(item.cx, units.x, 4), mulDiv(item.cy, units.y, 8), dialog,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)),
                                   instance, const_cast<void*>(item.creationData));
    if (!control) return false;
    DialogState* state = dialogStateOf(dialog);
    if (!state) return false;
    if (state->defaultId == 0 &&
        (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
      state->defaultId = item.id;
    }
  }
  return true;
}

// Creates the dialog window and its controls, hidden; nullptr on failure.
HWND createDialog(HINSTANCE instance, const DialogTemplate& t, HWND owner, DLGPROC proc) {
  registerDialogClasses();
  const DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
  const BaseUnits units = dialogBaseUnits();
  const RECT r = dialogRect(t, exStyle, owner, units);
  HWND dialog =
      CreateWindowExA(exStyle, kDialogClassName, t.title.c_str(), t.style & ~WS_VISIBLE, r.left,
                      r.top, r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
  Window* w = findWindow(dialog);
  if (!w) return nullptr;
  auto state = std::make_unique<DialogState>();
  state->proc = proc;
  state->owner = owner;
  w->dialogData = std::move(state);
  if (!createControls(dialog, t, instance, units)) {
    DestroyWindow(dialog);
    return nullptr;
  }
  return dialog;
}

// Dispatches every message of the thread until the dialog ends. A quit
// message ends the loop and is put back for the caller's own loop.
void runModalLoop(HWND dialog) {
  MSG msg;
  for (;;) {
    DialogState* state = dialogStateOf(dialog);
    if (!state || state->ended) return;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA templ, HWND owner, DLGPROC proc,
                                LPARAM param) {
  DialogTemplate t;
  if (!parseDialogTemplate(templ, t)) return -1;
  if (owner && !IsWindow(owner)) return -1;
  if (owner) owner = topLevelOf(owner);
  HWND dialog = createDialog(instance, t, owner, proc);
  if (!dialog) return -1;

  // The owner takes no input while the dialog runs.
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) {
    EnableWindow(owner, FALSE);
    dialogStateOf(dialog)->ownerDisabled = true;
  }
  HWND first = nextTabStop(dialog, nullptr, false);
  if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first &&
      IsWindow(first)) {
    focusControl(first);
  }
  DialogState* state = dialogStateOf(dialog);
  if (state && !state->ended && (t.style & WS_VISIBLE)) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  runModalLoop(dialog);

  // Without EndDialog (a quit message, or the dialog destroyed by someone
  // else) the result is 0.
  state = dialogStateOf(dialog);
  const INT_PTR result = state && state->ended ? state->result : 0;
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  DialogState* state = dialogStateOf(dialog);
  if (!state) return FALSE;
  state->ended = true;
  state->result = result;
  if (state->ownerDisabled) {
    state->ownerDisabled = false;
    EnableWindow(state->owner, TRUE);
  }
  ShowWindow(dialog, SW_HIDE);
  PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the modal loop
  return TRUE;
}
