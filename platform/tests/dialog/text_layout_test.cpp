// Line breaking of control text, with every character 10 pixels wide.
#include <gtest/gtest.h>

#include "text_layout.h"

using namespace zt::platform;

namespace {

int tenEach(std::string_view run) { return static_cast<int>(run.size()) * 10; }

std::vector<std::string> lines(const std::string& text, int width, bool wordBreak) {
  std::vector<std::string> out;
  for (const LineSpan& s : layoutLines(text, width, wordBreak, tenEach)) {
    out.push_back(text.substr(s.start, s.end - s.start));
  }
  return out;
}

TEST(TextLayout, BreaksAtLineBreaksAndAtTheWidth) {
  EXPECT_EQ(lines("", 100, false), std::vector<std::string>{""});
  EXPECT_EQ(lines("ab\r\n\r\ncd", 100, false), (std::vector<std::string>{"ab", "", "cd"}));
  EXPECT_EQ(lines("abcdefg", 30, false), (std::vector<std::string>{"abc", "def", "g"}));
  EXPECT_EQ(lines("abc", 1, false), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(TextLayout, WordBreakKeepsWordsWhole) {
  EXPECT_EQ(lines("one two three", 80, true), (std::vector<std::string>{"one two ", "three"}));
  // A word longer than the width is cut where it must be.
  EXPECT_EQ(lines("abcdefgh ij", 50, true), (std::vector<std::string>{"abcde", "fgh ", "ij"}));
}

TEST(TextLayout, TheCaretAtAWrapShowsOnTheNextLine) {
  const std::string text = "abcdef\r\ngh";
  const auto spans = layoutLines(text, 30, false, tenEach);  // abc | def | gh
  ASSERT_EQ(spans.size(), 3u);
  EXPECT_EQ(lineOfPosition(spans, 0), 0u);
  EXPECT_EQ(lineOfPosition(spans, 3), 1u);
  EXPECT_EQ(lineOfPosition(spans, 6), 1u);  // before the break
  EXPECT_EQ(lineOfPosition(spans, 8), 2u);
  EXPECT_EQ(lineOfPosition(spans, 10), 2u);
}

}  // namespace
