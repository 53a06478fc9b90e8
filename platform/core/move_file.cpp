// MoveFileExA over rename(2).
#include <cstdio>
#include <sys/stat.h>

#include "win32.h"

BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  if (!from || !to) return FALSE;
  struct stat info;
  // Without MOVEFILE_REPLACE_EXISTING an existing target makes the move fail.
  if (!(flags & MOVEFILE_REPLACE_EXISTING) && lstat(to, &info) == 0) return FALSE;
  return std::rename(from, to) == 0 ? TRUE : FALSE;
}
