#include "drawing_file/drawing_writer.h"

#include <sstream>
#include <string_view>

#include "zt738.h"

namespace {

// The text as a text-mode file stream writes it on this platform.
#ifdef _WIN32
std::string asTextFile(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}
#else
std::string_view asTextFile(std::string_view text) { return text; }
#endif

}  // namespace

bool writeDrawingFile(const std::string& name, const ShapeList& list) {
  if (name.empty()) return false;
  // Each shape flushes its record; on a string stream that costs nothing, and
  // the system gets the whole file in one write.
  std::ostringstream text;
  list.saveAll(text);
  if (!text) return false;
  // A copy, not view(): the web build's C++ library lacks view().
  const std::string content = text.str();
  const auto bytes = asTextFile(content);
  return ZT738_replace_file(name.c_str(), bytes.data(), bytes.size()) == 1;
}
