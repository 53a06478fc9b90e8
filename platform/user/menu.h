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
};

// The live menu behind a handle, or nullptr.
Menu* findMenu(HMENU menu);

}  // namespace zt::platform
