#include "png_output.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

constexpr int MAX_SIDE = 100000;  // larger than any window

// Skips blanks and reads one decimal number of the header.
bool headerNumber(const std::string& data, size_t& at, int& value) {
  while (at < data.size() &&
         (data[at] == ' ' || data[at] == '\n' || data[at] == '\t' || data[at] == '\r'))
    ++at;
  const size_t start = at;
  long long n = 0;
  while (at < data.size() && data[at] >= '0' && data[at] <= '9' && n <= MAX_SIDE)
    n = n * 10 + (data[at++] - '0');
  if (at == start || n > MAX_SIDE) return false;
  value = static_cast<int>(n);
  return true;
}

}  // namespace

bool readPpm(const std::string& path, RgbImage& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  size_t at = 2;
  int maxValue = 0;
  if (data.compare(0, 2, "P6") != 0 || !headerNumber(data, at, image.width) ||
      !headerNumber(data, at, image.height) || !headerNumber(data, at, maxValue) ||
      maxValue != 255 || image.width == 0 || image.height == 0 || at >= data.size()) {
    error = path + " is not an 8-bit binary PPM";
    return false;
  }
  ++at;  // the one blank after the header
  const size_t size = static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3;
  if (data.size() - at != size) {
    error = path + " does not hold " + std::to_string(image.width) + " x " +
            std::to_string(image.height) + " pixels";
    return false;
  }
  image.pixels.assign(data.begin() + static_cast<std::ptrdiff_t>(at), data.end());
  return true;
}

bool writePng(const std::string& path, const RgbImage& image, std::string& error) {
  png_image png = {};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) == 0) {
    error = "cannot write " + path + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}
