#include "limited_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>

#include "process_group.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int WATCH_MILLISECONDS = 50;  // how often the process count is looked at
constexpr long MEGABYTE = 1024 * 1024;

std::mutex runningMutex;
std::set<pid_t> running;  // process groups of the runs under way
bool stopped = false;     // no run starts any more

// False when the runs were stopped: the new one is killed at once.
bool track(pid_t group, bool add) {
  std::lock_guard lock(runningMutex);
  if (add) {
    running.insert(group);
  } else {
    running.erase(group);
  }
  return !stopped;
}

// The user's tasks when the first run starts: RLIMIT_NPROC counts them too.
int tasksBefore() {
  static const int count = countUserTasks();
  return count;
}

// command[0] found on PATH as execvp would, before the fork (execvp is not
// safe to call in the child of a threaded process).
std::string programPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  for (;;) {
    const size_t end = dirs.find(':', start);
    std::string dir = dirs.substr(start, end - start);
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) return name;
    start = end + 1;
  }
}

std::vector<std::string> environmentOf(const RunRequest& request) {
  std::vector<std::string> entries;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    const bool replaced = std::any_of(request.environment.begin(), request.environment.end(),
                                      [&](const auto& v) { return v.first == name; });
    if (!replaced) entries.push_back(entry);
  }
  for (const auto& [name, value] : request.environment) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> p;
  for (std::string& s : strings) p.push_back(s.data());
  p.push_back(nullptr);
  return p;
}

void setLimit(int resource, rlim_t soft, rlim_t hard) {
  const rlimit limit{soft, hard};
  setrlimit(resource, &limit);
}

// In the child: only async-signal-safe calls until exec.
[[noreturn]] void startChild(char* path, char** argv, char** envp, const char* folder, int input,
                             int errors, const RunLimits& limits, rlim_t userTasks) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  setpgid(0, 0);
  dup2(input, STDIN_FILENO);
  dup2(errors, STDOUT_FILENO);
  dup2(errors, STDERR_FILENO);
  const rlim_t cpu = static_cast<rlim_t>(limits.cpuSeconds);
  setLimit(RLIMIT_CPU, cpu, cpu + 1);
  if (limits.memoryMegabytes > 0) {
    const rlim_t bytes = static_cast<rlim_t>(limits.memoryMegabytes) * MEGABYTE;
    setLimit(RLIMIT_AS, bytes, bytes);
  }
  const rlim_t file = static_cast<rlim_t>(limits.fileMegabytes) * MEGABYTE;
  setLimit(RLIMIT_FSIZE, file, file);
  // A backstop above the grader's own count (which kills the group at the
  // limit): the kernel's count is per user and holds for ordinary users only.
  const rlim_t tasks = 2 * static_cast<rlim_t>(limits.processes) + userTasks;
  setLimit(RLIMIT_NPROC, tasks, tasks);
  setLimit(RLIMIT_CORE, 0, 0);  // a crash leaves no core file among the compared files
  if (chdir(folder) != 0) _exit(126);
  execve(path, argv, envp);
  _exit(errno == ENOENT ? 127 : 126);
}

// Kills the group until none of it is left (a fork bomb forks while it dies).
void killGroup(pid_t group) {
  for (int round = 0; round < 100; ++round) {
    if (kill(-group, SIGKILL) != 0) return;
    if (countGroupMembers(group) <= 1) return;  // the waited-for child, not yet reaped
    usleep(1000);
  }
}

std::string lastBytes(const std::string& path, size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return text.size() > n ? text.substr(text.size() - n) : text;
}

// Whether a program that failed ran out of the address space it may use: its
// C++ runtime says so on standard error, or it came close to the limit.
bool outOfMemory(const RunRequest& request, const RunEnding& ending) {
  if (request.limits.memoryMegabytes <= 0) return false;
  const std::string tail = lastBytes(request.errorsFile, 64 * 1024);
  for (const char* sign : {"bad_alloc", "Cannot allocate memory", "out of memory"})
    if (tail.find(sign) != std::string::npos) return true;
  return ending.peakKilobytes * 1024 >= request.limits.memoryMegabytes * MEGABYTE / 2;
}

}  // namespace

RunEnding runLimited(const RunRequest& request) {
  RunEnding ending;
  std::string path = programPath(request.command[0]);
  std::vector<std::string> arguments = request.command;
  std::vector<std::string> environment = environmentOf(request);
  std::vector<char*> argv = pointers(arguments);
  std::vector<char*> envp = pointers(environment);
  const int input = open("/dev/null", O_RDONLY | O_CLOEXEC);
  const int errors =
      open(request.errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const rlim_t userTasks = static_cast<rlim_t>(tasksBefore());
  const auto start = Clock::now();

  const pid_t child = input < 0 || errors < 0 ? -1 : fork();
  if (child == 0)
    startChild(path.data(), argv.data(), envp.data(), request.folder.c_str(), input, errors,
               request.limits, userTasks);
  if (input >= 0) close(input);
  if (errors >= 0) close(errors);
  if (child < 0) return ending;
  setpgid(child, child);  // also here, so that a kill right away finds the group
  if (!track(child, true)) kill(-child, SIGKILL);
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, child, 0));

  const bool limited = request.limits.wallSeconds > 0;
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(request.limits.wallSeconds));
  bool ended = false;
  bool forked = false;
  while (!ended) {
    if (pidfd >= 0) {
      pollfd p{pidfd, POLLIN, 0};
      ended = poll(&p, 1, WATCH_MILLISECONDS) > 0;
    } else {
      siginfo_t info{};
      ended = waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
              info.si_pid == child;
      if (!ended) usleep(WATCH_MILLISECONDS * 1000);
    }
    if (ended) break;
    // /proc is read in full only once the program has started another.
    forked = forked || mayHaveChildren(child);
    if (forked && countGroupMembers(child) >= request.limits.processes) {
      ending.how = RunEnding::OverLimit;
      ending.limit = "process";
      break;
    }
    if (limited && Clock::now() >= deadline) {
      ending.how = RunEnding::TimedOut;
      break;
    }
  }
  killGroup(child);  // what it left running, or all of it when stopped
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  track(child, false);
  if (pidfd >= 0) close(pidfd);
  ending.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  ending.peakKilobytes = usage.ru_maxrss;
  if (ending.how == RunEnding::TimedOut || ending.how == RunEnding::OverLimit) return ending;

  if (WIFSIGNALED(status)) {
    ending = {RunEnding::Killed, WTERMSIG(status), "", ending.seconds, ending.peakKilobytes};
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (ending.value == SIGXCPU ||
        (ending.value == SIGKILL && cpu >= static_cast<double>(request.limits.cpuSeconds))) {
      ending.how = RunEnding::OverLimit;
      ending.limit = "processor time";
    } else if (ending.value == SIGXFSZ) {
      ending.how = RunEnding::OverLimit;
      ending.limit = "file size";
    }
  } else {
    ending = {RunEnding::Exited, WEXITSTATUS(status), "", ending.seconds, ending.peakKilobytes};
  }
  const bool failed =
      ending.how == RunEnding::Killed || (ending.how == RunEnding::Exited && ending.value != 0);
  if (failed && outOfMemory(request, ending)) {
    ending.how = RunEnding::OverLimit;
    ending.limit = "memory";
  }
  return ending;
}

std::string describe(const RunEnding& ending, const RunLimits& limits) {
  switch (ending.how) {
    case RunEnding::Exited:
      return "exited with status " + std::to_string(ending.value);
    case RunEnding::Killed:
      return "crashed: killed by signal " + std::to_string(ending.value) + " (" +
             strsignal(ending.value) + ")";
    case RunEnding::TimedOut: {
      char seconds[32];
      std::snprintf(seconds, sizeof seconds, "%g", limits.wallSeconds);
      return std::string("timed out after ") + seconds + " seconds";
    }
    case RunEnding::OverLimit: {
      std::string bound;
      if (ending.limit == "processor time") bound = std::to_string(limits.cpuSeconds) + " seconds";
      if (ending.limit == "memory") bound = std::to_string(limits.memoryMegabytes) + " MB";
      if (ending.limit == "file size") bound = std::to_string(limits.fileMegabytes) + " MB";
      if (ending.limit == "process") bound = std::to_string(limits.processes) + " processes";
      return "exceeded the " + ending.limit + " limit (" + bound + ")";
    }
    case RunEnding::NotStarted:
      break;
  }
  return "could not be started";
}

void stopAllRuns() {
  std::lock_guard lock(runningMutex);
  stopped = true;
  for (const pid_t group : running) kill(-group, SIGKILL);
}

bool runsStopped() {
  std::lock_guard lock(runningMutex);
  return stopped;
}
