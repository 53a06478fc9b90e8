// The files that two runs left in their folders, compared byte by byte.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct FileDifference {
  std::string name;  // relative to the folder
  std::string what;  // "missing", "not expected", "differs"
};

// Regular files under each folder, by relative name, in name order.
std::vector<FileDifference> compareFolders(const std::filesystem::path& reference,
                                           const std::filesystem::path& graded);
