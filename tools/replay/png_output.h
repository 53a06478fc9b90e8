// The picture that the package writes (a binary PPM, P6 with 8-bit channels)
// turned into a PNG through libpng. The PNG holds only the pixels: no time,
// no text, so that the same pixels always give the same bytes.
#pragma once

#include <string>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // rows top to bottom, 3 bytes a pixel
};

// False with a reason when the file is not such a PPM or is cut short.
bool readPpm(const std::string& path, RgbImage& image, std::string& error);

bool writePng(const std::string& path, const RgbImage& image, std::string& error);
