// Fuzzes the script file reader: the line reader over a FILE*, checked
// against a direct model of its rules, the line parser on every line and on
// the whole input, and the writer's lines parsing back to their values.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "script_line.h"
#include "zt738.h"

using namespace zt::package;

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "script reader invariant broken: %s\n", what);
    std::abort();
  }
}

// The lines that the reader must return for these bytes: pieces of at most
// 511 characters up to and including a line feed, line ends alone skipped,
// an unterminated short piece at the end dropped.
std::vector<std::string> modelLines(const uint8_t* data, size_t size) {
  std::vector<std::string> lines;
  size_t position = 0;
  while (position < size) {
    std::string piece;
    bool ended = false;
    while (position < size && piece.size() < SCRIPT_LINE_CAPACITY - 1) {
      const char c = static_cast<char>(data[position++]);
      piece += c;
      if (c == '\n') {
        ended = true;
        break;
      }
    }
    if (!ended && piece.size() < SCRIPT_LINE_CAPACITY - 1) break;
    if (ended && (piece == "\n" || piece == "\r\n")) continue;
    lines.push_back(piece);
  }
  return lines;
}

void checkEvent(const ScriptLine& line) {
  require(line.kind == 0 || line.kind == EventMouse || line.kind == EventKey ||
              line.kind == EventPeriodic,
          "kind");
  require(line.kind == EventPeriodic || line.count == 0, "count only on periodic lines");
  require(line.count >= 0, "count is never negative");
  if (line.kind != EventMouse) require(line.x == 0 && line.y == 0, "x and y only on mouse lines");
  if (line.kind != EventKey) require(line.key == 0, "key only on keyboard lines");
}

void readLines(const uint8_t* data, size_t size) {
  // An in-memory stream: the fuzzers run only on Linux.
  if (size == 0) return;
  FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (file == nullptr) return;

  const std::vector<std::string> expected = modelLines(data, size);
  char buffer[SCRIPT_LINE_CAPACITY];
  int length = -1;
  size_t count = 0;
  while (ZT738_read_script_line(file, buffer, &length)) {
    require(length > 0 && length < SCRIPT_LINE_CAPACITY, "line length");
    require(buffer[length] == '\0', "line terminated");
    require(count < expected.size(), "no more lines than the model");
    require(expected[count] == std::string(buffer, static_cast<size_t>(length)),
            "line equals the model's");
    ++count;
    checkEvent(ZT738_parse_script_line(buffer, length));
  }
  require(count == expected.size(), "as many lines as the model");
  std::fclose(file);
}

int32_t word(const uint8_t* p) {
  uint32_t value = 0;
  std::memcpy(&value, p, sizeof value);
  return static_cast<int32_t>(value);
}

void roundTrip(const uint8_t* data, size_t size) {
  if (size < 14) return;
  const int kind = 1 + data[0] % 3;
  const int x = word(data + 1);
  const int y = word(data + 5);
  const char key = static_cast<char>(data[9]);
  const int count = word(data + 10) & 0x7fffffff;
  char line[SCRIPT_WRITE_CAPACITY];
  const int length = ZT738_format_script_line(line, kind, x, y, key, count);
  require(length > 0 && length < SCRIPT_WRITE_CAPACITY, "written length");
  const ScriptLine back = ZT738_parse_script_line(line, length);
  require(back.kind == kind, "round trip kind");
  if (kind == EventMouse) require(back.x == x && back.y == y, "round trip mouse");
  if (kind == EventKey) require(back.key == key, "round trip key");
  if (kind == EventPeriodic) require(back.count == count, "round trip count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int whole = size > 1u << 20 ? 1 << 20 : static_cast<int>(size);
  checkEvent(ZT738_parse_script_line(reinterpret_cast<const char*>(data), whole));
  readLines(data, size);
  roundTrip(data, size);
  return 0;
}
