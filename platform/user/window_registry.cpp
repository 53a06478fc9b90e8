// The list of live windows and the lookup of a window by its handle.
#include <algorithm>

#include "handles.h"
#include "window.h"

namespace zt::platform {
namespace {

// Owns every live window, in creation order. Used on the window thread only.
std::vector<std::unique_ptr<Window>>& windows() {
  static std::vector<std::unique_ptr<Window>> list;
  return list;
}

}  // namespace

Window* findWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  return fromHandle<Window>(hwnd, HandleKind::Window);
}

std::vector<HWND> allWindows() {
  std::vector<HWND> handles;
  handles.reserve(windows().size());
  for (auto& w : windows()) handles.push_back(w->handle);
  return handles;
}

Window* addWindow(std::unique_ptr<Window> window) {
  Window* w = window.get();
  w->handle = makeHandle<HWND>(HandleKind::Window, w);
  windows().push_back(std::move(window));
  return w;
}

void removeWindow(HWND hwnd) {
  auto& list = windows();
  auto it = std::find_if(list.begin(), list.end(), [&](auto& w) { return w->handle == hwnd; });
  if (it == list.end()) return;
  releaseHandle(hwnd, HandleKind::Window);
  list.erase(it);
}

HWND topLevelOf(HWND hwnd) {
  Window* w = findWindow(hwnd);
  while (w && w->isChild() && findWindow(w->parent)) w = findWindow(w->parent);
  return w ? w->handle : nullptr;
}

bool isSelfOrDescendant(HWND window, HWND child) {
  for (Window* w = findWindow(child); w; w = w->isChild() ? findWindow(w->parent) : nullptr) {
    if (w->handle == window) return true;
  }
  return false;
}

}  // namespace zt::platform
