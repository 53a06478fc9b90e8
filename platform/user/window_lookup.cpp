// Finding windows and their relations: FindWindowA, GetParent, GetDlgCtrlID.
#include <strings.h>

#include "window.h"

using namespace zt::platform;

HWND FindWindowA(LPCSTR className, LPCSTR title) {
  const WindowClass* wanted = nullptr;
  if (className) {
    wanted = findWindowClass(className);
    if (!wanted) return nullptr;
  }
  // Newest first: the newest window is on top when nothing else reorders them.
  std::vector<HWND> all = allWindows();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    Window* w = findWindow(*it);
    if (!w || w->isChild() || w->destroying) continue;
    if (wanted && w->windowClass != wanted) continue;
    // Titles compare without regard to case, as on Win32.
    if (title && strcasecmp(w->title.c_str(), title) != 0) continue;
    return *it;
  }
  return nullptr;
}

HWND GetParent(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return nullptr;
  if (w->isChild()) return w->parent;
  // A popup's "parent" is its owner; other top-level windows have none.
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w && w->isChild() ? w->id : 0;
}
