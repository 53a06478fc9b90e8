#include "drawing_file/drawing_reader.h"

#include <string>

DrawingReadResult readDrawing(std::istream& in, ShapeList& list, bool& pendingFlag) {
  DrawingReadResult result;
  std::string tag;
  while (in >> tag) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, colour = 0;
    if (!(in >> x1 >> y1 >> x2 >> y2 >> colour)) {
      result.damaged = true;
      return result;
    }
    list.add(x1, y1, x2, y2, pendingFlag, tag == "CIRCLE" ? 1 : 0, colour);
    ++result.shapes;
  }
  // A tag that cannot be read is the normal end of the file, unless the
  // stream itself failed.
  result.damaged = in.bad();
  return result;
}
