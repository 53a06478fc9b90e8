// Runs one graded program under its limits: its own process group, stdin
// from /dev/null, standard error into a file, resource limits set in the
// child before exec, and a watch on the wall clock and on the number of
// processes in its group. Safe to call from several threads at once (the
// ending is awaited through a pidfd, not SIGCHLD). Linux only.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "run_limits.h"

struct RunEnding {
  enum How {
    Exited,      // value: its exit status
    Killed,      // value: the signal that ended it
    TimedOut,    // still running at the wall-clock limit; its group was killed
    OverLimit,   // limit names which; value: the signal, if one ended it
    NotStarted,  // fork or the pidfd failed
  };
  How how = NotStarted;
  int value = 0;
  std::string limit;       // "processor time", "memory", "file size", "process"
  double seconds = 0;      // wall-clock time of the run
  long peakKilobytes = 0;  // the program's largest resident size
};

struct RunRequest {
  std::vector<std::string> command;  // command[0] a path or a name on PATH
  std::string folder;                // its working folder
  std::vector<std::pair<std::string, std::string>> environment;  // added to the grader's
  std::string errorsFile;  // its standard error (and standard output)
  RunLimits limits;
};

RunEnding runLimited(const RunRequest& request);

// What the ending says, for a person: "exited with status 3", "timed out
// after 5 seconds", "exceeded the memory limit (256 MB)".
std::string describe(const RunEnding& ending, const RunLimits& limits);

// Stops every run still going (their process groups get SIGKILL) and every
// run asked for later; for the grader's own ending on SIGINT or SIGTERM.
void stopAllRuns();
bool runsStopped();
