// Stock icons and cursors: LoadIconA, LoadCursorA. Nothing is drawn while
// headless, so each stock resource is a distinct dummy handle.
#include <cstdint>

#include "win32.h"

namespace {

// Stock resource identifiers (IDI_*, IDC_*) lie in this range.
constexpr uintptr_t kFirstStock = 32512;
constexpr uintptr_t kLastStock = 32651;

HICON__ stockIcons[kLastStock - kFirstStock + 1];
HICON__ stockCursors[kLastStock - kFirstStock + 1];

bool isStock(HINSTANCE instance, LPCSTR name) {
  auto id = reinterpret_cast<uintptr_t>(name);
  return !instance && id >= kFirstStock && id <= kLastStock;
}

}  // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  if (!isStock(instance, name)) return nullptr;  // no resources besides the stock ones
  return &stockIcons[reinterpret_cast<uintptr_t>(name) - kFirstStock];
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  if (!isStock(instance, name)) return nullptr;
  return &stockCursors[reinterpret_cast<uintptr_t>(name) - kFirstStock];
}
