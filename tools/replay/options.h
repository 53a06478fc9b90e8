// The command line of zt738-replay.
#pragma once

#include <string>
#include <vector>

constexpr double DEFAULT_TIMEOUT_SECONDS = 60;
constexpr double MAX_TIMEOUT_SECONDS = 1000000;
constexpr size_t MAX_ANSWER_LENGTH = 255;  // what the line-input dialog returns at most

extern const char* const USAGE;

struct Options {
  std::string png;                                  // empty: no picture
  std::string console;                              // empty: no console lines
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

// Options come before SCRIPT, as "--name VALUE" or "--name=VALUE"; "--" ends
// them and the program's command follows.
ParsedOptions parseOptions(const std::vector<std::string>& arguments);
