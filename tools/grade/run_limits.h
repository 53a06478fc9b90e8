// What one run of a graded program may use. Each bound is applied with
// setrlimit in the program's process (and inherited by what it starts),
// except the wall-clock time and the process count, which the grader watches.
#pragma once

struct RunLimits {
  double wallSeconds = 60;      // then the process group is killed: "timed out"
  long cpuSeconds = 60;         // RLIMIT_CPU
  long memoryMegabytes = 4096;  // RLIMIT_AS; 0: none
  long fileMegabytes = 64;      // RLIMIT_FSIZE, each file written
  long processes = 64;          // in the run's process group (and RLIMIT_NPROC)
};
