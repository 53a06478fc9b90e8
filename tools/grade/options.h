// The command line of zt738-grade.
#pragma once

#include <string>
#include <vector>

#include "run_limits.h"

extern const char* const GRADE_USAGE;

struct GradeOptions {
  std::string reference;     // the reference program
  std::string scripts;       // the folder of *.SCR files
  int jobs = 0;              // 0: the number of cores
  long tolerance = 0;        // differing pixels that still pass
  std::string report = ".";  // folder of report.html and report.json
  std::string gradescope;    // empty: no results.json
  std::string font;          // empty: the replay tool's default
  RunLimits limits;
  std::vector<std::string> command;  // the graded PROGRAM and its ARGS
};

struct ParsedGradeOptions {
  GradeOptions options;
  bool help = false;
  std::string error;  // empty when the command line is good
};

// getopt_long: "--name VALUE" or "--name=VALUE"; "--" ends the options and
// the graded program's command follows.
ParsedGradeOptions parseGradeOptions(const std::vector<std::string>& arguments);
