#include "shapes/box_geometry.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "shapes/shape.h"

namespace {

bool strictlyBetween(int v, int a, int b) { return (a < v && v < b) || (b < v && v < a); }

// The editor's one narrowing to int: values beyond the range stop at its ends.
int saturateToInt(int64_t v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

int centre(int a, int b) { return static_cast<int>((int64_t{a} + b) / 2); }

// floor(sqrt(s)) for any 64-bit s: the double estimate corrected to the exact
// integer root.
uint64_t integerSqrt(uint64_t s) {
  auto r = static_cast<uint64_t>(std::sqrt(static_cast<double>(s)));
  while (r > 0 && r * r > s) --r;
  while ((r + 1) * (r + 1) <= s) ++r;
  return r;
}

// New corners (a, b) for an axis whose extent is centred on c.
void centreAxis(int& a, int& b, int c) {
  const int64_t half = std::llabs(int64_t{a} - b) / 2;
  if (b > a) {
    a = saturateToInt(c - half);
    b = saturateToInt(c + half);
  } else {
    a = saturateToInt(c + half);
    b = saturateToInt(c - half);
  }
}

}  // namespace

bool boxContains(const Shape& box, int x, int y) {
  return strictlyBetween(x, box.x1, box.x2) && strictlyBetween(y, box.y1, box.y2);
}

int boxCentreX(const Shape& box) { return centre(box.x1, box.x2); }
int boxCentreY(const Shape& box) { return centre(box.y1, box.y2); }

int boxDistanceTo(const Shape& box, int x, int y) {
  const int64_t dx = std::llabs(int64_t{x} - boxCentreX(box));
  const int64_t dy = std::llabs(int64_t{y} - boxCentreY(box));
  // Either leg alone beyond INT_MAX makes the distance saturate; otherwise
  // both squares are below 2^62 and their sum fits in 64 bits.
  if (dx > INT_MAX || dy > INT_MAX) return INT_MAX;
  const uint64_t s = static_cast<uint64_t>(dx * dx) + static_cast<uint64_t>(dy * dy);
  const uint64_t root = integerSqrt(s);
  return saturateToInt(static_cast<int64_t>(root));  // root < 2^32
}

void boxMoveTo(Shape& box, int x, int y) {
  centreAxis(box.x1, box.x2, x);
  centreAxis(box.y1, box.y2, y);
}

void boxResize(Shape& box, int x, int y) {
  box.x2 = x;
  box.y2 = y;
}

void boxDrawMarker(const Shape& box, Display& display) {
  display.drawRectangle(box.x1, box.y1, box.x2, box.y2, COLOUR_BLUE, 5);
}

void writeShapeRecord(const Shape& shape, std::ostream& out) {
  out << shape.tag << ' ' << shape.x1 << ' ' << shape.y1 << ' ' << shape.x2 << ' ' << shape.y2
      << ' ' << shape.colour << ' ' << std::endl;
}
