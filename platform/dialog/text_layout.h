// Breaking control text into the lines that fit a width.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::platform {

// Characters [start, end) of the text form one line on screen; a "\r\n"
// ends a line and belongs to none.
struct LineSpan {
  size_t start = 0;
  size_t end = 0;
};

// Width in pixels of a run of characters.
using MeasureText = std::function<int(std::string_view)>;

// Splits at every "\r\n" and, when a line is wider than `width`, after the
// last character that fits (after the last blank that fits, with
// `wordBreak`). Every line keeps at least one character, so a narrow width
// still makes progress. An empty text is one empty line.
std::vector<LineSpan> layoutLines(const std::string& text, int width, bool wordBreak,
                                  const MeasureText& measure);

// The line that shows the caret at `position`.
size_t lineOfPosition(const std::vector<LineSpan>& lines, size_t position);

}  // namespace zt::platform
