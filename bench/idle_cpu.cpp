// Measures the CPU time that the wait for events costs while nothing
// happens: 3 s with the animation halted (no event at all), then 3 s with it
// running (a periodic event every tick). Prints CPU time / wall time.
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <cstdio>

#include "package.h"

using namespace zt::package;

namespace {

constexpr int MeasureMs = 3000;

#ifdef _WIN32
double cpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}
#else
double cpuSeconds() {
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
#endif

double wallSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Ends the halted wait after MeasureMs with one typed character.
void CALLBACK typeOneCharacter(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageA(graphicsWindow, WM_CHAR, 'x', 1);
}

void report(const char* phase, double cpu, double wall, int events) {
  std::printf("%-8s cpu %7.1f ms  wall %7.1f ms  cpu/wall %5.2f %%  events %d\n", phase,
              cpu * 1000.0, wall * 1000.0, 100.0 * cpu / wall, events);
}

}  // namespace

int main() {
  startInstance = GetModuleHandleA(nullptr);
  startCmdShow = SW_SHOWNORMAL;
  Display display;
  display.clear(COLOUR_WHITE);
  int x = 0;
  int y = 0;
  char key = 0;

  display.setAnimation(Halt);
  SetTimer(nullptr, 0, MeasureMs, typeOneCharacter);
  double cpu0 = cpuSeconds();
  double wall0 = wallSeconds();
  const EventKind first = display.nextEvent(&x, &y, &key);
  report("halted", cpuSeconds() - cpu0, wallSeconds() - wall0, first == EventKey ? 1 : 0);

  display.setAnimation(Run);
  cpu0 = cpuSeconds();
  wall0 = wallSeconds();
  int periodic = 0;
  while (wallSeconds() - wall0 < MeasureMs / 1000.0) {
    if (display.nextEvent(&x, &y, &key) == EventPeriodic) ++periodic;
  }
  report("running", cpuSeconds() - cpu0, wallSeconds() - wall0, periodic);
  return 0;
}
