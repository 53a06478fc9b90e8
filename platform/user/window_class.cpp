// Window classes: RegisterClassA and the lookup by name or atom.
#include <strings.h>

#include "window.h"

namespace zt::platform {
namespace {

// Classes are never unregistered, so pointers to them stay valid.
std::vector<std::unique_ptr<WindowClass>>& classes() {
  static std::vector<std::unique_ptr<WindowClass>> list;
  return list;
}

}  // namespace

const WindowClass* findWindowClass(LPCSTR name) {
  if (!name) return nullptr;
  for (auto& c : classes()) {
    if (IS_INTRESOURCE(name)) {  // an integer atom (MAKEINTATOM)
      if (c->atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(name))) return c.get();
    } else if (strcasecmp(c->name.c_str(), name) == 0) {
      return c.get();
    }
  }
  return nullptr;
}

}  // namespace zt::platform

using namespace zt::platform;

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName) return 0;
  if (IS_INTRESOURCE(wc->lpszClassName) || findWindowClass(wc->lpszClassName)) return 0;
  if (classes().size() >= 0x3FFF) return 0;  // no atoms left
  auto c = std::make_unique<WindowClass>();
  c->name = wc->lpszClassName;
  // Atoms of registered classes start at 0xC000, as on Win32.
  c->atom = static_cast<ATOM>(0xC000 + classes().size());
  c->style = wc->style;
  c->proc = wc->lpfnWndProc;
  c->instance = wc->hInstance;
  c->icon = wc->hIcon;
  c->cursor = wc->hCursor;
  c->background = wc->hbrBackground;
  classes().push_back(std::move(c));
  return classes().back()->atom;
}
