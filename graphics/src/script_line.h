// The script file's line format: writing the three kinds of line, reading
// one line at a time, and turning a line into an event. Pure: no package
// state, so that it can be tested and fuzzed on its own.
//
//   ZT738_MOUSE(x, y);   a click at logical (x, y)
//   ZT738_KBD(c);        a character, as a signed 8-bit value
//   ZT738_PERIODIC(n);   a run of n periodic events
#pragma once

#include <cstdio>

namespace zt::package {

// Bytes of the line buffer: a longer line is read in pieces of 511
// characters, each of which counts as a line.
constexpr int SCRIPT_LINE_CAPACITY = 512;
// Longest run of characters that is taken as one number.
constexpr int SCRIPT_NUMBER_RUN_LIMIT = 11;
// Index of the character that selects the event, after "ZT738_".
constexpr int SCRIPT_SELECTOR_INDEX = 6;
// Room for the longest line that the writer produces.
constexpr int SCRIPT_WRITE_CAPACITY = 64;

// One event as a script line gives it. kind is 0 for a line that is not an
// event, else EventMouse, EventKey or EventPeriodic; count is the number that
// a periodic line holds (0 and 1 both mean one event).
struct ScriptLine {
  int kind = 0;
  int x = 0;
  int y = 0;
  char key = 0;
  int count = 0;
};

// Formats the line for one event into buffer (SCRIPT_WRITE_CAPACITY bytes):
// a mouse line from x and y, a keyboard line from key, a periodic line from
// count. Returns the line's length, or 0 (buffer emptied) for any other kind.
int ZT738_format_script_line(char* buffer, int kind, int x, int y, char key, int count);

// Reads the next line, or piece of a line, into buffer (SCRIPT_LINE_CAPACITY
// bytes) and stores its length, line end included. Lines that are a line end
// alone ("\n" or "\r\n") are skipped. Returns false at the end of the file or
// on a read error; a last line without a line end is not returned.
bool ZT738_read_script_line(FILE* file, char* buffer, int* length);

// The event that the first length characters of line give. A line shorter
// than seven characters, or whose seventh character is none of K, M and P,
// is not an event (kind 0).
ScriptLine ZT738_parse_script_line(const char* line, int length);

// Converts a run of digits and minus signs as atoi would (leading minus,
// then digits, the rest ignored), saturating at the int range.
int ZT738_script_number(const char* run, int length);

}  // namespace zt::package
