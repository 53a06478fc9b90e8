// MoveFileExA over rename(2); MOVEFILE_WRITE_THROUGH also flushes the folder
// that received the name, so that the rename itself reaches the disk.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "last_error.h"
#include "win32.h"

namespace {

// The folder that holds path: all before its last slash, "." for none.
std::string folderOf(const char* path) {
  const std::string name(path);
  const size_t slash = name.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : name.substr(0, slash);
}

// fsync of a folder; a file system that cannot flush folders (EINVAL) has
// nothing more to write.
int flushFolder(const std::string& folder) {
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return errno;
  const int result = fsync(descriptor) == 0 || errno == EINVAL ? 0 : errno;
  close(descriptor);
  return result;
}

}  // namespace

BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  if (!from || !to) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  struct stat info;
  // Without MOVEFILE_REPLACE_EXISTING an existing target makes the move fail.
  if (!(flags & MOVEFILE_REPLACE_EXISTING) && lstat(to, &info) == 0) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return FALSE;
  }
  if (std::rename(from, to) != 0) {
    zt::platform::setLastErrorFromErrno(errno);
    return FALSE;
  }
  if (flags & MOVEFILE_WRITE_THROUGH) {
    if (const int error = flushFolder(folderOf(to)); error != 0) {
      zt::platform::setLastErrorFromErrno(error);
      return FALSE;
    }
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
