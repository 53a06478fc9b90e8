// GetSysColor: the colours of Wine's default theme for the elements the
// layer paints itself (menus, window backgrounds, button faces).
#include "win32.h"

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_BTNFACE:
      return RGB(240, 240, 240);
    case COLOR_MENUTEXT:
    case COLOR_WINDOWTEXT:
      return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT:
      return RGB(48, 150, 250);
    case COLOR_GRAYTEXT:
    case COLOR_BTNSHADOW:
      return RGB(166, 166, 166);
    case COLOR_MENU:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_BTNHIGHLIGHT:
    case COLOR_WINDOW:
    default:
      return RGB(255, 255, 255);
  }
}
