#include "menu_harness.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace zt_test {
namespace {

const MenuWindow* current = nullptr;
std::vector<Step> pending;
size_t nextStep = 0;
bool inMenuLoop = false;
int ticksAfterSteps = 0;
int closingTick = 0;
// Ticks after the last step before the menu counts as stuck (3 s).
constexpr int kStuckTicks = 150;
constexpr UINT_PTR kPaceTimer = 7;
constexpr UINT kPaceMs = 20;

std::string handleName(LPARAM handle) {
  if (!current || handle == 0) return "0";
  if (reinterpret_cast<HMENU>(handle) == current->bar) return "bar";
  if (reinterpret_cast<HMENU>(handle) == current->run) return "run";
  return "other";
}

std::string hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", value);
  return text;
}

void record(UINT msg, WPARAM wParam, LPARAM lParam) {
  std::string w = std::to_string(wParam), menu = handleName(static_cast<LPARAM>(wParam));
  std::string line;
  if (msg == WM_ENTERMENULOOP) line = "WM_ENTERMENULOOP " + w;
  if (msg == WM_EXITMENULOOP) line = "WM_EXITMENULOOP " + w;
  if (msg == WM_INITMENU) line = "WM_INITMENU " + menu;
  if (msg == WM_UNINITMENUPOPUP) line = "WM_UNINITMENUPOPUP " + menu;
  if (msg == WM_COMMAND) line = "WM_COMMAND " + w;
  if (msg == WM_INITMENUPOPUP)
    line = "WM_INITMENUPOPUP " + menu + " " + std::to_string(LOWORD(lParam)) + " " +
           std::to_string(HIWORD(lParam));
  if (msg == WM_MENUSELECT)
    line = "WM_MENUSELECT " + std::to_string(LOWORD(wParam)) + " " + hex(HIWORD(wParam)) + " " +
           handleName(lParam);
  if (msg == WM_SYSCOMMAND) {
    line = "WM_SYSCOMMAND " + hex(static_cast<unsigned>(wParam & 0xFFF0));
    if ((wParam & 0xFFF0) == SC_KEYMENU) line += " " + std::to_string(lParam);
  }
  if (!line.empty()) menuMessages().push_back(line);
}

LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  record(msg, wParam, lParam);
  if (msg == WM_ENTERMENULOOP) inMenuLoop = true;
  if (msg == WM_EXITMENULOOP) inMenuLoop = false;
  if (msg == WM_TIMER) {
    if (!inMenuLoop) return 0;
    ++ticksInMenu();
    bool stuck = nextStep == pending.size() && ++ticksAfterSteps == kStuckTicks;
    if (stuck || ticksInMenu() == closingTick) {
      tapKey(VK_ESCAPE);
      tapKey(VK_ESCAPE);
    }
    return 0;
  }
  if (msg == WM_ENTERIDLE && wParam == MSGF_MENU) {
    if (nextStep < pending.size()) pending[nextStep++]();
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* ownerClass() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ownerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "ZtMenuOwner";
    RegisterClassA(&wc);
    return "ZtMenuOwner";
  }();
  return name;
}

void pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void sendMouse(DWORD flags, POINT screen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  // Rounded up, so that the layer and Win32 both land on the pixel itself.
  LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + cx - 1) / cx);
  in.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + cy - 1) / cy);
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

}  // namespace

MenuWindow::MenuWindow() {
  bar = CreateMenu();
  run = CreatePopupMenu();
  AppendMenuA(run, MF_STRING, 1, "&Animate\tCtrl+A");
  AppendMenuA(run, MF_STRING, 2, "&Halt animation\tCtrl+H");
  AppendMenuA(run, MF_STRING, 3, "Advance one &frame\tCtrl+F");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING, 4, "&Logging\tCtrl+L");
  AppendMenuA(run, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(run, MF_STRING, 8, "&Quit\tCtrl+Q");
  AppendMenuA(run, MF_GRAYED, 9, "MAC: nobody");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), "&Run");
  hwnd = CreateWindowExA(0, ownerClass(), "menus", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 30,
                         601, 540, nullptr, bar, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  pump(20);
}

MenuWindow::~MenuWindow() {
  if (IsWindow(hwnd)) DestroyWindow(hwnd);  // destroys its menu bar too
  pump(5);
}

std::vector<std::string>& menuMessages() {
  static std::vector<std::string> list;
  return list;
}

int& ticksInMenu() {
  static int count = 0;
  return count;
}

bool runMenuSteps(const MenuWindow& w, std::vector<Step> steps) {
  pump(5);
  menuMessages().clear();
  ticksInMenu() = 0;
  current = &w;
  pending = std::move(steps);
  nextStep = 0;
  ticksAfterSteps = 0;
  // A steady tick keeps the menu loop waking up, so that it goes idle again.
  SetTimer(w.hwnd, kPaceTimer, kPaceMs, nullptr);
  if (!pending.empty()) pending[nextStep++]();
  bool ended = false;
  for (int i = 0; i < 600 && !ended; ++i) {
    pump(1);
    ended = !inMenuLoop && nextStep == pending.size();
  }
  KillTimer(w.hwnd, kPaceTimer);
  pump(10);
  pending.clear();
  closingTick = 0;
  current = nullptr;
  return ended && ticksAfterSteps < kStuckTicks;
}

void closeMenuAtTick(int tick) { closingTick = tick; }

Step mouseAt(POINT p, DWORD buttons) {
  return [p, buttons] { sendMouse(buttons, p); };
}

Step mouseAtItem(const MenuWindow& w, HMENU menu, UINT position, DWORD buttons) {
  return [&w, menu, position, buttons] { sendMouse(buttons, itemCentre(w, menu, position)); };
}

static void holdKey(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)),
              down ? 0 : KEYEVENTF_KEYUP, 0);
}

void tapKey(BYTE vk) {
  holdKey(vk, true);
  holdKey(vk, false);
}

Step tap(BYTE vk) {
  return [vk] { tapKey(vk); };
}

Step altWith(BYTE vk) {
  return [vk] {
    holdKey(VK_MENU, true);
    tapKey(vk);
    holdKey(VK_MENU, false);
  };
}

RECT itemRect(const MenuWindow& w, HMENU menu, UINT position) {
  RECT r{};
  // A popup's window is found by Win32 itself (hwnd NULL).
  GetMenuItemRect(menu == w.bar ? w.hwnd : nullptr, menu, position, &r);
  return r;
}

POINT itemCentre(const MenuWindow& w, HMENU menu, UINT position) {
  RECT r = itemRect(w, menu, position);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HWND openPopup() {
  HWND popup = FindWindowA("#32768", nullptr);
  return popup && IsWindowVisible(popup) ? popup : nullptr;
}

COLORREF shownColour(const MenuWindow& w, POINT screen) {
  HWND popup = openPopup(), shown = w.hwnd;
  RECT box{};
  if (popup && GetWindowRect(popup, &box) && screen.x >= box.left && screen.x < box.right &&
      screen.y >= box.top && screen.y < box.bottom)
    shown = popup;
  GetWindowRect(shown, &box);
  HDC dc = GetWindowDC(shown);
  COLORREF c = GetPixel(dc, screen.x - box.left, screen.y - box.top);
  ReleaseDC(shown, dc);
  return c;
}

bool showsColour(const MenuWindow& w, RECT screen, COLORREF colour) {
  for (LONG y = screen.top; y < screen.bottom; ++y) {
    for (LONG x = screen.left; x < screen.right; ++x) {
      if (shownColour(w, POINT{x, y}) == colour) return true;
    }
  }
  return false;
}

}  // namespace zt_test
