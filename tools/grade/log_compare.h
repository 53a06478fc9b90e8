// Two drawing logs compared line by line: the first line that differs, with
// its neighbours from both.
#pragma once

#include <string>
#include <vector>

constexpr int LOG_NEIGHBOURS = 2;  // lines shown before and after the first difference

struct LogDifference {
  bool same = true;
  size_t firstLine = 0;  // 1-based; a line past the end of the shorter log when one is cut short
  size_t from = 0;       // 1-based number of the first line shown
  std::vector<std::string> reference;  // lines from..first+LOG_NEIGHBOURS of each, where they exist
  std::vector<std::string> graded;
  size_t referenceLines = 0;
  size_t gradedLines = 0;
};

std::vector<std::string> splitLines(const std::string& text);
LogDifference compareLogs(const std::vector<std::string>& reference,
                          const std::vector<std::string>& graded);
