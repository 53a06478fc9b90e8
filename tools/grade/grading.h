// Grading: every script run on the reference and on the graded program, in
// parallel, and the two runs of each compared (log, picture, files written,
// ending) into a verdict.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "folder_compare.h"
#include "log_compare.h"
#include "options.h"
#include "png_file.h"

struct ScriptResult {
  std::string name;  // the script's file name
  bool passed = false;
  std::vector<std::string> reasons;  // why it failed, first the most telling
  bool picturesCompared = false;     // both runs wrote a picture
  long differingPixels = 0;
  LogDifference log;
  std::vector<FileDifference> files;
  std::string referenceEnding, gradedEnding;  // as describe() tells them
  double referenceSeconds = 0, gradedSeconds = 0;
  std::string gradedErrors;  // the end of what the graded program wrote on stdout and stderr
  RgbImage reference, graded, difference;  // empty when not written
};

// The *.SCR files of a folder (the ending in either case), in name order;
// false with a reason when the folder cannot be read or holds none.
bool findScripts(const std::string& folder, std::vector<std::filesystem::path>& scripts,
                 std::string& error);

// The answers for a script: NAME.answers beside NAME.SCR, one a line; none
// when there is no such file.
std::vector<std::string> answersFor(const std::filesystem::path& script);

// Results in the order of scripts. A run that the grader could not start
// (no temporary folder, say) fails its script with the reason.
std::vector<ScriptResult> gradeAll(const GradeOptions& options,
                                   const std::vector<std::filesystem::path>& scripts);
