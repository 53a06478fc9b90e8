// Device contexts: memory DCs, window DCs and their colour state.
#include <vector>

#include "gdi_objects.h"
#include "hooks.h"

using namespace zt::platform::gdi;

HDC CreateCompatibleDC(HDC dc) {
  if (dc && !registry().findDc(dc)) return nullptr;
  return newDc(nullptr, registry().stockBitmap());
}

BOOL DeleteDC(HDC dc) { return destroyDc(dc) ? TRUE : FALSE; }

COLORREF SetTextColor(HDC handle, COLORREF colour) {
  DeviceContext* dc = registry().findDc(handle);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->textColour;
  dc->textColour = colour;
  return previous;
}

COLORREF GetTextColor(HDC handle) {
  DeviceContext* dc = registry().findDc(handle);
  return dc ? dc->textColour : CLR_INVALID;
}

COLORREF SetBkColor(HDC handle, COLORREF colour) {
  DeviceContext* dc = registry().findDc(handle);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->bkColour;
  dc->bkColour = colour;
  return previous;
}

COLORREF GetBkColor(HDC handle) {
  DeviceContext* dc = registry().findDc(handle);
  return dc ? dc->bkColour : CLR_INVALID;
}

int SetBkMode(HDC handle, int mode) {
  DeviceContext* dc = registry().findDc(handle);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}

int GetBkMode(HDC handle) {
  DeviceContext* dc = registry().findDc(handle);
  return dc ? dc->bkMode : 0;
}

namespace zt::platform {

HDC createWindowDC(HWND hwnd) { return hwnd ? gdi::newDc(hwnd, nullptr) : nullptr; }

HDC createNonClientDC(HWND hwnd) {
  HDC handle = createWindowDC(hwnd);
  if (gdi::DeviceContext* dc = gdi::registry().findDc(handle)) dc->nonClient = true;
  return handle;
}

void deleteWindowDC(HDC dc) { gdi::destroyDc(dc); }

void windowDestroyed(HWND hwnd) {
  std::vector<HDC> doomed;
  gdi::registry().forEachDc([&](HDC handle, const gdi::DeviceContext& dc) {
    if (dc.window == hwnd) doomed.push_back(handle);
  });
  for (HDC dc : doomed) gdi::destroyDc(dc);
}

}  // namespace zt::platform
