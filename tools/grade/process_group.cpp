#include "process_group.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Calls visit(pid) for every numeric entry of /proc.
template <typename Visit>
void forEachProcess(Visit visit) {
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return;
  while (const dirent* entry = readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (*end == '\0' && pid > 0) visit(pid);
  }
  closedir(proc);
}

// The fields of /proc/PID/stat after the command's closing parenthesis.
bool statFields(long pid, std::string& rest) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
  FILE* file = std::fopen(path, "re");
  if (file == nullptr) return false;
  char buffer[1024];
  const size_t n = std::fread(buffer, 1, sizeof buffer - 1, file);
  std::fclose(file);
  buffer[n] = '\0';
  const char* close = std::strrchr(buffer, ')');
  if (close == nullptr) return false;
  rest = close + 1;
  return true;
}

}  // namespace

int countGroupMembers(pid_t group) {
  int count = 0;
  forEachProcess([&](long pid) {
    std::string rest;
    char state = 0;
    int parent = 0, pgrp = 0;
    if (statFields(pid, rest) &&
        std::sscanf(rest.c_str(), " %c %d %d", &state, &parent, &pgrp) == 3 && pgrp == group &&
        state != 'Z')
      ++count;
  });
  return count;
}

int countUserTasks() {
  const uid_t me = getuid();
  int count = 0;
  forEachProcess([&](long pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/status", pid);
    FILE* file = std::fopen(path, "re");
    if (file == nullptr) return;
    char line[256];
    unsigned uid = 0;
    int threads = 0;
    bool mine = false;
    while (std::fgets(line, sizeof line, file)) {
      if (std::sscanf(line, "Uid: %u", &uid) == 1) mine = uid == me;
      std::sscanf(line, "Threads: %d", &threads);
    }
    std::fclose(file);
    if (mine) count += threads > 0 ? threads : 1;
  });
  return count;
}

bool mayHaveChildren(pid_t pid) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/task/%d/children", pid, pid);
  FILE* file = std::fopen(path, "re");
  if (file == nullptr) return true;
  const int c = std::fgetc(file);
  std::fclose(file);
  return c != EOF;
}
