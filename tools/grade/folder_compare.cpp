#include "folder_compare.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::map<std::string, fs::path> filesUnder(const fs::path& folder) {
  std::map<std::string, fs::path> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) files[fs::relative(it->path(), folder, ec).string()] = it->path();
  }
  return files;
}

bool sameBytes(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::file_size(a, ec) != fs::file_size(b, ec)) return false;
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

}  // namespace

std::vector<FileDifference> compareFolders(const fs::path& reference, const fs::path& graded) {
  const auto expected = filesUnder(reference), actual = filesUnder(graded);
  std::vector<FileDifference> differences;
  for (const auto& [name, path] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) {
      differences.push_back({name, "missing"});
    } else if (!sameBytes(path, found->second)) {
      differences.push_back({name, "differs"});
    }
  }
  for (const auto& [name, path] : actual)
    if (!expected.contains(name)) differences.push_back({name, "not expected"});
  // In name order, whatever the kind.
  std::stable_sort(
      differences.begin(), differences.end(),
      [](const FileDifference& a, const FileDifference& b) { return a.name < b.name; });
  return differences;
}
