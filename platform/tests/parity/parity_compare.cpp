// parity_compare DIR_A DIR_B: prints, per raster case, how many pixels differ
// between the dumps of two builds. Exits 1 when a rectangle or degenerate box
// differs or is missing on one side, or when there is nothing to compare.
#include <cstdio>
#include <string>

#include "raster_compare.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DIR_A DIR_B\n", argv[0]);
    return 2;
  }
  const std::vector<RasterDifference> diffs = compareRasterDirectories(argv[1], argv[2]);
  std::printf("raster parity, pixels differing between\n  A: %s\n  B: %s\n", argv[1], argv[2]);
  int strict = 0, strictBad = 0, loose = 0, looseBad = 0;
  for (const RasterDifference& d : diffs) {
    const bool bad = d.missing || d.pixels != 0;
    const char* verdict = !bad ? "same" : d.mustMatch ? "DIFFERS" : "differs (reported only)";
    std::printf("  %-40s %6d  %s%s%s\n", d.name.c_str(), d.pixels, verdict,
                d.note.empty() ? "" : ": ", d.note.c_str());
    (d.mustMatch ? strict : loose) += 1;
    if (bad) (d.mustMatch ? strictBad : looseBad) += 1;
  }
  std::printf("rectangles and degenerate boxes: %d of %d cases differ\n", strictBad, strict);
  std::printf("ellipses: %d of %d cases differ (reported only)\n", looseBad, loose);
  if (diffs.empty()) {
    std::printf("raster parity: FAILED, no dumps to compare\n");
    return 1;
  }
  if (strictBad != 0) {
    std::printf("raster parity: FAILED\n");
    return 1;
  }
  std::printf("raster parity: ok\n");
  return 0;
}
