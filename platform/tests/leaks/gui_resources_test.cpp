// GetGuiResources counts each kind of object the program makes, and stops
// counting it once it is gone; stock objects are not the program's.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "leak_meter.h"

namespace {

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* plainClass() {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = plainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "leak meter window";
    return RegisterClassA(&wc) != 0;
  }();
  return registered ? "leak meter window" : nullptr;
}

struct Kind {
  std::string name;
  DWORD flag;   // which count it adds to
  DWORD added;  // by how much
  std::function<void*()> make;
  std::function<void(void*)> drop;
};

TEST(GuiResources, EachObjectCountsUntilItIsGone) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  HDC screen = GetDC(nullptr);
  const std::vector<Kind> kinds = {
      {"pen", GR_GDIOBJECTS, 1, [] { return (void*)CreatePen(PS_SOLID, 3, RGB(1, 2, 3)); },
       [](void* o) { DeleteObject(static_cast<HGDIOBJ>(o)); }},
      {"brush", GR_GDIOBJECTS, 1, [] { return (void*)CreateSolidBrush(RGB(1, 2, 3)); },
       [](void* o) { DeleteObject(static_cast<HGDIOBJ>(o)); }},
      {"font", GR_GDIOBJECTS, 1,
       [] { return (void*)CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "x"); },
       [](void* o) { DeleteObject(static_cast<HGDIOBJ>(o)); }},
      {"bitmap", GR_GDIOBJECTS, 1, [screen] { return (void*)CreateCompatibleBitmap(screen, 8, 8); },
       [](void* o) { DeleteObject(static_cast<HGDIOBJ>(o)); }},
      {"memory DC", GR_GDIOBJECTS, 1, [] { return (void*)CreateCompatibleDC(nullptr); },
       [](void* o) { DeleteDC(static_cast<HDC>(o)); }},
      {"stock pen", GR_GDIOBJECTS, 0, [] { return (void*)GetStockObject(BLACK_PEN); },
       [](void*) {}},
      {"popup window", GR_USEROBJECTS, 1,
       [] {
         return (void*)CreateWindowExA(0, plainClass(), "w", WS_POPUP, 0, 0, 20, 20, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
       },
       [](void* o) { DestroyWindow(static_cast<HWND>(o)); }},
      {"popup menu", GR_USEROBJECTS, 1, [] { return (void*)CreatePopupMenu(); },
       [](void* o) { DestroyMenu(static_cast<HMENU>(o)); }},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const DWORD before = GetGuiResources(GetCurrentProcess(), kind.flag);
    void* object = kind.make();
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(before + kind.added, GetGuiResources(GetCurrentProcess(), kind.flag));
    kind.drop(object);
    EXPECT_EQ(before, GetGuiResources(GetCurrentProcess(), kind.flag));
  }
  ReleaseDC(nullptr, screen);
}

TEST(GuiResources, OnlyTheCurrentProcessAndKnownFlagsAreCounted) {
  EXPECT_EQ(0u, GetGuiResources(nullptr, GR_GDIOBJECTS));
  DWORD handles = 0;
  EXPECT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &handles));
  EXPECT_FALSE(GetProcessHandleCount(GetCurrentProcess(), nullptr));
}

}  // namespace
