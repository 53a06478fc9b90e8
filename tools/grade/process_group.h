// Processes of one process group, counted from /proc: how the grader sees a
// run that forks without end, whatever user it runs as. Linux only.
#pragma once

#include <sys/types.h>

// The processes (not threads) whose process group is group.
int countGroupMembers(pid_t group);

// The processes of this real user, as RLIMIT_NPROC counts them (threads
// included).
int countUserTasks();
