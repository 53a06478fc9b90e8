// A raster dump: the pixels of one drawing case as rows of characters, in a
// text file that both builds write and a native tool compares.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One character per pixel.
constexpr char kPixelUntouched = '.';
constexpr char kPixelPen = 'P';
constexpr char kPixelBrush = 'B';
constexpr char kPixelOther = '?';

struct RasterGrid {
  std::string name;  // the case, also the file's base name
  std::string call;  // the drawing call, for the reader
  int width = 0;
  int height = 0;
  std::vector<std::string> rows;  // height rows of width characters
};

// Writes the grid as "<dir>/<name>.txt"; false when the file cannot be written.
bool writeRasterGrid(const std::string& dir, const RasterGrid& grid);

// Reads a file written by writeRasterGrid; nothing when it is missing or malformed.
std::optional<RasterGrid> readRasterGrid(const std::string& path);
