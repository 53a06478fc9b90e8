#include "tool_run.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

ToolRun runTool(const std::vector<std::string>& arguments,
                const std::vector<std::pair<std::string, std::string>>& environment) {
  ToolRun run;
  FILE* errors = std::tmpfile();
  if (errors == nullptr) return run;
  const pid_t child = fork();
  if (child == 0) {
    dup2(fileno(errors), STDERR_FILENO);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(REPLAY_TOOL)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(REPLAY_TOOL, argv.data());
    _exit(99);
  }
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child) {
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  std::rewind(errors);
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, errors)) > 0;)
    run.errors.append(buffer, n);
  std::fclose(errors);
  return run;
}
