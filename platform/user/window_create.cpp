// CreateWindowExA: WM_NCCREATE, WM_CREATE, then WM_SIZE and WM_MOVE with the
// client area (an overlapped window gets these when first shown, as under
// Wine), then showing when WS_VISIBLE was asked for.
#include "menu.h"
#include "window.h"

namespace zt::platform {
namespace {

// A top-level window that gets CW_USEDEFAULT takes this share of the screen.
constexpr int kDefaultSizeNumerator = 3;
constexpr int kDefaultSizeDenominator = 4;

RECT initialRect(DWORD style, int x, int y, int width, int height) {
  bool topLevel = !(style & WS_CHILD);
  if (x == CW_USEDEFAULT) {
    x = 0;
    y = 0;
  }
  if (width == CW_USEDEFAULT) {
    width = topLevel
                ? GetSystemMetrics(SM_CXSCREEN) * kDefaultSizeNumerator / kDefaultSizeDenominator
                : 0;
    height = topLevel
                 ? GetSystemMetrics(SM_CYSCREEN) * kDefaultSizeNumerator / kDefaultSizeDenominator
                 : 0;
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  return RECT{x, y, saturatingAdd(x, width), saturatingAdd(y, height)};
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  const WindowClass* windowClass = findWindowClass(className);
  if (!windowClass) return nullptr;
  if (parent && !findWindow(parent)) return nullptr;
  if ((style & WS_CHILD) && !parent) return nullptr;  // a child needs a parent
  if (!(style & WS_CHILD) && menu && !findMenu(menu)) return nullptr;
  // An overlapped window always has a caption, as on Win32.
  if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;

  auto window = std::make_unique<Window>();
  window->windowClass = windowClass;
  window->proc = windowClass->proc;
  window->style = style & ~static_cast<DWORD>(WS_VISIBLE);  // shown once created
  window->exStyle = exStyle;
  window->rect = initialRect(style, x, y, width, height);
  // Overlapped windows hear of their size when first shown, as under Wine.
  window->sizePending = !(style & (WS_CHILD | WS_POPUP));
  if (style & WS_CHILD) {
    window->parent = parent;
    window->id = static_cast<int>(reinterpret_cast<intptr_t>(menu));
  } else {
    window->owner = parent ? topLevelOf(parent) : nullptr;
    window->menu = menu;
  }
  Window* added = addWindow(std::move(window));
  fitSurface(*added);  // before any message: a procedure may draw at once
  HWND hwnd = added->handle;
  if (style & WS_CHILD) findWindow(parent)->children.push_back(hwnd);

  CREATESTRUCTA cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.cy = height;
  cs.cx = width;
  cs.y = y;
  cs.x = x;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = title;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  // A failed creation ends the window without WM_DESTROY, as Wine does.
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    releaseWindow(hwnd);
    return nullptr;
  }
  if (!findWindow(hwnd)) return nullptr;
  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    releaseWindow(hwnd);
    return nullptr;
  }
  Window* w = findWindow(hwnd);
  if (!w || w->destroying) return nullptr;
  if (!w->sizePending) {
    const SIZE size = clientSize(*w);
    POINT origin = clientPosition(*w);
    if (!sendThenFind(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy)) ||
        !sendThenFind(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y)))
      return nullptr;
  }
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return findWindow(hwnd) ? hwnd : nullptr;
}
