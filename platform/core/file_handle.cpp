// Open files as handles: CreateFileA, WriteFile, SetEndOfFile,
// FlushFileBuffers, GetFileType, GetFinalPathNameByHandleA and CloseHandle
// over a file descriptor.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "handles.h"
#include "last_error.h"
#include "win32.h"

namespace zt::platform {
namespace {

struct OpenFile {
  int descriptor;
};

constexpr mode_t NEW_FILE_MODE = 0666;  // before the umask, as open(2) is used
constexpr mode_t READ_ONLY_MODE = 0444;

OpenFile* fileOf(HANDLE file) { return fromHandle<OpenFile>(file, HandleKind::File); }

// The open(2) flags of a creation disposition; -1 for an unknown one.
int dispositionFlags(DWORD disposition) {
  switch (disposition) {
    case CREATE_NEW:
      return O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
      return O_CREAT | O_TRUNC;
    case OPEN_EXISTING:
      return 0;
    case OPEN_ALWAYS:
      return O_CREAT;
    case TRUNCATE_EXISTING:
      return O_TRUNC;
    default:
      return -1;
  }
}

int accessFlags(DWORD access) {
  const bool read = (access & GENERIC_READ) != 0;
  const bool write = (access & GENERIC_WRITE) != 0;
  if (read && write) return O_RDWR;
  return write ? O_WRONLY : O_RDONLY;
}

BOOL failWith(int error) {
  setLastErrorFromErrno(error);
  return FALSE;
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD, LPSECURITY_ATTRIBUTES, DWORD disposition,
                   DWORD flagsAndAttributes, HANDLE templateFile) {
  const int disposal = dispositionFlags(disposition);
  if (name == nullptr || disposal < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  if (*name == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const mode_t mode =
      (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? READ_ONLY_MODE : NEW_FILE_MODE;
  // Non-blocking only while opening: a FIFO would otherwise wait for its
  // other end, which no Win32 file does.
  const int descriptor = open(name, accessFlags(access) | disposal | O_CLOEXEC | O_NONBLOCK, mode);
  if (descriptor < 0) {
    setLastErrorFromErrno(errno);
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
    // Win32 opens a directory only with FILE_FLAG_BACKUP_SEMANTICS.
    close(descriptor);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  // A new file takes the template's attributes: here its permission bits.
  if (disposition == CREATE_NEW && templateFile != nullptr &&
      templateFile != INVALID_HANDLE_VALUE) {
    if (OpenFile* from = fileOf(templateFile); from != nullptr) {
      struct stat templateInfo;
      if (fstat(from->descriptor, &templateInfo) == 0) {
        fchmod(descriptor, templateInfo.st_mode & 07777);
      }
    }
  }
  SetLastError(ERROR_SUCCESS);
  return makeHandle<HANDLE>(HandleKind::File, new OpenFile{descriptor});
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes, LPDWORD written, LPOVERLAPPED overlapped) {
  if (written != nullptr) *written = 0;
  OpenFile* open = fileOf(file);
  if (open == nullptr) return failWith(EBADF);
  if (overlapped != nullptr || (buffer == nullptr && bytes > 0)) return failWith(EINVAL);
  const char* next = static_cast<const char*>(buffer);
  DWORD done = 0;
  // A regular file takes all bytes unless the disk is full; the loop only
  // continues after a signal or a short write.
  while (done < bytes) {
    const ssize_t n = write(open->descriptor, next + done, bytes - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failWith(errno);
    if (n == 0) return failWith(ENOSPC);
    done += static_cast<DWORD>(n);
    if (written != nullptr) *written = done;
  }
  return TRUE;
}

BOOL SetEndOfFile(HANDLE file) {
  OpenFile* open = fileOf(file);
  if (open == nullptr) return failWith(EBADF);
  const off_t position = lseek(open->descriptor, 0, SEEK_CUR);
  if (position < 0) return failWith(errno);
  return ftruncate(open->descriptor, position) == 0 ? TRUE : failWith(errno);
}

BOOL FlushFileBuffers(HANDLE file) {
  OpenFile* open = fileOf(file);
  if (open == nullptr) return failWith(EBADF);
  return fsync(open->descriptor) == 0 ? TRUE : failWith(errno);
}

DWORD GetFileType(HANDLE file) {
  OpenFile* open = fileOf(file);
  struct stat info;
  if (open == nullptr || fstat(open->descriptor, &info) != 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FILE_TYPE_UNKNOWN;
  }
  SetLastError(ERROR_SUCCESS);
  if (S_ISREG(info.st_mode)) return FILE_TYPE_DISK;
  if (S_ISCHR(info.st_mode)) return FILE_TYPE_CHAR;
  if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return FILE_TYPE_PIPE;
  return FILE_TYPE_UNKNOWN;
}

DWORD GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size, DWORD) {
  OpenFile* open = fileOf(file);
  if (open == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  // Linux names the file behind a descriptor in /proc.
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", open->descriptor);
  char resolved[PATH_MAX];
  const ssize_t length = readlink(link, resolved, sizeof resolved);
  if (length < 0 || length >= static_cast<ssize_t>(sizeof resolved)) {
    setLastErrorFromErrno(length < 0 ? errno : ENAMETOOLONG);
    return 0;
  }
  const DWORD needed = static_cast<DWORD>(length);
  // Too small a buffer gets nothing; the answer counts the terminating zero.
  if (path == nullptr || size <= needed) return needed + 1;
  for (DWORD i = 0; i < needed; ++i) path[i] = resolved[i];
  path[needed] = '\0';
  return needed;
}

BOOL CloseHandle(HANDLE object) {
  OpenFile* open = fileOf(object);
  if (open == nullptr) return failWith(EBADF);
  releaseHandle(object, HandleKind::File);
  const int result = close(open->descriptor);
  const int error = errno;
  delete open;
  // The descriptor is gone even when close reports a failed write-back.
  return result == 0 ? TRUE : failWith(error);
}
