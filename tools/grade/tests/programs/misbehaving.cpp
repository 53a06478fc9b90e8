// Programs that a grader must survive, chosen by the first argument:
//   crash      aborts
//   memory     allocates and touches memory without end
//   file       writes one file without end
//   fork       forks without end (each child forks too)
//   spin       computes without end
// None of them uses the package: the grader bounds any program.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  const char* what = argc > 1 ? argv[1] : "";
  if (std::strcmp(what, "crash") == 0) std::abort();
  if (std::strcmp(what, "memory") == 0) {
    std::vector<char*> blocks;
    for (;;) {
      char* block = new char[16 << 20];
      std::memset(block, 1, 16 << 20);
      blocks.push_back(block);
    }
  }
  if (std::strcmp(what, "file") == 0) {
    FILE* file = std::fopen("endless.txt", "wb");
    static const char line[] = "one more line of an endless file\n";
    while (file != nullptr && std::fwrite(line, 1, sizeof line - 1, file) > 0) {
    }
    return 3;  // only when SIGXFSZ is ignored
  }
  if (std::strcmp(what, "fork") == 0) {
    for (;;) {
      if (fork() < 0) usleep(1000);
    }
  }
  if (std::strcmp(what, "spin") == 0) {
    volatile unsigned long n = 0;
    for (;;) n = n + 1;
  }
  return 2;
}
