// The results as JSON: report.json (everything but the pictures) and the
// results.json that Gradescope's autograder reads (a "tests" list of name,
// score, max_score and output, and the total "score").
#pragma once

#include <string>
#include <vector>

#include "grading.h"

std::string reportJson(const GradeOptions& options, const std::vector<ScriptResult>& results);
std::string gradescopeJson(const std::vector<ScriptResult>& results);

// The verdict and its reasons as plain text, a line each, with the log
// difference; for a person reading a terminal or Gradescope's output.
std::string plainVerdict(const ScriptResult& result);
