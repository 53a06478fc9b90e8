// GetSysColor: the colours of Wine's default theme for the elements the
// layer paints itself (menus, window backgrounds, edit selections, button
// faces). The button face is the dialogs' own face colour (kFaceColour), a
// shade darker than Wine's 245. Any other index is black, as Win32 gives 0
// for an index it does not know.
#include "win32.h"

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_MENU:
    case COLOR_WINDOW:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_BTNHIGHLIGHT:
      return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
      return RGB(48, 150, 250);
    case COLOR_BTNFACE:
      return RGB(240, 240, 240);
    case COLOR_GRAYTEXT:
    case COLOR_BTNSHADOW:
      return RGB(166, 166, 166);
    case COLOR_MENUTEXT:
    case COLOR_WINDOWTEXT:
    default:
      return RGB(0, 0, 0);
  }
}
