// The command line of zt738-replay: what it accepts and what it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options.h"

namespace {

using Args = std::vector<std::string>;

TEST(ReplayOptions, EveryOptionInBothForms) {
  const ParsedOptions p = parseOptions(
      {"--png", "a.png", "--console=c.txt", "--timeout", "2.5", "--keep", "--answer", "one two",
       "--answer=", "--log", "l.txt", "--font=f.ttf", "s.scr", "--", "prog", "--png", "x"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.png, "a.png");
  EXPECT_EQ(p.options.console, "c.txt");
  EXPECT_EQ(p.options.log, "l.txt");
  EXPECT_EQ(p.options.font, "f.ttf");
  EXPECT_DOUBLE_EQ(p.options.timeoutSeconds, 2.5);
  EXPECT_TRUE(p.options.keep);
  EXPECT_EQ(p.options.answers, (Args{"one two", ""}));
  EXPECT_EQ(p.options.script, "s.scr");
  // What follows -- belongs to the program, options included.
  EXPECT_EQ(p.options.command, (Args{"prog", "--png", "x"}));
}

TEST(ReplayOptions, DefaultsWithoutOptions) {
  const ParsedOptions p = parseOptions({"s.scr", "--", "prog"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.png, "");
  EXPECT_EQ(p.options.console, "");
  EXPECT_EQ(p.options.log, "");
  EXPECT_EQ(p.options.font, DEFAULT_FONT_FILE);
  EXPECT_DOUBLE_EQ(p.options.timeoutSeconds, DEFAULT_TIMEOUT_SECONDS);
  EXPECT_FALSE(p.options.keep);
  EXPECT_TRUE(p.options.answers.empty());
  EXPECT_EQ(p.options.command, (Args{"prog"}));
}

// getopt_long keeps its place between calls: a second parse starts afresh,
// after a refused one too.
TEST(ReplayOptions, ASecondParseStartsAfresh) {
  EXPECT_EQ(parseOptions({"--frames", "s.scr", "--", "p"}).error, "unknown option --frames");
  const ParsedOptions p = parseOptions({"--keep", "t.scr", "--", "q"});
  ASSERT_EQ(p.error, "");
  EXPECT_TRUE(p.options.keep);
  EXPECT_EQ(p.options.script, "t.scr");
  EXPECT_EQ(p.options.command, (Args{"q"}));
}

TEST(ReplayOptions, ZeroTimeoutMeansNoLimit) {
  const ParsedOptions p = parseOptions({"--timeout=0", "s.scr", "--", "prog"});
  ASSERT_EQ(p.error, "");
  EXPECT_DOUBLE_EQ(p.options.timeoutSeconds, 0);
}

TEST(ReplayOptions, HelpWins) {
  EXPECT_TRUE(parseOptions({"--help"}).help);
  EXPECT_TRUE(parseOptions({"--keep", "-h", "s.scr"}).help);
}

TEST(ReplayOptions, BadCommandLinesAreRefusedWithAReason) {
  struct Case {
    Args arguments;
    std::string error;
  };
  const std::string longAnswer(MAX_ANSWER_LENGTH + 1, 'a');
  const std::vector<Case> cases = {
      {{}, "the script is missing"},
      {{"--keep"}, "the script is missing"},
      {{"--", "prog"}, "the script is missing before --"},
      {{"s.scr"}, "-- and the program's command must follow the script"},
      {{"s.scr", "prog"}, "-- and the program's command must follow the script"},
      {{"s.scr", "--"}, "the program is missing after --"},
      {{"--png"}, "--png needs a value"},
      {{"--png=", "s.scr", "--", "p"}, "--png needs a file name"},
      {{"--console", "", "s.scr", "--", "p"}, "--console needs a file name"},
      {{"--frames", "3", "s.scr", "--", "p"}, "unknown option --frames"},
      {{"--keep=yes", "s.scr", "--", "p"}, "--keep takes no value"},
      {{"--log=", "s.scr", "--", "p"}, "--log needs a file name"},
      {{"--font", "", "s.scr", "--", "p"}, "--font needs a file name"},
      {{"s.scr", "--", "p", "--font"}, ""},  // after --, the program's own
      {{"--answer", "a", "--answer"}, "--answer needs a value"},
      {{"--timeout", "-1", "s.scr", "--", "p"},
       "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--timeout", "10s", "s.scr", "--", "p"},
       "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--timeout", "nan", "s.scr", "--", "p"},
       "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--timeout", "1e7", "s.scr", "--", "p"},
       "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--timeout=", "s.scr", "--", "p"},
       "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--answer", "two\nlines", "s.scr", "--", "p"},
       "--answer: only printable characters, on one line"},
      {{"--answer", "tab\there", "s.scr", "--", "p"},
       "--answer: only printable characters, on one line"},
      {{"--answer", longAnswer, "s.scr", "--", "p"}, "--answer: at most 255 characters"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.arguments) shown += "[" + a + "]";
    EXPECT_EQ(parseOptions(c.arguments).error, c.error) << shown;
  }
}

}  // namespace
