#include "run_program.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// Time that a stopped program has to end after SIGTERM, before SIGKILL.
constexpr std::chrono::seconds STOP_GRACE{2};

// Signals that the tool waits for with sigtimedwait: its child's ending, and
// the ones that end the tool, which first stop the program.
sigset_t awaitedSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int s : {SIGCHLD, SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, s);
  return set;
}

void noteChild(int) {}

// In the child: never returns.
[[noreturn]] void startChild(const std::vector<std::string>& command, const std::string& folder,
                             const Environment& environment, const sigset_t& parentMask) {
  sigprocmask(SIG_SETMASK, &parentMask, nullptr);
  signal(SIGCHLD, SIG_DFL);
  setpgid(0, 0);
  if (chdir(folder.c_str()) != 0) {
    std::fprintf(stderr, "zt738-replay: cannot enter %s: %s\n", folder.c_str(),
                 std::strerror(errno));
    _exit(126);
  }
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  const int error = errno;
  std::fprintf(stderr, "zt738-replay: cannot run %s: %s\n", argv[0], std::strerror(error));
  _exit(error == ENOENT ? 127 : 126);
}

// Waits for the child until the deadline (none when !limited); returns
// whether it ended, with its status. A signal that ends the tool is put into
// *interrupt and ends the wait.
bool waitUntil(pid_t child, bool limited, Clock::time_point deadline, int& status, int* interrupt) {
  const sigset_t set = awaitedSignals();
  for (;;) {
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) return true;
    if (ended < 0 && errno != EINTR) return true;  // no such child: nothing to wait for
    timespec wait = {1, 0};
    if (limited) {
      const auto left = deadline - Clock::now();
      if (left <= Clock::duration::zero()) return false;
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      if (ns < 1000000000LL) wait = {0, static_cast<long>(ns)};
    }
    const int got = sigtimedwait(&set, nullptr, &wait);
    if (got > 0 && got != SIGCHLD && interrupt != nullptr) {
      *interrupt = got;
      return false;
    }
  }
}

// SIGTERM to the program's group, then SIGKILL if it has not ended in time.
void stop(pid_t child) {
  kill(-child, SIGTERM);
  int status = 0;
  if (waitUntil(child, true, Clock::now() + STOP_GRACE, status, nullptr)) return;
  kill(-child, SIGKILL);
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

ProgramEnding runProgram(const std::vector<std::string>& command, const std::string& folder,
                         const Environment& environment, double timeoutSeconds) {
  ProgramEnding ending;
  // Blocked before the fork, so that no ending is missed between the fork and
  // the wait; a handler makes sure that SIGCHLD is delivered, not discarded.
  struct sigaction action = {};
  action.sa_handler = noteChild;
  sigemptyset(&action.sa_mask);
  struct sigaction previous = {};
  sigaction(SIGCHLD, &action, &previous);
  const sigset_t set = awaitedSignals();
  sigset_t parentMask;
  sigprocmask(SIG_BLOCK, &set, &parentMask);

  const pid_t child = fork();
  if (child == 0) startChild(command, folder, environment, parentMask);
  if (child > 0) {
    setpgid(child, child);  // also here, so that a stop right away finds the group
    const bool limited = timeoutSeconds > 0;
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(limited ? timeoutSeconds : 0));
    int status = 0;
    int interrupt = 0;
    if (waitUntil(child, limited, deadline, status, &interrupt)) {
      if (WIFSIGNALED(status)) {
        ending = {ProgramEnding::Killed, WTERMSIG(status)};
      } else {
        ending = {ProgramEnding::Exited, WEXITSTATUS(status)};
      }
    } else {
      stop(child);
      ending = interrupt != 0 ? ProgramEnding{ProgramEnding::Interrupted, interrupt}
                              : ProgramEnding{ProgramEnding::TimedOut, 0};
    }
  }
  sigprocmask(SIG_SETMASK, &parentMask, nullptr);
  sigaction(SIGCHLD, &previous, nullptr);
  return ending;
}
