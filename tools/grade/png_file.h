// PNG files as 8-bit RGB pixels, read and written through libpng's
// simplified interface. What is written holds only the pixels, so the same
// pixels always give the same bytes.
#pragma once

#include <string>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // rows top to bottom, 3 bytes a pixel
};

// False (and an empty image) when the file is missing or not a PNG.
bool readPng(const std::string& path, RgbImage& image);
// The PNG's bytes, for a file or a data: URI; empty on failure.
std::string encodePng(const RgbImage& image);
