// GetFileAttributesA over lstat(2): a symbolic link is a reparse point, with
// the directory bit of what it points to, as on Win32.
#include <cerrno>
#include <sys/stat.h>

#include "last_error.h"
#include "win32.h"

namespace {

DWORD attributesOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  // Read-only when nobody may write it.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return FILE_ATTRIBUTE_READONLY;
  return FILE_ATTRIBUTE_NORMAL;
}

}  // namespace

DWORD GetFileAttributesA(LPCSTR name) {
  struct stat info;
  if (name == nullptr || lstat(name, &info) != 0) {
    if (name == nullptr) {
      SetLastError(ERROR_INVALID_PARAMETER);
    } else {
      zt::platform::setLastErrorFromErrno(errno);
    }
    return INVALID_FILE_ATTRIBUTES;
  }
  SetLastError(ERROR_SUCCESS);
  if (!S_ISLNK(info.st_mode)) return attributesOf(info);
  struct stat target;
  const bool toDirectory = stat(name, &target) == 0 && S_ISDIR(target.st_mode);
  return FILE_ATTRIBUTE_REPARSE_POINT | (toDirectory ? FILE_ATTRIBUTE_DIRECTORY : 0);
}
