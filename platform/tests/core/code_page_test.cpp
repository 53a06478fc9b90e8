// UTF-8, the layer's code page: decoding at the edges of each sequence
// length, broken sequences as one replacement character per byte, stepping
// by characters, and the UTF-16 conversions of dialog templates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_page.h"
#include "sdl_text.h"

using namespace zt::platform;

namespace {

struct Decoded {
  char32_t c;
  size_t length;
};

Decoded first(std::string_view text) {
  size_t length = 0;
  const char32_t c = decodeUtf8(text, 0, length);
  return {c, length};
}

TEST(CodePage, DecodesEachSequenceLengthAtItsEdges) {
  const struct {
    const char* bytes;
    char32_t c;
    size_t length;
  } cases[] = {
      {"\x7F", 0x7F, 1},
      {"\xC2\x80", 0x80, 2},
      {"\xDF\xBF", 0x7FF, 2},
      {"\xE0\xA0\x80", 0x800, 3},
      {"\xEF\xBF\xBF", 0xFFFF, 3},
      {"\xEF\xBF\xBD", 0xFFFD, 3},
      {"\xF0\x90\x80\x80", 0x10000, 4},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
  };
  for (const auto& c : cases) {
    const Decoded d = first(c.bytes);
    EXPECT_EQ(d.c, c.c) << c.bytes;
    EXPECT_EQ(d.length, c.length) << c.bytes;
    std::string again;
    appendUtf8(again, c.c);
    EXPECT_EQ(again, c.bytes);
  }
}

TEST(CodePage, BrokenSequencesAreOneByteEach) {
  const char* broken[] = {
      "\x80",              // a continuation byte alone
      "\xC3",              // cut at the end of the text
      "\xC3\x41",          // cut by an ASCII byte
      "\xC0\xAF",          // overlong '/'
      "\xE0\x9F\xBF",      // overlong, three bytes
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF8\x88\x80\x80",  // a five-byte lead
      "\xFF",
  };
  for (const char* b : broken) {
    const Decoded d = first(b);
    EXPECT_EQ(d.c, kReplacementCharacter) << int(static_cast<unsigned char>(b[0]));
    EXPECT_EQ(d.length, 1u);
  }
  std::string out;
  appendUtf8(out, 0xD800);  // a surrogate is no character either
  appendUtf8(out, 0x110000);
  EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(CodePage, StepsByWholeCharacters) {
  const std::string text = "a\xC3\xA9\xE4\xBD\xA0\xF0\x9F\x98\x80\x80z";  // a é 你 😀 stray z
  std::vector<size_t> forward;
  for (size_t at = 0; at < text.size(); at = nextCharacter(text, at)) forward.push_back(at);
  EXPECT_EQ(forward, (std::vector<size_t>{0, 1, 3, 6, 10, 11}));
  std::vector<size_t> backward;
  for (size_t at = text.size(); at > 0;) backward.push_back(at = previousCharacter(text, at));
  EXPECT_EQ(backward, (std::vector<size_t>{11, 10, 6, 3, 1, 0}));
  EXPECT_TRUE(characterStart(text, 3));
  EXPECT_FALSE(characterStart(text, 2));
  EXPECT_FALSE(characterStart(text, 9));
  EXPECT_TRUE(characterStart(text, text.size()));
  EXPECT_FALSE(characterStart(text, text.size() + 1));
  EXPECT_EQ(nextCharacter(text, text.size()), text.size());
  EXPECT_EQ(previousCharacter(text, 0), 0u);
}

TEST(CodePage, Utf16RoundTripsAndKeepsPairsWhole) {
  const WCHAR units[] = {'A', 0x00E9, 0x4F60, 0xD83D, 0xDE00};
  const std::string utf8 = narrowUtf16(units, 5);
  EXPECT_EQ(utf8, "A\xC3\xA9\xE4\xBD\xA0\xF0\x9F\x98\x80");
  WCHAR back[5] = {};
  EXPECT_EQ(widenUtf8(utf8, nullptr, 0), 5u);
  EXPECT_EQ(widenUtf8(utf8, back, 5), 5u);
  EXPECT_EQ(std::vector<WCHAR>(back, back + 5), std::vector<WCHAR>(units, units + 5));
  // Room for four units: the pair does not fit and is left out whole.
  WCHAR small[4] = {};
  EXPECT_EQ(widenUtf8(utf8, small, 4), 3u);
  const WCHAR lone[] = {0xDC00, 'x', 0xD800};
  EXPECT_EQ(narrowUtf16(lone, 3), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(CodePage, ClipboardAndTitlesReachTheDesktopAsValidUtf8) {
  EXPECT_EQ(clipboardToDesktop("Gr\xC3\xBC\xC3\x9F"
                               "e\r\nzwei\r"),
            "Gr\xC3\xBC\xC3\x9F"
            "e\nzwei\r");
  EXPECT_EQ(clipboardToDesktop("a\xFF"), "a\xEF\xBF\xBD");
  EXPECT_EQ(clipboardFromDesktop("\xD0\x9F\n\r\nx\n"), "\xD0\x9F\r\n\r\nx\r\n");
  EXPECT_EQ(clipboardFromDesktop(nullptr), "");
  EXPECT_EQ(toUtf8("\xE4\xBD\xA0\xE4"), "\xE4\xBD\xA0\xEF\xBF\xBD");
}

}  // namespace
