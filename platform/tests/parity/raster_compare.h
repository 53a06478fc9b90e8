// Compares the raster dumps of two builds, case by case.
#pragma once

#include <string>
#include <vector>

struct RasterDifference {
  std::string name;
  int pixels = 0;          // pixels that differ; every pixel of the larger grid on a size mismatch
  bool missing = false;    // a side lacks the case or its file is unreadable
  bool mustMatch = false;  // a difference in this case is a failure
  std::string note;        // what went wrong beyond differing pixels
};

// Rectangles and ellipses (with any pen, brush or NULL_PEN) and degenerate
// boxes must be pixel-identical in both builds; cases of any other kind are
// only reported.
bool rasterCaseMustMatch(const std::string& name);

// One entry per case found in either directory, sorted by name.
std::vector<RasterDifference> compareRasterDirectories(const std::string& first,
                                                       const std::string& second);
