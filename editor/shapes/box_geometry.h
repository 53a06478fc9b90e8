// The geometry that every shape kind shares: a box given by two corners in
// either order. The shape classes forward their operations here.
#pragma once

#include <ostream>

#include "zt738.h"

class Shape;

// Strictly inside in both axes; a flat box contains nothing.
bool boxContains(const Shape& box, int x, int y);
// The centre, each coordinate the corners' sum halved toward zero. The sum is
// taken in 64 bits, so the centre is exact for every pair of int corners.
int boxCentreX(const Shape& box);
int boxCentreY(const Shape& box);
// Truncated Euclidean distance from the centre to (x, y). Exact for every int
// input; a distance above INT_MAX (possible only for coordinates far beyond
// the drawing area) is reported as INT_MAX.
int boxDistanceTo(const Shape& box, int x, int y);
// Centres the box on (x, y) with half-extents |x1 - x2| / 2 and |y1 - y2| / 2,
// the first corner staying on its side of the second. A corner that would
// leave the int range stops at INT_MIN or INT_MAX.
void boxMoveTo(Shape& box, int x, int y);
void boxResize(Shape& box, int x, int y);
void boxDrawMarker(const Shape& box, Display& display);
// The drawing-file record of the shape, flushed.
void writeShapeRecord(const Shape& shape, std::ostream& out);
