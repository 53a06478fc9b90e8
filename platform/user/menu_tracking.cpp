// The modal menu loop, as Win32 runs it: WM_ENTERMENULOOP and WM_INITMENU
// before it, WM_MENUSELECT as the highlight moves, WM_INITMENUPOPUP before a
// popup opens and WM_UNINITMENUPOPUP when it closes, the closing
// WM_MENUSELECT (0xFFFF, NULL) and WM_EXITMENULOOP after it; the chosen
// item's WM_COMMAND is posted. The owner captures the pointer meanwhile, and
// every other message (timers, painting) is dispatched as usual; the owner
// hears WM_ENTERIDLE (MSGF_MENU) whenever the queue runs empty.
#include "menu_tracking.h"

#include "window.h"

namespace zt::platform {
namespace {

// One menu loop at a time: a request for another while one runs is refused.
bool tracking = false;

struct Running {
  Running() { tracking = true; }
  ~Running() { tracking = false; }
};

bool isPointerMessage(UINT m) {
  return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
         (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}

void repaint(const Tracking& t, HMENU menu) {
  if (menu == t.bar) {
    paintMenuBar(t.owner);
  } else if (menu == t.popup) {
    repaintPopupWindow();
  }
}

void begin(Tracking& t, HMENU first) {
  SendMessageA(t.owner, WM_ENTERMENULOOP, t.bar ? FALSE : TRUE, 0);
  if (!(t.flags & TPM_NONOTIFY))
    SendMessageA(t.owner, WM_INITMENU, reinterpret_cast<WPARAM>(first), 0);
  SetCapture(t.owner);
}

void finish(Tracking& t) {
  if (!IsWindow(t.owner)) return hidePopupWindow();
  closePopup(t);
  if (Menu* bar = findMenu(t.bar)) {
    bar->selected = -1;
    paintMenuBar(t.owner);
  }
  SendMessageA(t.owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  if (GetCapture() == t.owner) ReleaseCapture();
  SendMessageA(t.owner, WM_EXITMENULOOP, t.bar ? FALSE : TRUE, 0);
}

void run(Tracking& t) {
  bool idleSent = false;
  while (!t.ended && IsWindow(t.owner)) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!idleSent) {
        idleSent = true;
        SendMessageA(t.owner, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(popupWindow()));
      } else {
        WaitMessage();
      }
      continue;
    }
    idleSent = false;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the program's own loop
      break;
    }
    if (isPointerMessage(msg.message)) {
      trackPointer(t, msg);
    } else if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
      trackKey(t, msg);
    } else {
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace

void selectItem(Tracking& t, HMENU handle, int position) {
  Menu* menu = findMenu(handle);
  if (!menu || position >= static_cast<int>(menu->items.size())) return;
  menu->selected = position;
  repaint(t, handle);
  if (position < 0 || (t.flags & TPM_NONOTIFY)) return;
  const MenuItem& item = menu->items[static_cast<size_t>(position)];
  UINT state = itemState(item);
  if (!(item.flags & MF_SEPARATOR)) state |= MF_HILITE;
  UINT id = (item.flags & MF_POPUP) ? static_cast<UINT>(position) : static_cast<UINT>(item.id);
  SendMessageA(t.owner, WM_MENUSELECT, MAKEWPARAM(id, state), reinterpret_cast<LPARAM>(handle));
}

void openBarPopup(Tracking& t, int position, bool selectFirst) {
  Menu* bar = findMenu(t.bar);
  if (!bar || position < 0 || position >= static_cast<int>(bar->items.size())) return;
  closePopup(t);
  if (bar->selected != position) selectItem(t, t.bar, position);
  const MenuItem& item = bar->items[static_cast<size_t>(position)];
  Menu* popup = findMenu(item.submenu);
  if (!(item.flags & MF_POPUP) || !popup || (item.flags & (MF_GRAYED | MF_DISABLED))) return;
  HMENU handle = item.submenu;
  if (!(t.flags & TPM_NONOTIFY))
    SendMessageA(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle),
                 MAKELPARAM(position, 0));
  RECT r;
  if (!IsWindow(t.owner) || !GetMenuItemRect(t.owner, t.bar, static_cast<UINT>(position), &r))
    return;
  if ((popup = findMenu(handle)) == nullptr) return;
  popup->selected = -1;
  t.popup = handle;
  showPopupWindow(t.owner, handle, POINT{r.left, barOnScreen(t.owner).bottom});
  if (selectFirst) selectItem(t, handle, nextItem(handle, -1, 1));
}

void closePopup(Tracking& t) {
  if (!t.popup) return;
  HMENU popup = t.popup;
  if (Menu* m = findMenu(popup)) m->selected = -1;
  t.popup = nullptr;
  hidePopupWindow();
  if (!(t.flags & TPM_NONOTIFY) && IsWindow(t.owner))
    SendMessageA(t.owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
}

void chooseItem(Tracking& t, HMENU handle, int position) {
  Menu* menu = findMenu(handle);
  if (!menu || position < 0 || position >= static_cast<int>(menu->items.size())) return;
  const MenuItem& item = menu->items[static_cast<size_t>(position)];
  if (!choosable(item)) return;
  t.chosen = static_cast<UINT>(item.id);
  t.ended = true;
  if (!(t.flags & TPM_RETURNCMD)) PostMessageA(t.owner, WM_COMMAND, item.id, 0);
}

int nextItem(HMENU handle, int position, int step) {
  Menu* menu = findMenu(handle);
  if (!menu || menu->items.empty()) return -1;
  int n = static_cast<int>(menu->items.size());
  for (int k = 1; k <= n; ++k) {
    int i = (((position + step * k) % n) + n) % n;
    if (!(menu->items[static_cast<size_t>(i)].flags & MF_SEPARATOR)) return i;
  }
  return -1;
}

void trackMenuBar(HWND owner, const POINT* press, int key) {
  Window* w = findWindow(owner);
  if (tracking || !w || !w->hasMenuBar() || !findMenu(w->menu)) return;
  Running running;
  Tracking t;
  t.owner = owner;
  t.bar = w->menu;
  begin(t, t.bar);
  if (press) {
    int position = MenuItemFromPoint(owner, t.bar, *press);
    if (position < 0) {
      t.ended = true;
    } else {
      openBarPopup(t, position, false);
    }
  } else if (key == 0) {
    selectItem(t, t.bar, nextItem(t.bar, -1, 1));
  } else {
    int position = mnemonicItem(t.bar, key);
    if (position < 0) {
      t.ended = true;
    } else {
      openBarPopup(t, position, true);
    }
  }
  run(t);
  finish(t);
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND hwnd,
                    const RECT* rect) {
  (void)reserved;
  (void)rect;
  if (tracking || !findMenu(menu) || !IsWindow(hwnd)) return FALSE;
  Running running;
  Tracking t;
  t.owner = hwnd;
  t.flags = flags;
  begin(t, menu);
  if (!(flags & TPM_NONOTIFY))
    SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  if (Menu* m = findMenu(menu)) m->selected = -1;
  if (IsWindow(hwnd) && findMenu(menu) && showPopupWindow(hwnd, menu, POINT{x, y})) {
    t.popup = menu;
    run(t);
  }
  finish(t);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(t.chosen);
  return TRUE;
}
