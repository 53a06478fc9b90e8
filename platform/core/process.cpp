// The one process: GetCurrentProcessId, the pseudo-handle GetCurrentProcess
// and GetProcessHandleCount (the open files in the handle table). Another
// process cannot be named. Depends on the handle table and last_error.h.
#include <unistd.h>

#include <cstdint>

#include "handles.h"
#include "win32.h"

using namespace zt::platform;

DWORD GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

HANDLE GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

BOOL GetProcessHandleCount(HANDLE process, LPDWORD count) {
  if (process != GetCurrentProcess() || count == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *count = static_cast<DWORD>(liveHandles(HandleKind::File));
  return TRUE;
}
