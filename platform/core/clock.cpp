// Time on the monotonic clock: GetTickCount and Sleep.
#include <chrono>
#include <thread>

#include "win32.h"

DWORD GetTickCount(void) {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<DWORD>(ms);  // wraps every 49.7 days, as on Win32
}

void Sleep(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
