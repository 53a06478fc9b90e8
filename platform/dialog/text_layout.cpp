// Line breaking for the static and edit controls; a line never breaks
// inside a UTF-8 character.
#include "text_layout.h"

#include "code_page.h"

namespace zt::platform {
namespace {

// Appends the screen lines of one logical line text[start, end).
void wrapLine(const std::string& text, size_t start, size_t end, int width, bool wordBreak,
              const MeasureText& measure, std::vector<LineSpan>& out) {
  if (start == end) {
    out.push_back({start, end});
    return;
  }
  const std::string_view line = std::string_view(text).substr(0, end);
  while (start < end) {
    size_t fit = nextCharacter(line, start);
    int used = measure(line.substr(start, fit - start));
    while (fit < end) {
      const size_t after = nextCharacter(line, fit);
      const int w = measure(line.substr(fit, after - fit));
      if (used + w > width) break;
      used += w;
      fit = after;
    }
    if (fit < end && wordBreak) {
      size_t blank = fit;
      while (blank > start && text[blank] != ' ') --blank;
      if (blank > start) fit = blank + 1;  // the blank ends the line
    }
    out.push_back({start, fit});
    start = fit;
  }
}

}  // namespace

std::vector<LineSpan> layoutLines(const std::string& text, int width, bool wordBreak,
                                  const MeasureText& measure) {
  std::vector<LineSpan> lines;
  size_t start = 0;
  for (;;) {
    const size_t brk = text.find("\r\n", start);
    const size_t end = brk == std::string::npos ? text.size() : brk;
    wrapLine(text, start, end, width, wordBreak, measure, lines);
    if (brk == std::string::npos) break;
    start = brk + 2;
  }
  return lines;
}

size_t lineOfPosition(const std::vector<LineSpan>& lines, size_t position) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool last = i + 1 == lines.size();
    // A caret at a wrap point shows at the start of the next line.
    if (position < lines[i].end ||
        (position == lines[i].end && (last || lines[i + 1].start > position))) {
      return i;
    }
  }
  return lines.empty() ? 0 : lines.size() - 1;
}

}  // namespace zt::platform
