// The few calls that cross between the layer's areas (windows, GDI,
// dialogs), so that each area can be built and read on its own.
#pragma once

#include "surface.h"
#include "win32.h"

namespace zt::platform {

// Windows area: the client pixels of a live window, or nullptr.
Surface* windowSurface(HWND hwnd);
// Windows area: the top of a window's non-client area (window coordinates:
// the frame's top, the caption and the menu bar rows), or nullptr.
Surface* windowNonClientSurface(HWND hwnd);
// Windows area: the class background brush of a window, or nullptr.
HBRUSH windowClassBrush(HWND hwnd);

// GDI area: a device context that draws onto windowSurface(hwnd).
HDC createWindowDC(HWND hwnd);
// GDI area: a device context that draws onto windowNonClientSurface(hwnd).
HDC createNonClientDC(HWND hwnd);
// GDI area: ends a DC made by createWindowDC or createNonClientDC.
void deleteWindowDC(HDC dc);
// GDI area: forgets DCs that draw on a window that is being destroyed.
void windowDestroyed(HWND hwnd);

}  // namespace zt::platform
