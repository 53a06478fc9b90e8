// Fuzzes the drawing file reader: any bytes read into a shape list, then the
// list saved, read back and saved again must give the same shapes and the
// same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "drawing_file/drawing_reader.h"
#include "shape_list/shape_list.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "drawing reader invariant broken: %s\n", what);
    std::abort();
  }
}

int countShapes(const ShapeList& list) {
  int count = 0;
  for (const ShapeNode* node = list.head; node != nullptr; node = node->next) ++count;
  return count;
}

std::string save(const ShapeList& list) {
  std::ostringstream out;
  list.saveAll(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  ShapeList list;
  bool pending = true;
  const DrawingReadResult read = readDrawing(in, list, pending);
  require(read.shapes == countShapes(list), "every record read is in the list");
  for (const ShapeNode* node = list.head; node != nullptr; node = node->next) {
    require(node->shape->tag == "CIRCLE" || node->shape->tag == "SQUARE", "tag");
  }

  const std::string saved = save(list);
  std::istringstream again(saved);
  ShapeList reloaded;
  const DrawingReadResult reread = readDrawing(again, reloaded, pending);
  require(!reread.damaged, "a saved drawing reads back whole");
  require(reread.shapes == read.shapes, "a saved drawing reads back every shape");
  require(save(reloaded) == saved, "saving the reloaded drawing gives the same bytes");
  return 0;
}
