// Runs zt738-replay as a test would from a shell.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ToolRun {
  int status = -1;     // exit status, or 128 + the signal
  std::string errors;  // all it wrote on standard error
};

// The tool with these arguments; extra environment variables on top of the
// test's own.
ToolRun runTool(const std::vector<std::string>& arguments,
                const std::vector<std::pair<std::string, std::string>>& environment = {});
