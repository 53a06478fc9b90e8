// The one process: GetCurrentProcessId.
#include <unistd.h>

#include "win32.h"

DWORD GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }
