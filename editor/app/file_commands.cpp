#include "app/file_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/redraw.h"
#include "drawing_file/drawing_reader.h"
#include "drawing_file/drawing_writer.h"

namespace {

// Only a regular file may be loaded: a directory opens on some systems but
// holds no records, and a device or pipe may never end. std::filesystem reads
// bytes above 127 as UTF-8 on Windows, while the file streams (like the
// package's saves) take the system's code page; for such a name that it
// cannot find, the open decides (no folder opens there as a file, and no
// device name has such bytes).
bool mayLoad(const std::string& name) {
  if (name.empty()) return false;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(name, ec);
  if (!ec) return std::filesystem::is_regular_file(status);
  return std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
}

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
  std::ifstream in;
  if (mayLoad(name)) in.open(name);
  if (!in.is_open()) {
    ZT738_console_printf("Cannot open drawing file %s\n", name.c_str());
    return false;
  }
  auto loaded = std::make_unique<ShapeList>();
  const DrawingReadResult read = readDrawing(in, *loaded, firstPointPending);
  in.close();
  if (read.damaged) {
    ZT738_console_printf("Drawing file %s is damaged after %d shapes\n", name.c_str(), read.shapes);
  }
  // A file without one good record holds no drawing: the current one stays.
  if (read.damaged && read.shapes == 0) return false;
  shapes = std::move(loaded);
  redrawAll(display, *shapes);
  return true;
}
