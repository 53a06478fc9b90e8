// Runs a program in a folder with extra environment variables, and waits for
// it, at most for a time limit.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ProgramEnding {
  enum How {
    Exited,       // value: its exit status
    Killed,       // value: the signal that ended it
    TimedOut,     // stopped at the time limit
    Interrupted,  // the tool itself got value, a signal; the program was stopped
    NotStarted,   // fork failed
  };
  How how = NotStarted;
  int value = 0;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// command[0] is looked up on PATH unless it holds a slash. The program runs
// in its own process group, so that stopping it stops what it started too.
// A program that cannot be executed ends with 127 (not found) or 126, after
// a line on standard error. timeoutSeconds 0 waits for ever.
ProgramEnding runProgram(const std::vector<std::string>& command, const std::string& folder,
                         const Environment& environment, double timeoutSeconds);
