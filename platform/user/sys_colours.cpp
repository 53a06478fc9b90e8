// GetSysColor: the colours of Wine's default theme for the elements the
// layer paints itself (menus, window backgrounds, button faces).
#include "win32.h"

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_MENU:
    case COLOR_BTNFACE:
      return RGB(240, 240, 240);
    case COLOR_MENUTEXT:
    case COLOR_WINDOWTEXT:
      return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT:
      return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT:
      return RGB(255, 255, 255);
    case COLOR_GRAYTEXT:
      return RGB(109, 109, 109);
    case COLOR_BTNSHADOW:
      return RGB(160, 160, 160);
    case COLOR_BTNHIGHLIGHT:
    case COLOR_WINDOW:
    default:
      return RGB(255, 255, 255);
  }
}
