// A top-level window's menu bar: SetMenu, GetMenu, DrawMenuBar. The bar
// takes SM_CYMENU pixels from the top of the client area and is painted in
// the non-client area above it (menu_paint.cpp).
#include "menu.h"
#include "window.h"

using namespace zt::platform;

BOOL SetMenu(HWND hwnd, HMENU menu) {
  Window* w = findWindow(hwnd);
  if (!w || w->isChild()) return FALSE;  // child windows have no menu bar
  if (menu && !findMenu(menu)) return FALSE;
  POINT origin = clientPosition(*w);
  SIZE size = clientSize(*w);
  w->menu = menu;
  clientAreaChanged(hwnd, origin, size);
  paintMenuBar(hwnd);
  return TRUE;
}

HMENU GetMenu(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w && !w->isChild() ? w->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || w->isChild()) return FALSE;
  paintMenuBar(hwnd);
  return TRUE;
}
