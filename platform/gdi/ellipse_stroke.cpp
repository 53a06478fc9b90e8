// Wide-pen ellipse outlines as Win32 draws them. The one-pixel outline's
// points come from the quadrant walk, mirrored four ways; every point gets
// the pen's disc and every diagonal step a band across it (a step along a
// row or a column adds nothing that the discs of its ends do not cover).
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <utility>
#include <vector>

#include "stroke.h"

namespace zt::platform::gdi {

namespace {

struct Offset {
  int x;
  int y;
};

// Pixels relative to a point: runs of rows, ordered by row and within a
// row from the left, disjoint.
struct Run {
  int row;
  int left;
  int right;
};
using Stamp = std::vector<Run>;

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

// How the walk moved from one point of the quadrant to the next.
enum class Move { Column, Row, Both, None };  // None: the walk ends there

struct QuadrantPoint {
  int column;
  int row;
};

// One quadrant of the outline as placed in the box: where its column and
// row 0 lie (they run the way of its step in kQuadrantSteps), and which half
// of the rows its pen covers.
struct Quadrant {
  int x0;
  int y0;
  bool rightHalf;
};

// The stamps of one pen width: its disc and, for the diagonal step of each
// quadrant (in the order of kQuadrantSteps), the band, the disc with the
// band, and what those add along a run of diagonal steps.
constexpr Offset kQuadrantSteps[4] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};

struct PenStamps {
  int width = 0;
  Stamp disc;
  Span widest{0, 0};  // the disc's middle row
  Stamp band[4];
  Stamp discAndBand[4];
  Stamp chainStep[4];
  Stamp chainEnd[4];
  // After k steps down a column (k up to `reach`), the disc and the disc
  // with the band; after k steps along a row, the band.
  int reach = 0;  // beyond it, k makes no difference
  std::vector<Stamp> columnEnd[4];
  std::vector<Stamp> columnEndAndBand[4];
  std::vector<Stamp> bandAfterRow[4];
};

constexpr int kNarrowPen = 32;

// Made once for the last width asked for: callers draw with one pen at a time.
const PenStamps& penStamps(int width) {
  thread_local PenStamps cached;
  if (cached.width == width) return cached;
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
  cached = std::move(made);
  return cached;
}

// The pen's coverage of rows firstRow onwards. Each half of a row, left and
// right, is mostly one run, kept as a band; a span that neither meets nor
// overlaps its band (the pen leaves a gap now and then at the ends of the
// ellipse) is kept apart and joins the row's runs at the end.
class Coverage {
 public:
  Coverage(int firstRow, int rows)
      : firstRow_(firstRow), left_(static_cast<size_t>(rows)), right_(static_cast<size_t>(rows)) {}

  void add(bool rightHalf, int y, int from, int to) {
    const int index = y - firstRow_;
    if (index < 0 || index >= rows()) return;
    Band& band = (rightHalf ? right_ : left_)[static_cast<size_t>(index)];
    if (band.empty() || (from <= band.right + 1 && to >= band.left - 1)) {
      band.add(from, to);
    } else {
      apart_.push_back({index, Span{from, to}});
    }
  }
  // The stamp at a point, and at every point of the row from there back to
  // `back` pixels before it (back < 0: after it).
  void stamp(bool rightHalf, Offset at, const Stamp& s, int back) {
    const int from = std::min(at.x, at.x - back);
    const int to = std::max(at.x, at.x - back);
    for (const Run& run : s) add(rightHalf, at.y + run.row, from + run.left, to + run.right);
  }
  int firstRow() const { return firstRow_; }
  int rows() const { return static_cast<int>(left_.size()); }

  // Sorts the spans kept apart by row; call once, before runsOf.
  void finish() {
    std::sort(apart_.begin(), apart_.end(), [](const Apart& a, const Apart& b) {
      return a.index < b.index || (a.index == b.index && a.span.left < b.span.left);
    });
  }
  // The row's disjoint runs, from the left, into runs (emptied first).
  // Rows must be asked for in order.
  void runsOf(int index, std::vector<Band>& runs) {
    runs.clear();
    for (const Band& band : {left_[static_cast<size_t>(index)], right_[static_cast<size_t>(index)]})
      if (!band.empty()) runs.push_back(band);
    for (; next_ < apart_.size() && apart_[next_].index <= index; ++next_) {
      if (apart_[next_].index < index) continue;
      Band band;
      band.add(apart_[next_].span.left, apart_[next_].span.right);
      runs.push_back(band);
    }
    if (runs.size() < 2) return;
    if (runs.size() == 2 && runs[1].left < runs[0].left) std::swap(runs[0], runs[1]);
    if (runs.size() > 2)
      std::sort(runs.begin(), runs.end(),
                [](const Band& a, const Band& b) { return a.left < b.left; });
    size_t kept = 0;
    for (size_t i = 1; i < runs.size(); ++i) {
      if (runs[i].left <= runs[kept].right + 1) {
        runs[kept].add(runs[i].left, runs[i].right);
      } else {
        runs[++kept] = runs[i];
      }
    }
    runs.resize(kept + 1);
  }

 private:
  struct Apart {
    int index;
    Span span;
  };
  int firstRow_;
  std::vector<Band> left_;
  std::vector<Band> right_;
  std::vector<Apart> apart_;
  size_t next_ = 0;
};

// Fills [from, to] of row y with the brush, except where the pen's runs
// (disjoint, from the left) lie.
void fillAround(Surface& surface, int y, int from, int to, const std::vector<Band>& pen,
                COLORREF brush) {
  int cursor = from;
  for (const Band& run : pen) {
    if (cursor > to) return;
    if (run.left > cursor) fillSpan(surface, y, cursor, std::min(run.left - 1, to), brush);
    cursor = std::max(cursor, run.right + 1);
  }
  if (cursor <= to) fillSpan(surface, y, cursor, to, brush);
}

}  // namespace

void strokeEllipse(Surface& surface, int left, int top, int right, int bottom, int width,
                   COLORREF colour, const COLORREF* brush) {
  const int boxWidth = right - left;
  const int boxHeight = bottom - top;
  // Rows out from the middle reach this far inside the box.
  const int lastRow = (boxHeight - 1) - boxHeight / 2;
  const int below = top + boxHeight / 2;  // the middle row of the lower half
  const int above = top + lastRow;        // and of the upper half

  // The points of one quadrant, in walk order. A long thin ellipse's walk
  // stops before it reaches the end of the box, and so does its outline.
  std::vector<QuadrantPoint> points;
  std::vector<Move> moves;  // moves[i] leads from points[i] to points[i + 1]
  EllipseWalk walk(boxWidth, boxHeight);
  do {
    points.push_back({static_cast<int>(walk.column()), static_cast<int>(walk.row())});
    const int64_t column = walk.column();
    const int64_t row = walk.row();
    walk.step();
    moves.push_back(walk.column() == column ? Move::Row
                    : walk.row() == row     ? Move::Column
                                            : Move::Both);
  } while (2 * walk.column() < boxWidth && walk.row() <= lastRow);

  const PenStamps& stamps = penStamps(width);
  const int reach = width + 2;  // beyond any stamp's reach from its point
  Coverage pen(top - reach, boxHeight + 2 * reach);

  // Each quadrant's column and row 0, and its half of the rows.
  const Quadrant quadrants[] = {{right - 1, above, true},
                                {left, above, false},
                                {left, below, false},
                                {right - 1, below, true}};
  const int last = static_cast<int>(points.size()) - 1;
  for (int n = 0; n < 4; ++n) {
    const Quadrant& q = quadrants[n];
    const Offset d = kQuadrantSteps[n];
    int runStart = 0;     // where the current run along a row began
    int columnSteps = 0;  // the steps down a column just before this point
    for (int i = 0; i <= last; ++i) {
      const Offset at{q.x0 + d.x * points[static_cast<size_t>(i)].column,
                      q.y0 + d.y * points[static_cast<size_t>(i)].row};
      const Move before = i > 0 ? moves[static_cast<size_t>(i - 1)] : Move::None;
      const Move after = i < last ? moves[static_cast<size_t>(i)] : Move::None;
      columnSteps = before == Move::Row ? std::min(columnSteps + 1, stamps.reach) : 0;
      const size_t k = static_cast<size_t>(columnSteps);
      // A run along a row gets its ends' discs and all between them in one
      // stamp; inside a run down a column, only this disc's widest row adds.
      // Elsewhere what the points just before cover already is left out.
      if (after == Move::Column) {
        if (before != Move::Column) runStart = at.x;
      } else if (at.y < -reach || at.y >= surface.height + reach) {
        // Nothing stamped here reaches a row of the surface: a huge ellipse
        // costs only the points near the rows that show.
      } else if (before == Move::Column) {
        const int back = std::abs(at.x - runStart);
        pen.stamp(q.rightHalf, at, stamps.disc, at.x - runStart);
        if (after == Move::Both)
          pen.stamp(q.rightHalf, at,
                    stamps.bandAfterRow[n][static_cast<size_t>(std::min(back, stamps.reach))], 0);
      } else if (before == Move::Both) {
        pen.stamp(q.rightHalf, at, after == Move::Both ? stamps.chainStep[n] : stamps.chainEnd[n],
                  0);
      } else if (after == Move::Both) {
        pen.stamp(q.rightHalf, at, stamps.columnEndAndBand[n][k], 0);
      } else if (before == Move::Row && after == Move::Row) {
        pen.add(q.rightHalf, at.y, at.x + stamps.widest.left, at.x + stamps.widest.right);
      } else {
        pen.stamp(q.rightHalf, at, stamps.columnEnd[n][k], 0);
      }
    }
  }

  // The brush's ellipse, row by row out from the middle, as far as its own
  // walk reaches (rows beyond stay empty): the columns in from each side.
  std::vector<int> brushInset;
  if (brush) {
    brushInset.assign(static_cast<size_t>(lastRow) + 1, INT_MAX);
    brushInset[0] = 0;
    EllipseWalk fill(boxWidth, boxHeight);
    while (2 * fill.column() <= boxWidth && fill.row() <= lastRow) {
      const int64_t row = fill.row();
      fill.step();
      if (fill.row() != row && fill.row() <= lastRow)
        brushInset[static_cast<size_t>(fill.row())] = static_cast<int>(fill.column());
    }
  }

  pen.finish();
  std::vector<Band> runs;
  const int firstRow = std::max(pen.firstRow(), 0);
  const int endRow = std::min(pen.firstRow() + pen.rows(), surface.height);
  for (int y = firstRow; y < endRow; ++y) {
    pen.runsOf(y - pen.firstRow(), runs);
    if (brush && y >= top && y < bottom) {
      const int fromMiddle = y >= below ? y - below : above - y;
      const int inset =
          fromMiddle <= lastRow ? brushInset[static_cast<size_t>(fromMiddle)] : INT_MAX;
      if (inset != INT_MAX) fillAround(surface, y, left + inset, right - 1 - inset, runs, *brush);
    }
    for (const Band& run : runs) fillSpan(surface, y, run.left, run.right, colour);
  }
}

}  // namespace zt::platform::gdi
