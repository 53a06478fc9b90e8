// parity_compare DIR_A DIR_B: prints, per raster case, how many pixels differ
// between the dumps of two builds, then per kind of case (rectangles,
// ellipses, degenerate boxes) how many cases and pixels differ. Exits 1 when
// a case that must match differs or is missing on one side, or when there is
// nothing to compare.
#include <cstdio>
#include <map>
#include <string>

#include "raster_compare.h"

namespace {

struct Tally {
  int cases = 0;
  int differing = 0;
  long pixels = 0;
};

// The kind of a case: its name up to the first '-'.
std::string kindOf(const std::string& name) { return name.substr(0, name.find('-')); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DIR_A DIR_B\n", argv[0]);
    return 2;
  }
  const std::vector<RasterDifference> diffs = compareRasterDirectories(argv[1], argv[2]);
  std::printf("raster parity, pixels differing between\n  A: %s\n  B: %s\n", argv[1], argv[2]);
  std::map<std::string, Tally> kinds;
  int strictBad = 0;
  for (const RasterDifference& d : diffs) {
    const bool bad = d.missing || d.pixels != 0;
    const char* verdict = !bad ? "same" : d.mustMatch ? "DIFFERS" : "differs (reported only)";
    std::printf("  %-40s %6d  %s%s%s\n", d.name.c_str(), d.pixels, verdict,
                d.note.empty() ? "" : ": ", d.note.c_str());
    Tally& t = kinds[kindOf(d.name)];
    t.cases += 1;
    t.differing += bad;
    t.pixels += d.pixels;
    if (bad && d.mustMatch) strictBad += 1;
  }
  for (const auto& [kind, t] : kinds) {
    std::printf("%s: %d of %d cases differ, %ld pixels\n", kind.c_str(), t.differing, t.cases,
                t.pixels);
  }
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
