// Processes of one process group, counted from /proc: how the grader sees a
// run that forks without end, whatever user it runs as. Linux only.
#pragma once

#include <sys/types.h>

// The processes (not threads) whose process group is group.
int countGroupMembers(pid_t group);

// Whether the process's main thread has children now; true when the kernel
// does not tell, so that a caller then looks further.
bool mayHaveChildren(pid_t pid);

// The processes of this real user, as RLIMIT_NPROC counts them (threads
// included).
int countUserTasks();
