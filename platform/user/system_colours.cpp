// GetSysColor: the colours of Wine's default theme, for the indices the
// layer's controls draw with. Any other index is black, as on Win32 for an
// index it does not know.
#include "win32.h"

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW:
    case COLOR_HIGHLIGHTTEXT:
      return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
      return RGB(48, 150, 250);
    case COLOR_BTNFACE:
      return RGB(245, 245, 245);
    case COLOR_BTNSHADOW:
      return RGB(166, 166, 166);
    case COLOR_WINDOWTEXT:
    default:
      return RGB(0, 0, 0);
  }
}
