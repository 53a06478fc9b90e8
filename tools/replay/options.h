// The command line of zt738-replay.
#pragma once

#include <string>
#include <vector>

constexpr double DEFAULT_TIMEOUT_SECONDS = 60;
constexpr double MAX_TIMEOUT_SECONDS = 1000000;
constexpr size_t MAX_ANSWER_LENGTH = 255;  // what the line-input dialog returns at most
// Text is drawn with one font file, so that pictures do not depend on the
// machine's fontconfig: DejaVu Sans, which the package depends on.
constexpr const char* DEFAULT_FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

extern const char* const USAGE;

struct Options {
  std::string png;                                  // empty: no picture
  std::string console;                              // empty: no console lines
  std::string log;                                  // empty: no log
  std::string font = DEFAULT_FONT_FILE;             // draws all text
  double timeoutSeconds = DEFAULT_TIMEOUT_SECONDS;  // 0: no limit
  bool keep = false;
  std::vector<std::string> answers;  // for the line-input dialogs, in order
  std::string script;
  std::vector<std::string> command;  // PROGRAM and its ARGS
};

struct ParsedOptions {
  Options options;
  bool help = false;
  std::string error;  // empty when the command line is good
};

// Options (getopt_long: "--name VALUE" or "--name=VALUE") come before
// SCRIPT; "--" ends them and the program's command follows.
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

// Checks shared with zt738-grade; each returns false when the text is not
// acceptable.
bool parseSeconds(const std::string& text, double& seconds);  // 0 to MAX_TIMEOUT_SECONDS
std::string answerProblem(const std::string& answer);         // empty when acceptable
