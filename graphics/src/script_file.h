// The script file below the C library's streams: lines that reach the disk
// whole or not at all, and the file's identity.
#pragma once

#include <cstddef>
#include <cstdio>

namespace zt::package {

// Writes length bytes of line (one script line ending in '\n', with the
// line end of a text file on this system) in one system call at the file's
// position. When fewer bytes went out (a full disk), the file is cut back to
// that position, so that it ends after its last whole line, and false is
// returned. The stream's own buffer is bypassed: it must hold nothing.
bool ZT738_write_whole_line(std::FILE* file, const char* line, size_t length);

// Whether name reaches the same file as the open stream: any spelling of
// its name, a hard or symbolic link to it.
bool ZT738_same_file(std::FILE* file, const char* name);

}  // namespace zt::package
