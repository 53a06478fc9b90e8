// GetGuiResources: how many GDI and USER objects the process holds, counted
// in the handle table, so that a program can watch for leaks as on Win32.
// The kernel's side (GetCurrentProcess, GetProcessHandleCount) is in core/.
#include "gdi_objects.h"
#include "handles.h"

using namespace zt::platform;

DWORD GetGuiResources(HANDLE process, DWORD flags) {
  if (process != GetCurrentProcess()) return 0;
  if (flags == GR_USEROBJECTS) {
    return static_cast<DWORD>(liveHandles(HandleKind::Window) + liveHandles(HandleKind::Menu));
  }
  if (flags != GR_GDIOBJECTS) return 0;
  // First, so that the stock objects exist before the count.
  const size_t stock = gdi::registry().stockCount();
  size_t count = 0;
  for (HandleKind kind : {HandleKind::DeviceContext, HandleKind::Pen, HandleKind::Brush,
                          HandleKind::Font, HandleKind::Bitmap, HandleKind::Region}) {
    count += liveHandles(kind);
  }
  return static_cast<DWORD>(count - stock);
}
