#include "log_compare.h"

#include <algorithm>

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

LogDifference compareLogs(const std::vector<std::string>& reference,
                          const std::vector<std::string>& graded) {
  LogDifference d;
  d.referenceLines = reference.size();
  d.gradedLines = graded.size();
  const size_t common = std::min(reference.size(), graded.size());
  size_t i = 0;
  while (i < common && reference[i] == graded[i]) ++i;
  if (i == common && reference.size() == graded.size()) return d;
  d.same = false;
  d.firstLine = i + 1;
  const size_t from = i > LOG_NEIGHBOURS ? i - LOG_NEIGHBOURS : 0;
  d.from = from + 1;
  const size_t to = i + LOG_NEIGHBOURS + 1;
  for (size_t k = from; k < to; ++k) {
    if (k < reference.size()) d.reference.push_back(reference[k]);
    if (k < graded.size()) d.graded.push_back(graded[k]);
  }
  return d;
}
