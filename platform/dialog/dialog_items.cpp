// The dialog's controls by identifier: GetDlgItem, GetDlgItemTextA,
// SetDlgItemTextA.
#include "dialog_manager.h"

using namespace zt::platform;

HWND GetDlgItem(HWND dialog, int id) {
  Window* d = findWindow(dialog);
  if (!d) return nullptr;
  for (HWND child : d->children) {
    Window* c = findWindow(child);
    if (c && c->id == id) return child;
  }
  return nullptr;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  HWND item = GetDlgItem(dialog, id);
  if (!item) return 0;
  // WM_GETTEXT copies at most size - 1 characters and terminates.
  const LRESULT copied =
      SendMessageA(item, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer));
  buffer[size - 1] = '\0';
  return copied > 0 ? static_cast<UINT>(copied) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) return FALSE;
  return SendMessageA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}
