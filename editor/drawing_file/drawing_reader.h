// Reads a drawing file's records: a tag word and five decimal ints each, taken
// as whitespace-separated tokens regardless of line ends.
#pragma once

#include <istream>

#include "shape_list/shape_list.h"

struct DrawingReadResult {
  int shapes = 0;        // records appended to the list
  bool damaged = false;  // reading stopped at a record that could not be read whole
};

// Appends each complete record to list ("CIRCLE" exactly makes a circle, any
// other tag a square), passing pendingFlag to add. A record cut short, with a
// word where a number belongs, or with a number outside 32 bits is not added
// and ends the reading, as does a failure of the stream itself.
DrawingReadResult readDrawing(std::istream& in, ShapeList& list, bool& pendingFlag);
