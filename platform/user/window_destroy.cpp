// DestroyWindow: owned windows first; WM_DESTROY to the window and then to
// its descendants (parents before children); WM_NCDESTROY to the children
// before their parent; then the handles die.
#include "caret.h"
#include "clipboard.h"
#include "focus.h"
#include "hooks.h"
#include "menu.h"
#include "message_queue.h"
#include "timers.h"
#include "window.h"

namespace zt::platform {
namespace {

void sendDestroy(HWND hwnd) {
  Window* w = sendThenFind(hwnd, WM_DESTROY, 0, 0);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) {
    Window* c = findWindow(child);
    if (!c || c->destroying) continue;
    c->destroying = true;
    sendDestroy(child);
  }
}

}  // namespace

void releaseWindow(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  w->destroying = true;
  std::vector<HWND> children = w->children;
  for (HWND child : children) releaseWindow(child);
  killWindowTimers(hwnd);
  caretWindowGone(hwnd);
  clipboardWindowGone(hwnd);
  windowDestroyed(hwnd);
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  forgetWindowMessages(hwnd);
  forgetWindow(hwnd);
  w = findWindow(hwnd);
  if (!w) return;
  if (Window* parent = w->isChild() ? findWindow(w->parent) : nullptr) {
    std::erase(parent->children, hwnd);
  }
  // A window's menu bar goes with it, as on Win32.
  if (!w->isChild() && w->menu) DestroyMenu(w->menu);
  screenWindowGone(hwnd);
  removeWindow(hwnd);
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL DestroyWindow(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || w->destroying) return FALSE;
  w->destroying = true;
  for (HWND other : allWindows()) {
    Window* o = findWindow(other);
    if (o && o->owner == hwnd && !o->destroying) DestroyWindow(other);
  }
  leaveWindow(hwnd);
  if ((w = findWindow(hwnd)) == nullptr) return TRUE;
  if (w->visible() && w->isChild()) {
    // Uncover the parent where the child was.
    RECT r = w->rect;
    invalidateWindow(w->parent, &r, true);
  }
  w->style &= ~static_cast<DWORD>(WS_VISIBLE);
  sendDestroy(hwnd);
  releaseWindow(hwnd);
  return TRUE;
}
