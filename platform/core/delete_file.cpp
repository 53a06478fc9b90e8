// DeleteFileA over unlink(2): files and links only, never a directory.
#include <cerrno>
#include <unistd.h>

#include "last_error.h"
#include "win32.h"

BOOL DeleteFileA(LPCSTR name) {
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (unlink(name) != 0) {
    zt::platform::setLastErrorFromErrno(errno);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
