#include "raster_grid.h"

#include <fstream>
#include <sstream>

namespace {

constexpr const char* kHeader =
    "# raster dump: '.' untouched, 'P' pen colour, 'B' brush colour, '?' any other colour";
constexpr int kMaxSide = 4096;  // far above any case; bounds what a bad file can allocate

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool writeRasterGrid(const std::string& dir, const RasterGrid& grid) {
  std::ofstream out(dir + "/" + grid.name + ".txt", std::ios::binary | std::ios::trunc);
  out << kHeader << "\n"
      << "case " << grid.name << "\n"
      << "call " << grid.call << "\n"
      << "size " << grid.width << " " << grid.height << "\n";
  for (const std::string& row : grid.rows) out << row << "\n";
  out.flush();
  return static_cast<bool>(out);
}

std::optional<RasterGrid> readRasterGrid(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  RasterGrid grid;
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  if (!std::getline(in, line) || !startsWith(line, "case ")) return std::nullopt;
  grid.name = line.substr(5);
  if (!std::getline(in, line) || !startsWith(line, "call ")) return std::nullopt;
  grid.call = line.substr(5);
  if (!std::getline(in, line) || !startsWith(line, "size ")) return std::nullopt;
  std::istringstream size(line.substr(5));
  if (!(size >> grid.width >> grid.height)) return std::nullopt;
  if (grid.width < 0 || grid.height < 0 || grid.width > kMaxSide || grid.height > kMaxSide) {
    return std::nullopt;
  }
  for (int y = 0; y < grid.height; ++y) {
    if (!std::getline(in, line) || static_cast<int>(line.size()) != grid.width) {
      return std::nullopt;
    }
    grid.rows.push_back(line);
  }
  return grid;
}
