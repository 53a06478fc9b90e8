#include "raster_compare.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "raster_grid.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> caseNames(const std::string& dir) {
  std::set<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (p.extension() == ".txt") names.insert(p.stem().string());
  }
  return names;
}

int differingPixels(const RasterGrid& a, const RasterGrid& b) {
  if (a.width != b.width || a.height != b.height) {
    return std::max(a.width, b.width) * std::max(a.height, b.height);
  }
  int count = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) count += a.rows[y][x] != b.rows[y][x];
  }
  return count;
}

}  // namespace

bool rasterCaseMustMatch(const std::string& name) {
  for (const char* kind : {"rect-", "ellipse-", "degenerate-"})
    if (name.rfind(kind, 0) == 0) return true;
  return false;
}

std::vector<RasterDifference> compareRasterDirectories(const std::string& first,
                                                       const std::string& second) {
  std::set<std::string> names = caseNames(first);
  names.merge(caseNames(second));
  std::vector<RasterDifference> result;
  for (const std::string& name : names) {
    RasterDifference d;
    d.name = name;
    d.mustMatch = rasterCaseMustMatch(name);
    std::optional<RasterGrid> a = readRasterGrid(first + "/" + name + ".txt");
    std::optional<RasterGrid> b = readRasterGrid(second + "/" + name + ".txt");
    if (!a || !b) {
      d.missing = true;
      d.note = !a ? "missing or unreadable in " + first : "missing or unreadable in " + second;
    } else {
      d.pixels = differingPixels(*a, *b);
      if (a->width != b->width || a->height != b->height) d.note = "sizes differ";
    }
    result.push_back(d);
  }
  return result;
}
