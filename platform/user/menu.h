// Menu internals: a menu is a list of items; a popup item owns a submenu.
#pragma once

#include <string>
#include <vector>

#include "win32.h"

namespace zt::platform {

struct MenuItem {
  UINT flags = 0;           // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
  UINT_PTR id = 0;          // command identifier (the submenu handle for a popup)
  HMENU submenu = nullptr;  // MF_POPUP items
  std::string text;
};

struct Menu {
  bool popup = false;  // made by CreatePopupMenu
  std::vector<MenuItem> items;
  int selected = -1;  // the highlighted item while the menu is tracked
};

// The live menu behind a handle, or nullptr.
Menu* findMenu(HMENU menu);

// Whether choosing the item gives a command: not a separator, a popup, or
// greyed or disabled.
bool choosable(const MenuItem& item);
// The item's state as WM_MENUSELECT and GetMenuState report it (a separator
// reads as greyed and disabled too).
UINT itemState(const MenuItem& item);

// ---- layout (menu_layout.cpp). Item rectangles of the bar are relative to
// the bar's top-left, those of a popup to the popup window's.
struct MenuLayout {
  SIZE size{};              // the bar's or the popup window's size
  std::vector<RECT> items;  // one per item
  int labelX = 0;           // popups: where labels start (after the check column)
  int shortcutX = 0;        // popups: the shared column of the text after a tab
};
MenuLayout barLayout(HMENU bar, int width);
MenuLayout popupLayout(HMENU popup);
// The bar's rectangle on the screen for a window with a menu bar.
RECT barOnScreen(HWND hwnd);
// A label as shown: "&&" is one "&", a single "&" marks the mnemonic.
std::string shownLabel(const std::string& text);
// The font of menu labels.
HFONT menuFont();

// ---- painting (menu_paint.cpp)
// Paints a window's menu bar into its non-client surface (window.h: strip).
void paintMenuBar(HWND hwnd);
// Paints the menu bar if its surface does not fit the window any more.
void ensureMenuBarPainted(HWND hwnd);
// Paints a popup menu onto a DC at (0, 0).
void paintPopup(HDC dc, HMENU popup);

// ---- the popup menu window, class "#32768" (menu_popup_window.cpp); one at a time.
// Shows popup as a window at screen point at (moved to stay on the screen).
HWND showPopupWindow(HWND owner, HMENU popup, POINT at);
void hidePopupWindow();
// The open popup window and its menu, or nullptr.
HWND popupWindow();
HMENU popupWindowMenu();
// Repaints the open popup window now.
void repaintPopupWindow();

// ---- tracking (menu_tracking.cpp)
// The modal loop over a window's menu bar: from a press at a screen point
// (press non-null), or from the keyboard: key 0 highlights the bar, a
// character opens the bar item it is the mnemonic of.
void trackMenuBar(HWND owner, const POINT* press, int key);

}  // namespace zt::platform
