// The pointer while a menu is tracked (the owner has the capture; the
// message's screen point decides): a move highlights the item under it (or
// opens another bar item's popup); a press on an item highlights it, on the
// open bar item closes the menu at its release, outside every menu ends
// the loop (the press goes no further); a release on an item that can be
// chosen chooses it. Greyed items and separators highlight but are never chosen.
#include "menu_tracking.h"

namespace zt::platform {
namespace {

struct Hit {
  HMENU menu = nullptr;
  int position = -1;
};

Hit hitAt(const Tracking& t, POINT p) {
  if (t.popup) {
    int i = MenuItemFromPoint(t.owner, t.popup, p);
    RECT box;
    if (i >= 0) return Hit{t.popup, i};
    if (GetWindowRect(popupWindow(), &box) && p.x >= box.left && p.x < box.right &&
        p.y >= box.top && p.y < box.bottom)
      return Hit{t.popup, -1};  // the popup's frame
  }
  if (t.bar) {
    int i = MenuItemFromPoint(t.owner, t.bar, p);
    if (i >= 0) return Hit{t.bar, i};
  }
  return Hit{};
}

bool isPress(UINT m) {
  return m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDOWN ||
         m == WM_RBUTTONDBLCLK || m == WM_NCLBUTTONDOWN || m == WM_NCLBUTTONDBLCLK ||
         m == WM_NCRBUTTONDOWN || m == WM_NCRBUTTONDBLCLK;
}

bool isRelease(UINT m) {
  return m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_NCLBUTTONUP || m == WM_NCRBUTTONUP;
}

int selectedIn(HMENU handle) {
  Menu* menu = findMenu(handle);
  return menu ? menu->selected : -1;
}

void moved(Tracking& t, const Hit& hit) {
  if (hit.menu && hit.menu == t.popup) {
    if (hit.position >= 0 && hit.position != selectedIn(t.popup))
      selectItem(t, t.popup, hit.position);
  } else if (hit.menu && hit.menu == t.bar) {
    if (t.popup && hit.position != selectedIn(t.bar)) openBarPopup(t, hit.position, false);
  } else if (t.popup && selectedIn(t.popup) >= 0) {
    // Off every item: the popup's highlight goes, its bar item says so again.
    if (Menu* popup = findMenu(t.popup)) popup->selected = -1;
    repaintPopupWindow();
    if (t.bar && selectedIn(t.bar) >= 0) selectItem(t, t.bar, selectedIn(t.bar));
  }
}

}  // namespace

void trackPointer(Tracking& t, const MSG& msg) {
  Hit hit = hitAt(t, msg.pt);
  if (isPress(msg.message)) {
    if (!hit.menu) {
      t.ended = true;
    } else if (hit.menu == t.bar && hit.position == selectedIn(t.bar) && t.popup) {
      t.closeOnRelease = true;
    } else {
      t.closeOnRelease = false;
      moved(t, hit);
      if (hit.menu == t.bar && !t.popup) openBarPopup(t, hit.position, false);
    }
  } else if (isRelease(msg.message)) {
    if (hit.menu && hit.menu == t.popup) {
      chooseItem(t, t.popup, hit.position);
    } else if (hit.menu == t.bar && t.closeOnRelease) {
      t.ended = true;
    }
    t.closeOnRelease = false;
  } else {
    moved(t, hit);
  }
}

}  // namespace zt::platform
