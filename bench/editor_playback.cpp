// Timed tool: plays a script of a million events (or argv[1]) through the
// package and the editor headless, and prints events per second. It fails
// when an event of the script was not handled.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "long_playback.h"
#include "package.h"

using namespace zt::package;

int main(int argc, char** argv) {
  const long events = argc > 1 ? std::atol(argv[1]) : 1000000;
  char folder[] = "/tmp/zt738-playback-XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) return 1;
  const EventCounts written = writeLongScript(SCRIPT_FILE_NAME, events);
  const auto start = std::chrono::steady_clock::now();
  const EventCounts handled = playThroughEditor([](const EventCounts&) {});
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::filesystem::remove_all(folder);
  std::printf("%ld events (%ld mouse, %ld key, %ld periodic) in %.2f s: %.0f events per second\n",
              handled.total(), handled.mouse, handled.key, handled.periodic, seconds,
              handled.total() / seconds);
  if (!(handled == written)) {
    std::printf("handled %ld of the %ld events written\n", handled.total(), written.total());
    return 1;
  }
  return 0;
}
