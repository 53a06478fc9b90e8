// The program's one module: GetModuleHandleA.
#include "win32.h"

namespace {
// Only its address matters: it is the instance handle of the program.
HINSTANCE__ programInstance{};
}  // namespace

HMODULE GetModuleHandleA(LPCSTR name) {
  // Only the program itself is loaded; no other module can be found.
  return name ? nullptr : &programInstance;
}
