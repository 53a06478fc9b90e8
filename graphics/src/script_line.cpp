// The script file's line format (see script_line.h).
#include "script_line.h"

#include <climits>

#include "saturate.h"
#include "zt738.h"

namespace zt::package {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isNumberChar(char c, bool withMinus) { return isDigit(c) || (withMinus && c == '-'); }

// Finds the next run of number characters at or after *position, at most
// SCRIPT_NUMBER_RUN_LIMIT long, converts it and moves *position past it.
// Without a run, gives 0 and moves *position to the end of the line.
int nextNumber(const char* line, int length, int* position, bool withMinus) {
  int start = *position;
  while (start < length && !isNumberChar(line[start], withMinus)) ++start;
  int end = start;
  while (end < length && end - start < SCRIPT_NUMBER_RUN_LIMIT &&
         isNumberChar(line[end], withMinus)) {
    ++end;
  }
  *position = end;
  return ZT738_script_number(line + start, end - start);
}

// The low 8 bits of value as a signed character.
char lowByte(int value) {
  return static_cast<char>(static_cast<signed char>(static_cast<unsigned>(value) & 0xFFu));
}

}  // namespace

int ZT738_format_script_line(char* buffer, int kind, int x, int y, char key, int count) {
  int written = 0;
  switch (kind) {
    case EventMouse:
      written = std::snprintf(buffer, SCRIPT_WRITE_CAPACITY, "ZT738_MOUSE(%d, %d);\n", x, y);
      break;
    case EventKey:
      written = std::snprintf(buffer, SCRIPT_WRITE_CAPACITY, "ZT738_KBD(%d);\n",
                              static_cast<int>(static_cast<signed char>(key)));
      break;
    case EventPeriodic:
      written = std::snprintf(buffer, SCRIPT_WRITE_CAPACITY, "ZT738_PERIODIC(%d);\n", count);
      break;
    default:
      buffer[0] = '\0';
      break;
  }
  return written;
}

bool ZT738_read_script_line(FILE* file, char* buffer, int* length) {
  for (;;) {
    int n = 0;
    bool ended = false;
    while (n < SCRIPT_LINE_CAPACITY - 1) {
      const int c = std::fgetc(file);
      // End of file or a read error; a partial last line is dropped with it.
      if (c == EOF) return false;
      buffer[n++] = static_cast<char>(c);
      if (c == '\n') {
        ended = true;
        break;
      }
    }
    buffer[n] = '\0';
    const bool lineEndAlone = ended && (n == 1 || (n == 2 && buffer[0] == '\r'));
    if (!lineEndAlone) {
      *length = n;
      return true;
    }
  }
}

ScriptLine ZT738_parse_script_line(const char* line, int length) {
  ScriptLine result;
  if (line == nullptr || length <= SCRIPT_SELECTOR_INDEX) return result;
  int position = SCRIPT_SELECTOR_INDEX;
  switch (line[SCRIPT_SELECTOR_INDEX]) {
    case 'K':
      result.kind = EventKey;
      result.key = lowByte(nextNumber(line, length, &position, true));
      break;
    case 'M':
      result.kind = EventMouse;
      result.x = nextNumber(line, length, &position, true);
      result.y = nextNumber(line, length, &position, true);
      break;
    case 'P':
      result.kind = EventPeriodic;
      result.count = nextNumber(line, length, &position, false);
      break;
    default:
      break;
  }
  return result;
}

int ZT738_script_number(const char* run, int length) {
  constexpr long long limit = static_cast<long long>(INT_MAX) + 1;  // magnitude of INT_MIN
  int i = 0;
  bool negative = false;
  if (i < length && run[i] == '-') {
    negative = true;
    ++i;
  }
  long long magnitude = 0;
  for (; i < length && isDigit(run[i]); ++i) {
    magnitude = magnitude * 10 + (run[i] - '0');
    if (magnitude > limit) magnitude = limit;
  }
  return ZT738_saturate_int(negative ? -magnitude : magnitude);
}

}  // namespace zt::package
