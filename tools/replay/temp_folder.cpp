#include "temp_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <system_error>

TempFolder::~TempFolder() {
  if (path_.empty() || kept_) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

bool TempFolder::create(const std::string& prefix, std::string& error) {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) {
    error = "no temporary directory: " + ec.message();
    return false;
  }
  std::string name = (base / (prefix + ".XXXXXX")).string();
  if (mkdtemp(name.data()) == nullptr) {
    error = "cannot create a folder in " + base.string() + ": " + std::strerror(errno);
    return false;
  }
  path_ = name;
  return true;
}
