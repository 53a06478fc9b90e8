// ZT738_replace_file: new contents for a file, all at once or not at all.
//
// A target that exists must be one that this user may open for writing (a
// rename needs only the folder's permission, so without this check a
// read-only file would be replaced). The bytes go into a temporary file of
// a short name of its own beside the target, created exclusively, written,
// flushed to the disk and closed; a write-through rename then puts it in
// place of the target. Whatever step fails before the rename, the temporary
// file is deleted and the target keeps its old bytes. Only a crash or a
// power loss between the creation and the rename leaves a temporary file
// (".zt738-" and eight hex digits ".tmp") behind; nothing removes it later.
//
// In a folder where this user may not create files, a writable target is
// overwritten in place instead, as a plain save would: there, and only
// there, a failure midway leaves the file half written.
#include <string>

#include "package.h"

namespace {

constexpr int TEMPORARY_NAME_TRIES = 100;  // names tried before giving up
constexpr DWORD LARGEST_WRITE = 1u << 30;  // bytes handed to one WriteFile
constexpr DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// How much of path names its folder, the separator included.
size_t folderLength(const std::string& path) {
#ifdef _WIN32
  // Either slash, or a drive without a folder ("C:name").
  const size_t separator = path.find_last_of("/\\");
  if (separator == std::string::npos && path.size() > 1 && path[1] == ':') return 2;
#else
  const size_t separator = path.find_last_of('/');
#endif
  return separator == std::string::npos ? 0 : separator + 1;
}

// The path that GetFinalPathNameByHandleA reports, without the "\\?\" that
// Win32 puts in front of it.
std::string withoutLongPathPrefix(const std::string& path) {
  const std::string prefix = "\\\\?\\";
  const std::string uncPrefix = "\\\\?\\UNC\\";
  if (path.rfind(uncPrefix, 0) == 0) return "\\\\" + path.substr(uncPrefix.size());
  if (path.rfind(prefix, 0) == 0) return path.substr(prefix.size());
  return path;
}

// The file that an open handle reaches, links resolved; empty on failure.
std::string finalPathOf(HANDLE file) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleA(
        file, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return withoutLongPathPrefix(path);
    }
    path.resize(length);  // the size needed, its terminating zero included
  }
}

// Where the new bytes go, and the file that lends the temporary file its
// attributes. A name that is a directory or a device, or a link whose file
// cannot be reached, gives false: nothing may be written there.
bool findTarget(const char* name, std::string& target, HANDLE& existing) {
  existing = INVALID_HANDLE_VALUE;
  target = name;
  const DWORD attributes = GetFileAttributesA(name);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // a new file
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  existing = CreateFileA(name, GENERIC_READ, SHARE_ALL, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (existing == INVALID_HANDLE_VALUE) return !link;  // unreadable: replaced all the same
  if (GetFileType(existing) != FILE_TYPE_DISK) return false;
  // A link stays a link: the file it points to gets the new bytes.
  if (link) target = finalPathOf(existing);
  return !target.empty();
}

// Creates a temporary file of a fresh short name in folder (a prefix of a
// path, its separator included), failing rather than opening a file that
// exists. The name is returned in temporary.
HANDLE createTemporary(const std::string& folder, HANDLE attributesFrom, std::string& temporary) {
  static DWORD sequence = 0;
  DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16) ^ (++sequence * 0x9E3779B9u);
  for (int attempt = 0; attempt < TEMPORARY_NAME_TRIES; ++attempt) {
    seed = seed * 1664525u + 1013904223u;
    char leaf[32];
    std::snprintf(leaf, sizeof leaf, ".zt738-%08lx.tmp", static_cast<unsigned long>(seed));
    temporary = folder + leaf;
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, attributesFrom);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  temporary.clear();
  return INVALID_HANDLE_VALUE;
}

// Writes every byte, then flushes them to the disk.
bool writeDurably(HANDLE file, const char* bytes, size_t length) {
  while (length > 0) {
    const DWORD piece = length < LARGEST_WRITE ? static_cast<DWORD>(length) : LARGEST_WRITE;
    DWORD written = 0;
    if (!WriteFile(file, bytes, piece, &written, nullptr) || written != piece) return false;
    bytes += piece;
    length -= piece;
  }
  return FlushFileBuffers(file) != FALSE;
}

// An existing file that this user may open for writing (POSIX permission
// bits and owner, another program's lock) and that is not read-only (which
// an administrator's open would not notice).
bool mayWrite(const std::string& target) {
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The old bytes are overwritten, then the rest of the file is cut off.
bool writeInPlace(const std::string& target, const char* bytes, size_t length) {
  HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written =
      writeDurably(file, bytes, length) && SetEndOfFile(file) && FlushFileBuffers(file);
  return CloseHandle(file) != FALSE && written;
}

void closeIfOpen(HANDLE& file) {
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  file = INVALID_HANDLE_VALUE;
}

}  // namespace

int ZT738_replace_file(const char* name, const char* bytes, size_t length) {
  if (name == nullptr || (bytes == nullptr && length > 0)) return 0;
  std::string target;
  HANDLE existing = INVALID_HANDLE_VALUE;
  if (*name == '\0' || !findTarget(name, target, existing)) {
    closeIfOpen(existing);
    return 0;
  }
  const size_t folder = folderLength(target);
  const bool exists = GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  // A folder's name ends in a separator; the recorder's open script must
  // keep its file.
  if (folder == target.size() || (exists && !mayWrite(target)) ||
      zt::package::ZT738_is_recording_file(target.c_str())) {
    closeIfOpen(existing);
    return 0;
  }
  std::string temporary;
  HANDLE file = createTemporary(target.substr(0, folder), existing, temporary);
  const DWORD createError = GetLastError();
  closeIfOpen(existing);  // open, it would keep Win32 from replacing the file
  if (file == INVALID_HANDLE_VALUE) {
    return exists && createError == ERROR_ACCESS_DENIED && writeInPlace(target, bytes, length);
  }
  const bool written = writeDurably(file, bytes, length);
  const bool closed = CloseHandle(file) != FALSE;
  if (written && closed &&
      MoveFileExA(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 1;
  }
  // A move that failed after the rename (the folder's flush) has put the
  // new file in place: the temporary name is gone.
  if (written && closed && GetFileAttributesA(temporary.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return 1;
  }
  DeleteFileA(temporary.c_str());
  return 0;
}
