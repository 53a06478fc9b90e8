// What a long run holds, counted the same way on Win32 and on the layer:
// live GDI and USER objects (GetGuiResources), kernel handles
// (GetProcessHandleCount) and, where the C library or the sanitizer can
// tell, heap bytes in use.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "win32.h"

#ifndef _WIN32
#include <malloc.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define ZT738_LEAK_METER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZT738_LEAK_METER_ASAN 1
#endif
#endif

#ifdef ZT738_LEAK_METER_ASAN
// The sanitizer's own count of live heap bytes (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace leak_meter {

// Long runs are shortened by this factor under the sanitizer, whose
// allocator and checks make each step several times slower.
#ifdef ZT738_LEAK_METER_ASAN
constexpr int kScaleDown = 10;
#else
constexpr int kScaleDown = 1;
#endif

// Wine's GetGuiResources is a stub that fails with ERROR_CALL_NOT_IMPLEMENTED.
inline bool countsGuiObjects() {
  SetLastError(ERROR_SUCCESS);
  const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

struct Snapshot {
  DWORD gdi = 0;
  DWORD user = 0;
  DWORD handles = 0;
  size_t heap = 0;  // 0 where no count is available (Windows)
};

inline size_t heapBytes() {
#if defined(ZT738_LEAK_METER_ASAN)
  return __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
  return 0;  // no count of the C runtime's heap here: the heap is not compared
#else
  return mallinfo2().uordblks;
#endif
}

inline Snapshot take() {
  Snapshot s;
  s.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  s.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  GetProcessHandleCount(GetCurrentProcess(), &s.handles);
  s.heap = heapBytes();
  return s;
}

// Heap bytes may differ by this much between the two counts: the C library
// keeps stdio, locale and per-thread state that comes and goes, and a hash
// table keeps its buckets once grown. A leak of even a few bytes per step is
// far larger over the steps that follow the first count.
constexpr size_t kHeapSlack = 16 * 1024;
// Steps before the first count: what lives as long as the process (a dialog
// font, glyphs, the console's ring of lines) is made in them.
constexpr int kWarmUp = 1000;

// Runs `steps` steps (shortened by kScaleDown, but at least twice the warm-up)
// and expects the counts after the warm-up to equal those at the end.
inline void expectFlat(const std::string& what, int steps, const std::function<void(int)>& step,
                       size_t heapSlack = kHeapSlack, int warmUp = kWarmUp) {
  SCOPED_TRACE(what);
  const int total = std::max(steps / kScaleDown, 2 * warmUp);
  for (int i = 0; i < warmUp; ++i) step(i);
  const Snapshot first = take();
  for (int i = warmUp; i < total; ++i) step(i);
  const Snapshot last = take();
  EXPECT_EQ(first.gdi, last.gdi) << "GDI objects";
  EXPECT_EQ(first.user, last.user) << "windows and menus";
  EXPECT_EQ(first.handles, last.handles) << "kernel handles";
  EXPECT_LE(last.heap, first.heap + heapSlack)
      << "heap bytes after " << warmUp << " steps: " << first.heap << ", after " << total << ": "
      << last.heap;
}

}  // namespace leak_meter

// Skips the rest of a test where there is nothing to count with.
#define ZT738_SKIP_WITHOUT_GUI_COUNTS() \
  if (!leak_meter::countsGuiObjects()) GTEST_SKIP() << "Wine's GetGuiResources is a stub"
