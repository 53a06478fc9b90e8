// GetLastError and SetLastError, and the errno values they stand for.
#include "last_error.h"

#include <cerrno>

#include "win32.h"

namespace zt::platform {
namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct ErrnoMapping {
  int errnoValue;
  DWORD win32Error;
};

// The codes that Win32's own file calls give for the same conditions.
constexpr ErrnoMapping ERRNO_MAPPINGS[] = {
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {EACCES, ERROR_ACCESS_DENIED},
    {EPERM, ERROR_ACCESS_DENIED},
    {EISDIR, ERROR_ACCESS_DENIED},
    {ENXIO, ERROR_ACCESS_DENIED},
    {EBADF, ERROR_INVALID_HANDLE},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EXDEV, ERROR_NOT_SAME_DEVICE},
    {EROFS, ERROR_WRITE_PROTECT},
    {EEXIST, ERROR_FILE_EXISTS},
    {EINVAL, ERROR_INVALID_PARAMETER},
    {ENOSPC, ERROR_DISK_FULL},
    {EDQUOT, ERROR_DISK_FULL},
    {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {ELOOP, ERROR_INVALID_NAME},
    {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
    {EFBIG, ERROR_FILE_TOO_LARGE},
};

}  // namespace

void setLastErrorFromErrno(int error) {
  for (const ErrnoMapping& mapping : ERRNO_MAPPINGS) {
    if (mapping.errnoValue == error) {
      lastError = mapping.win32Error;
      return;
    }
  }
  lastError = ERROR_GEN_FAILURE;  // an I/O error or anything else
}

}  // namespace zt::platform

DWORD GetLastError(void) { return zt::platform::lastError; }

void SetLastError(DWORD error) { zt::platform::lastError = error; }
