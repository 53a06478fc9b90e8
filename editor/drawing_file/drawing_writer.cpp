#include "drawing_file/drawing_writer.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Gives the new file the permissions of the one it replaces, if there is one.
void keepPermissions(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  const fs::file_status status = fs::status(from, ec);
  if (!ec && fs::is_regular_file(status)) fs::permissions(to, status.permissions(), ec);
}

// A name beside the target that no file takes yet, so that no file of the
// user's is overwritten: name.tmp, else name.1.tmp, name.2.tmp and so on.
// Empty when all are taken.
fs::path unusedTemporaryName(const std::string& name) {
  for (int i = 0; i < 100; ++i) {
    // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) on "." + string.
    std::string candidate = name;
    if (i > 0) {
      candidate += '.';
      candidate += std::to_string(i);
    }
    candidate += ".tmp";
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(candidate, ec);
    if (ec || !fs::exists(status)) return candidate;
  }
  return {};
}

void removeQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

}  // namespace

bool writeDrawingFile(const std::string& name, const ShapeList& list) {
  if (name.empty()) return false;
  const fs::path target(name);
  const fs::path temporary = unusedTemporaryName(name);
  if (temporary.empty()) return false;
  std::ofstream out(temporary, std::ios::out | std::ios::trunc);
  if (!out.is_open()) return false;
  list.saveAll(out);
  out.close();
  if (out.fail()) {
    removeQuietly(temporary);
    return false;
  }
  keepPermissions(target, temporary);
  // Replaces an existing file in one step (on Windows a MoveFileEx with
  // MOVEFILE_REPLACE_EXISTING).
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) {
    removeQuietly(temporary);
    return false;
  }
  return true;
}
