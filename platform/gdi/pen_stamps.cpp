// The stamps of a wide pen (pen_stamps.h): the disc from penDot, the band
// across a diagonal step as a rasterised quadrilateral, and the differences
// between stamps at neighbouring points. Depends on raster.h only.
#include "pen_stamps.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

#include "stroke.h"

namespace zt::platform::gdi {

namespace {

// The pixels of both stamps.
Stamp unite(const Stamp& a, const Stamp& b) {
  Stamp all = a;
  all.insert(all.end(), b.begin(), b.end());
  std::sort(all.begin(), all.end(), [](const Run& x, const Run& y) {
    return x.row < y.row || (x.row == y.row && x.left < y.left);
  });
  Stamp united;
  for (const Run& run : all) {
    if (!united.empty() && united.back().row == run.row && run.left <= united.back().right + 1) {
      united.back().right = std::max(united.back().right, run.right);
    } else {
      united.push_back(run);
    }
  }
  return united;
}

// The runs of a stamp in one row.
std::pair<Stamp::const_iterator, Stamp::const_iterator> runsIn(const Stamp& stamp, int row) {
  struct ByRow {
    bool operator()(const Run& run, int r) const { return run.row < r; }
    bool operator()(int r, const Run& run) const { return r < run.row; }
  };
  return std::equal_range(stamp.begin(), stamp.end(), row, ByRow{});
}

// The runs of a stamp at a point that the stamp `behind`, at the point d
// before it, does not already cover.
Stamp beyond(const Stamp& stamp, const Stamp& behind, Offset d) {
  Stamp rest;
  for (const Run& run : stamp) {
    const auto [first, end] = runsIn(behind, run.row + d.y);
    const bool covered = std::any_of(first, end, [&](const Run& b) {
      return b.left <= run.left + d.x && b.right >= run.right + d.x;
    });
    if (!covered) rest.push_back(run);
  }
  return rest;
}

// The runs of a stamp at a point at the end of a run down a column: the
// widest row of the disc at each of the `behind` points before it (a step
// of d each) covers much of it.
Stamp beyondColumn(const Stamp& stamp, const Span& widest, int behind, Offset d) {
  Stamp rest;
  for (const Run& run : stamp) {
    const int back = -run.row * d.y;  // rows back along the column
    const bool covered =
        back >= 1 && back <= behind && widest.left <= run.left && run.right <= widest.right;
    if (!covered) rest.push_back(run);
  }
  return rest;
}

// The runs of a stamp at a point at the end of a run along a row, whose
// points before it (`behind` steps of d) have the disc stretched over them.
Stamp beyondRow(const Stamp& stamp, const Stamp& disc, int behind, Offset d) {
  const int from = std::min(0, -behind * d.x);
  const int to = std::max(0, -behind * d.x);
  Stamp rest;
  for (const Run& run : stamp) {
    const auto [first, end] = runsIn(disc, run.row);
    const bool covered = std::any_of(first, end, [&](const Run& r) {
      return from + r.left <= run.left && to + r.right >= run.right;
    });
    if (!covered) rest.push_back(run);
  }
  return rest;
}

// n / d rounded up, for d > 0.
int64_t ceilDiv(int64_t n, int64_t d) { return n / d + (n % d > 0 ? 1 : 0); }

// The convex quadrilateral with these corners (in order round it), as the
// pixels whose top-left corner lies inside it or on its left or top edge.
Stamp quadrilateral(const Offset (&corner)[4]) {
  int top = INT_MAX;
  int bottom = INT_MIN;
  for (const Offset& c : corner) {
    top = std::min(top, c.y);
    bottom = std::max(bottom, c.y);
  }
  Stamp stamp;
  for (int y = top; y < bottom; ++y) {
    Band crossings;
    for (int i = 0; i < 4; ++i) {
      const Offset& a = corner[i];
      const Offset& b = corner[(i + 1) % 4];
      if (a.y == b.y) continue;
      const Offset& upper = a.y < b.y ? a : b;
      const Offset& lower = a.y < b.y ? b : a;
      if (y < upper.y || y >= lower.y) continue;
      const int64_t x = upper.x + ceilDiv(static_cast<int64_t>(y - upper.y) * (lower.x - upper.x),
                                          lower.y - upper.y);
      crossings.add(static_cast<int>(x), static_cast<int>(x));
    }
    // The right crossing is the first pixel outside.
    if (crossings.left < crossings.right)
      stamp.push_back(Run{y, crossings.left, crossings.right - 1});
  }
  return stamp;
}

// The band along a diagonal step from a point to its neighbour at d: as
// wide as the pen across the step, its two halves rounded, the larger one
// on the side of +x.
Stamp diagonalBand(int width, Offset d) {
  const double across = width / std::sqrt(2.0);  // the pen across the step, along each axis
  const int narrow = static_cast<int>(across / 2 + 0.5);
  const int wide = static_cast<int>((across + 1) / 2 + 0.5);
  const int s = d.x * d.y;  // the band's cross direction is (1, -s)
  const Offset corner[4] = {{-narrow, narrow * s},
                            {wide, -wide * s},
                            {d.x + wide, d.y - wide * s},
                            {d.x - narrow, d.y + narrow * s}};
  return quadrilateral(corner);
}

// Pens up to this width get the stamps for every k up to their reach.
constexpr int kNarrowPen = 32;

PenStamps makePenStamps(int width) {
  PenStamps made;
  made.width = width;
  const std::vector<Span> dot = penDot(width);
  for (size_t i = 0; i < dot.size(); ++i)
    made.disc.push_back(Run{static_cast<int>(i) - width / 2, dot[i].left, dot[i].right});
  made.widest = dot[static_cast<size_t>(width / 2)];
  for (int q = 0; q < 4; ++q) {
    const Offset d = kQuadrantSteps[q];
    made.band[q] = diagonalBand(width, d);
    made.discAndBand[q] = unite(made.disc, made.band[q]);
    // Along a run of diagonal steps most of each stamp lies on the last one.
    made.chainStep[q] = beyond(made.discAndBand[q], made.discAndBand[q], d);
    made.chainEnd[q] = beyond(made.disc, made.discAndBand[q], d);
  }
  // The stamps for each k only pay for themselves with narrow pens.
  made.reach = width <= kNarrowPen ? width + 2 : 0;
  for (int q = 0; q < 4; ++q) {
    const Offset d = kQuadrantSteps[q];
    for (int k = 0; k <= made.reach; ++k) {
      made.columnEnd[q].push_back(beyondColumn(made.disc, made.widest, k, d));
      made.columnEndAndBand[q].push_back(beyondColumn(made.discAndBand[q], made.widest, k, d));
      made.bandAfterRow[q].push_back(beyondRow(made.band[q], made.disc, k, d));
    }
  }
  return made;
}

}  // namespace

const PenStamps& penStamps(int width) {
  thread_local PenStamps cached;
  if (cached.width != width) cached = makePenStamps(width);
  return cached;
}

}  // namespace zt::platform::gdi
