// The script line format on its own: writing, parsing and reading lines.
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "saturate.h"
#include "script_line.h"
#include "zt738.h"

using namespace zt::package;

namespace {

ScriptLine parse(const std::string& line) {
  return ZT738_parse_script_line(line.data(), static_cast<int>(line.size()));
}

std::string format(int kind, int x, int y, char key, int count) {
  char buffer[SCRIPT_WRITE_CAPACITY];
  const int length = ZT738_format_script_line(buffer, kind, x, y, key, count);
  EXPECT_EQ(static_cast<size_t>(length), std::strlen(buffer));
  return buffer;
}

// Reads every line that the reader returns from a file holding bytes.
std::vector<std::string> readAll(const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / "zt738_script_line_test.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }
  std::vector<std::string> lines;
  FILE* file = std::fopen(path.string().c_str(), "rb");
  EXPECT_NE(file, nullptr);
  if (file != nullptr) {
    char buffer[SCRIPT_LINE_CAPACITY];
    int length = 0;
    while (ZT738_read_script_line(file, buffer, &length)) lines.emplace_back(buffer, length);
    std::fclose(file);
  }
  std::filesystem::remove(path);
  return lines;
}

TEST(ScriptLineFormat, WritesTheThreeForms) {
  EXPECT_EQ(format(EventMouse, -120, 45, 0, 0), "ZT738_MOUSE(-120, 45);\n");
  EXPECT_EQ(format(EventKey, 0, 0, 'a', 0), "ZT738_KBD(97);\n");
  EXPECT_EQ(format(EventKey, 0, 0, static_cast<char>(0xE9), 0), "ZT738_KBD(-23);\n");
  EXPECT_EQ(format(EventPeriodic, 0, 0, 0, 6), "ZT738_PERIODIC(6);\n");
  EXPECT_EQ(format(EventMouse, INT_MIN, INT_MIN, 0, 0), "ZT738_MOUSE(-2147483648, -2147483648);\n");
}

TEST(ScriptLineFormat, EveryWrittenLineParsesBack) {
  for (int x : {INT_MIN, -300, -1, 0, 7, INT_MAX}) {
    for (int y : {INT_MIN, -250, 0, 45, INT_MAX}) {
      const ScriptLine back = parse(format(EventMouse, x, y, 0, 0));
      EXPECT_EQ(back.kind, EventMouse);
      EXPECT_EQ(back.x, x);
      EXPECT_EQ(back.y, y);
    }
  }
  for (int c = -128; c <= 127; ++c) {
    const ScriptLine back = parse(format(EventKey, 0, 0, static_cast<char>(c), 0));
    EXPECT_EQ(back.kind, EventKey);
    EXPECT_EQ(static_cast<signed char>(back.key), c);
  }
  for (int count : {1, 2, 6, 1000, INT_MAX}) {
    const ScriptLine back = parse(format(EventPeriodic, 0, 0, 0, count));
    EXPECT_EQ(back.kind, EventPeriodic);
    EXPECT_EQ(back.count, count);
  }
}

TEST(ScriptLineParse, OnlyASeventhCharacterKMOrPMakesAnEvent) {
  EXPECT_EQ(parse("ZT738_mOUSE(1, 2);\n").kind, 0);  // case matters
  EXPECT_EQ(parse("ZT738_\n").kind, 0);              // the seventh character is the line end
  EXPECT_EQ(parse("").kind, 0);
  EXPECT_EQ(parse("K\n").kind, 0);
  EXPECT_EQ(parse("ZT738\n").kind, 0);
  // Stale bytes beyond the length are never looked at.
  const char buffer[] = "ZT\nKBD(65);\n";
  EXPECT_EQ(ZT738_parse_script_line(buffer, 3).kind, 0);
  EXPECT_EQ(ZT738_parse_script_line(nullptr, 20).kind, 0);
}

TEST(ScriptLineParse, NumbersAreFoundByScanning) {
  const ScriptLine mouse = parse("ZT738_MOUSE  x=-7 ;; y=  12  \n");
  EXPECT_EQ(mouse.x, -7);
  EXPECT_EQ(mouse.y, 12);
  // The second number starts where the first run ended.
  const ScriptLine adjacent = parse("ZT738_MOUSE(3-4);\n");
  EXPECT_EQ(adjacent.x, 3);  // the run "3-4" converts as 3
  EXPECT_EQ(adjacent.y, 0);
  // A periodic line takes digits only: its minus sign is skipped.
  EXPECT_EQ(parse("ZT738_PERIODIC(-3);\n").count, 3);
  EXPECT_EQ(parse("ZT738_KBD(--5);\n").key, 0);
  EXPECT_EQ(parse("ZT738_KBD(-);\n").key, 0);
  // The low 8 bits of the number make the key.
  EXPECT_EQ(parse("ZT738_KBD(321);\n").key, static_cast<char>(321 & 0xFF));
}

TEST(ScriptLineParse, LongRunsAreCutAndSaturate) {
  const ScriptLine huge = parse("ZT738_MOUSE(99999999999, -99999999999);\n");
  EXPECT_EQ(huge.x, INT_MAX);
  EXPECT_EQ(huge.y, INT_MIN);
  // A run of 15 digits is cut after 11; the rest starts the next number.
  const ScriptLine cut = parse("ZT738_MOUSE(123456789012345, 6);\n");
  EXPECT_EQ(cut.x, INT_MAX);
  EXPECT_EQ(cut.y, 2345);
  EXPECT_EQ(parse("ZT738_PERIODIC(99999999999999999999);\n").count, INT_MAX);
  EXPECT_EQ(parse("ZT738_KBD(-000000000065);\n").key, 0);  // "-0000000000" is 0
}

TEST(ScriptLineNumber, ConvertsLikeAtoiWithinTheIntRange) {
  auto number = [](const std::string& run) {
    return ZT738_script_number(run.data(), static_cast<int>(run.size()));
  };
  EXPECT_EQ(number(""), 0);
  EXPECT_EQ(number("-"), 0);
  EXPECT_EQ(number("-42"), -42);
  EXPECT_EQ(number("12-34"), 12);
  EXPECT_EQ(number("2147483647"), INT_MAX);
  EXPECT_EQ(number("2147483648"), INT_MAX);
  EXPECT_EQ(number("-2147483648"), INT_MIN);
  EXPECT_EQ(number("-2147483649"), INT_MIN);
  EXPECT_EQ(number("00000000007"), 7);
}

TEST(ScriptLineRead, SkipsLinesThatAreOnlyALineEnd) {
  const std::vector<std::string> expected = {"ZT738_KBD(1);\n", "  \n", "ZT738_KBD(2);\r\n"};
  EXPECT_EQ(readAll("\nZT738_KBD(1);\n\n\r\n  \n\r\nZT738_KBD(2);\r\n\n"), expected);
}

TEST(ScriptLineRead, DropsALastLineWithoutLineEnd) {
  const std::vector<std::string> expected = {"ZT738_KBD(1);\n"};
  EXPECT_EQ(readAll("ZT738_KBD(1);\nZT738_KBD(2);"), expected);
  EXPECT_TRUE(readAll("").empty());
  EXPECT_TRUE(readAll("\n\r\n\n").empty());
}

TEST(ScriptLineRead, LongLinesComeInPiecesOf511) {
  const std::string longLine = std::string(600, 'x') + "\n";
  const std::vector<std::string> lines = readAll(longLine + "ZT738_KBD(3);\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string(511, 'x'));
  EXPECT_EQ(lines[1], std::string(89, 'x') + "\n");
  EXPECT_EQ(lines[2], "ZT738_KBD(3);\n");
  // A piece that fills the buffer exactly counts as a line even at the end.
  EXPECT_EQ(readAll(std::string(511, 'y')).size(), 1u);
  // The piece after a full one may be a line end alone: it is skipped.
  EXPECT_EQ(readAll(std::string(511, 'y') + "\nZT738_KBD(4);\n").size(), 2u);
}

TEST(ScriptLineRead, KeepsBytesAfterAZero) {
  const std::string withZero("ZT738_K\0(9);\n", 13);
  const std::vector<std::string> lines = readAll(withZero);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], withZero);
  EXPECT_EQ(parse(lines[0]).key, 9);
}

TEST(Saturate, StopsAtTheEndsOfInt) {
  EXPECT_EQ(ZT738_saturate_int(static_cast<long long>(INT_MAX) + 1), INT_MAX);
  EXPECT_EQ(ZT738_saturate_int(static_cast<long long>(INT_MIN) - 1), INT_MIN);
  EXPECT_EQ(ZT738_saturate_int(LLONG_MIN), INT_MIN);
  EXPECT_EQ(ZT738_saturate_int(-7), -7);
}

}  // namespace
