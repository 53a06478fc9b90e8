// Runs zt738-grade as a test would from a shell, as this user or, when the
// test runs as root, optionally as the user nobody (through setpriv), so
// that the kernel's per-user process limit applies.
#pragma once

#include <string>
#include <vector>

struct GraderRun {
  int status = -1;     // exit status, or 128 + the signal
  std::string output;  // standard output and standard error together
};

// temporaryFolder becomes the grader's TMPDIR, where its runs' folders go.
GraderRun runGrader(const std::vector<std::string>& arguments, const std::string& temporaryFolder,
                    bool asOrdinaryUser = false);
