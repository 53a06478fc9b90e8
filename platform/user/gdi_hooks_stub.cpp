// TEMPORARY stand-in for the GDI calls that the windowing code uses, built
// only while the GDI area does not provide them (see CMakeLists.txt). It
// draws nothing. Delete this file once the GDI area is in the build.
#include "hooks.h"

namespace zt::platform {
namespace {
HDC__ stubDc{};
}  // namespace

HDC createWindowDC(HWND hwnd) { return hwnd ? &stubDc : nullptr; }
void deleteWindowDC(HDC) {}
void windowDestroyed(HWND) {}

}  // namespace zt::platform

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) { return dc && rect && brush ? 1 : 0; }
HBRUSH CreateSolidBrush(COLORREF) { return nullptr; }
BOOL DeleteObject(HGDIOBJ object) { return object ? TRUE : FALSE; }
