// Wide-pen ellipse outlines as Win32 draws them. The one-pixel outline's
// points come from the quadrant walk, mirrored four ways; every point gets
// the pen's disc and every diagonal step a band across it (a step along a
// row or a column adds nothing that the discs of its ends do not cover).
// The stamps themselves come from pen_stamps.h; this file walks the outline,
// says which stamp each point takes, and fills the rows.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "pen_stamps.h"
#include "stroke.h"

namespace zt::platform::gdi {

namespace {

// How the walk moved from one point of the quadrant to the next: to the
// next column (a step along a row), to the next row (a step down a column),
// or both (a diagonal step).
enum class Move { Column, Row, Both, None };  // None: the walk ends there

// What a point of the outline adds, from the moves that lead to it and away
// from it. Each kind leaves out what the points just before it cover.
enum class StepKind {
  AlongRow,        // a step along a row follows: the run is stamped at its end
  RowEnd,          // the last point of a run along a row: the disc over the whole run
  AfterDiagonal,   // a diagonal step led here: what the chain of steps adds
  BeforeDiagonal,  // a diagonal step follows: the disc with the band
  InColumn,        // inside a run down a column: the disc's widest row
  ColumnEnd,       // any other point, such as the ends of a run down a column: the disc
};

StepKind stepKind(Move before, Move after) {
  if (after == Move::Column) return StepKind::AlongRow;
  if (before == Move::Column) return StepKind::RowEnd;
  if (before == Move::Both) return StepKind::AfterDiagonal;
  if (after == Move::Both) return StepKind::BeforeDiagonal;
  if (before == Move::Row && after == Move::Row) return StepKind::InColumn;
  return StepKind::ColumnEnd;
}

struct QuadrantPoint {
  int column;
  int row;
};

// The points of one quadrant, in walk order, and the moves between them:
// moves[i] leads from points[i] to points[i + 1].
struct QuadrantWalk {
  std::vector<QuadrantPoint> points;
  std::vector<Move> moves;
};

// One quadrant of the outline as placed in the box: where its column and
// row 0 lie (they run the way of its step in kQuadrantSteps), and which half
// of the rows its pen covers.
struct Quadrant {
  int x0;
  int y0;
  bool rightHalf;
};

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

// The outline's quadrant for a box of this size. A long thin ellipse's
// walk stops before it reaches the end of the box, and so does its outline.
QuadrantWalk walkQuadrant(int boxWidth, int boxHeight, int lastRow) {
  QuadrantWalk quadrant;
  EllipseWalk walk(boxWidth, boxHeight);
  do {
    quadrant.points.push_back({static_cast<int>(walk.column()), static_cast<int>(walk.row())});
    const int64_t column = walk.column();
    const int64_t row = walk.row();
    walk.step();
    quadrant.moves.push_back(walk.column() == column ? Move::Row
                             : walk.row() == row     ? Move::Column
                                                     : Move::Both);
  } while (2 * walk.column() < boxWidth && walk.row() <= lastRow);
  return quadrant;
}

// Stamps quadrant n of the outline (placed as q) into the pen's coverage.
// Points whose stamps reach no row of a surface of surfaceHeight rows are
// left out, so that a huge ellipse costs only the points near the rows that
// show.
void stampQuadrant(Coverage& pen, const QuadrantWalk& walk, const Quadrant& q, int n,
                   const PenStamps& stamps, int surfaceHeight) {
  const Offset d = kQuadrantSteps[n];
  const int reach = stamps.width + 2;  // beyond any stamp's reach from its point
  const int last = static_cast<int>(walk.points.size()) - 1;
  int runStart = 0;     // where the current run along a row began
  int columnSteps = 0;  // the steps down a column just before this point
  for (int i = 0; i <= last; ++i) {
    const QuadrantPoint& point = walk.points[static_cast<size_t>(i)];
    const Offset at{q.x0 + d.x * point.column, q.y0 + d.y * point.row};
    const Move before = i > 0 ? walk.moves[static_cast<size_t>(i - 1)] : Move::None;
    const Move after = i < last ? walk.moves[static_cast<size_t>(i)] : Move::None;
    columnSteps = before == Move::Row ? std::min(columnSteps + 1, stamps.reach) : 0;
    const size_t k = static_cast<size_t>(columnSteps);
    const StepKind kind = stepKind(before, after);
    if (kind == StepKind::AlongRow) {
      if (before != Move::Column) runStart = at.x;
      continue;
    }
    if (at.y < -reach || at.y >= surfaceHeight + reach) continue;
    switch (kind) {
      case StepKind::RowEnd: {
        const int back = std::abs(at.x - runStart);
        pen.stamp(q.rightHalf, at, stamps.disc, at.x - runStart);
        if (after == Move::Both)
          pen.stamp(q.rightHalf, at,
                    stamps.bandAfterRow[n][static_cast<size_t>(std::min(back, stamps.reach))], 0);
        break;
      }
      case StepKind::AfterDiagonal:
        pen.stamp(q.rightHalf, at, after == Move::Both ? stamps.chainStep[n] : stamps.chainEnd[n],
                  0);
        break;
      case StepKind::BeforeDiagonal:
        pen.stamp(q.rightHalf, at, stamps.columnEndAndBand[n][k], 0);
        break;
      case StepKind::InColumn:
        pen.add(q.rightHalf, at.y, at.x + stamps.widest.left, at.x + stamps.widest.right);
        break;
      case StepKind::ColumnEnd:
        pen.stamp(q.rightHalf, at, stamps.columnEnd[n][k], 0);
        break;
      case StepKind::AlongRow:
        break;  // stamped at the run's end
    }
  }
}

// The brush's ellipse, row by row out from the middle, as far as its own
// walk reaches (rows beyond stay INT_MAX, empty): the columns in from each
// side.
std::vector<int> brushInsets(int boxWidth, int boxHeight, int lastRow) {
  std::vector<int> inset(static_cast<size_t>(lastRow) + 1, INT_MAX);
  inset[0] = 0;
  EllipseWalk fill(boxWidth, boxHeight);
  while (2 * fill.column() <= boxWidth && fill.row() <= lastRow) {
    const int64_t row = fill.row();
    fill.step();
    if (fill.row() != row && fill.row() <= lastRow)
      inset[static_cast<size_t>(fill.row())] = static_cast<int>(fill.column());
  }
  return inset;
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

  const QuadrantWalk walk = walkQuadrant(boxWidth, boxHeight, lastRow);
  const PenStamps& stamps = penStamps(width);
  const int reach = width + 2;  // beyond any stamp's reach from its point
  Coverage pen(top - reach, boxHeight + 2 * reach);
  // Each quadrant's column and row 0, and its half of the rows.
  const Quadrant quadrants[] = {{right - 1, above, true},
                                {left, above, false},
                                {left, below, false},
                                {right - 1, below, true}};
  for (int n = 0; n < 4; ++n) stampQuadrant(pen, walk, quadrants[n], n, stamps, surface.height);

  const std::vector<int> brushInset =
      brush ? brushInsets(boxWidth, boxHeight, lastRow) : std::vector<int>();
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
