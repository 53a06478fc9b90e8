#include "app/file_commands.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/redraw.h"
#include "drawing_file/drawing_reader.h"
#include "drawing_file/drawing_writer.h"

namespace {

// The typed line; the buffer holds all that the dialog may write.
std::string askForName(const char* prompt) {
  char name[GETS_CAPACITY] = {};
  ZT738_gets(prompt, name);
  name[GETS_CAPACITY - 1] = '\0';
  return name;
}

}  // namespace

void saveCommand(const ShapeList& shapes) { saveDrawing(askForName("save as...."), shapes); }

bool saveDrawing(const std::string& name, const ShapeList& shapes) {
  if (writeDrawingFile(name, shapes)) return true;
  ZT738_console_printf("Cannot save drawing file %s\n", name.c_str());
  return false;
}

void loadCommand(std::unique_ptr<ShapeList>& shapes, bool& firstPointPending, Display& display) {
  loadDrawing(askForName("load file...."), shapes, firstPointPending, display);
}

bool loadDrawing(const std::string& name, std::unique_ptr<ShapeList>& shapes,
                 bool& firstPointPending, Display& display) {
  const std::filesystem::path path(name);
  std::error_code ec;
  std::ifstream in;
  // Only a regular file: a directory opens on some systems but holds no
  // records, and a device or pipe may never end.
  if (!name.empty() && std::filesystem::is_regular_file(path, ec)) in.open(path);
  if (!in.is_open()) {
    ZT738_console_printf("Cannot open drawing file %s\n", name.c_str());
    return false;
  }
  auto loaded = std::make_unique<ShapeList>();
  const DrawingReadResult read = readDrawing(in, *loaded, firstPointPending);
  in.close();
  shapes = std::move(loaded);
  if (read.damaged) {
    ZT738_console_printf("Drawing file %s is damaged after %d shapes\n", name.c_str(), read.shapes);
  }
  redrawAll(display, *shapes);
  return true;
}
