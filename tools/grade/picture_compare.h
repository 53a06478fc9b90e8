// Two pictures compared pixel by pixel, with a picture of the difference:
// the differing pixels in a strong colour over a faded copy of the reference.
#pragma once

#include "png_file.h"

struct PictureDifference {
  long differing = 0;  // pixels that differ; every pixel of either when the sizes differ
  RgbImage image;      // the difference picture (the larger size of the two)
};

PictureDifference comparePictures(const RgbImage& reference, const RgbImage& graded);
