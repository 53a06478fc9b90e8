// ZT738_write_whole_line and ZT738_same_file: the script file through its
// system handle (POSIX descriptor, or the Win32 handle under the C
// library's descriptor), since a stream may hand a line over in pieces and
// keeps a half-written one. A cut that itself fails leaves the position at
// the line's start, so the next line overwrites the piece.
#include "script_file.h"

#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zt::package {

#ifdef _WIN32

namespace {

constexpr DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE systemHandle(std::FILE* file) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

bool identityOf(HANDLE file, BY_HANDLE_FILE_INFORMATION& info) {
  return file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &info) != FALSE;
}

}  // namespace

bool ZT738_write_whole_line(std::FILE* file, const char* line, size_t length) {
  // The stream is in text mode, but its translation is bypassed here.
  std::string bytes;
  for (size_t i = 0; i < length; ++i) {
    if (line[i] == '\n') bytes += '\r';
    bytes += line[i];
  }
  const HANDLE handle = systemHandle(file);
  LARGE_INTEGER start = {};
  const LARGE_INTEGER none = {};
  if (!SetFilePointerEx(handle, none, &start, FILE_CURRENT)) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  if (WriteFile(handle, bytes.data(), size, &written, nullptr) && written == size) return true;
  SetFilePointerEx(handle, start, nullptr, FILE_BEGIN);
  SetEndOfFile(handle);
  return false;
}

bool ZT738_same_file(std::FILE* file, const char* name) {
  BY_HANDLE_FILE_INFORMATION mine, theirs;
  if (!identityOf(systemHandle(file), mine)) return false;
  const HANDLE other =
      CreateFileA(name, 0, SHARE_ALL, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool known = identityOf(other, theirs);
  if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
  return known && mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
         mine.nFileIndexHigh == theirs.nFileIndexHigh && mine.nFileIndexLow == theirs.nFileIndexLow;
}

#else

bool ZT738_write_whole_line(std::FILE* file, const char* line, size_t length) {
  const int descriptor = fileno(file);
  const off_t start = lseek(descriptor, 0, SEEK_CUR);
  if (start < 0) return false;
  ssize_t written;
  do {
    written = write(descriptor, line, length);
  } while (written < 0 && errno == EINTR);
  if (written == static_cast<ssize_t>(length)) return true;
  [[maybe_unused]] const int cut = ftruncate(descriptor, start);
  lseek(descriptor, start, SEEK_SET);
  return false;
}

bool ZT738_same_file(std::FILE* file, const char* name) {
  struct stat mine, theirs;
  return fstat(fileno(file), &mine) == 0 && stat(name, &theirs) == 0 &&
         mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

#endif

}  // namespace zt::package
