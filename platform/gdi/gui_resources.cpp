// GetGuiResources and GetProcessHandleCount: how many GDI and USER objects
// and kernel handles the process holds, counted in the handle table, so that
// a program can watch for leaks as on Win32.
#include "gdi_objects.h"
#include "handles.h"

using namespace zt::platform;

HANDLE GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

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

BOOL GetProcessHandleCount(HANDLE process, LPDWORD count) {
  if (process != GetCurrentProcess() || count == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *count = static_cast<DWORD>(liveHandles(HandleKind::File));
  return TRUE;
}
