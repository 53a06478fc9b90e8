#include "picture_compare.h"

#include <algorithm>

namespace {

constexpr unsigned char MARK[3] = {255, 0, 255};  // magenta: rare in drawings, seen at once

// A channel faded three quarters of the way to white.
unsigned char faded(unsigned char c) { return static_cast<unsigned char>(255 - (255 - c) / 4); }

bool inside(const RgbImage& image, int x, int y) { return x < image.width && y < image.height; }

const unsigned char* pixel(const RgbImage& image, int x, int y) {
  return image.pixels.data() + (static_cast<size_t>(y) * image.width + x) * 3;
}

}  // namespace

PictureDifference comparePictures(const RgbImage& reference, const RgbImage& graded) {
  PictureDifference d;
  RgbImage& out = d.image;
  out.width = std::max(reference.width, graded.width);
  out.height = std::max(reference.height, graded.height);
  out.pixels.assign(static_cast<size_t>(out.width) * out.height * 3, 255);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const bool inReference = inside(reference, x, y), inGraded = inside(graded, x, y);
      unsigned char* o = out.pixels.data() + (static_cast<size_t>(y) * out.width + x) * 3;
      const bool same =
          inReference && inGraded &&
          std::equal(pixel(reference, x, y), pixel(reference, x, y) + 3, pixel(graded, x, y));
      if (!same) {
        ++d.differing;
        std::copy(MARK, MARK + 3, o);
      } else {
        for (int c = 0; c < 3; ++c) o[c] = faded(pixel(reference, x, y)[c]);
      }
    }
  }
  return d;
}
