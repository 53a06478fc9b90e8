// Drives menus through injected input, as a person would: the first step
// runs before the menu opens, each later one when the menu loop goes idle
// (WM_ENTERIDLE), and the owner records the menu messages it hears.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32.h"

namespace zt_test {

// The Run menu of the graphics window, on a 601 x 540 window with a caption
// (a 595 x 496 client area), shown and active.
struct MenuWindow {
  HWND hwnd = nullptr;
  HMENU bar = nullptr;
  HMENU run = nullptr;
  MenuWindow();
  ~MenuWindow();
  MenuWindow(const MenuWindow&) = delete;
  MenuWindow& operator=(const MenuWindow&) = delete;
};

// The menu messages heard by the owner, as text: "WM_INITMENUPOPUP run 0",
// "WM_MENUSELECT 4 0x80 run", "WM_COMMAND 4" ... (handles by name).
std::vector<std::string>& menuMessages();
// WM_TIMER messages heard while the menu loop ran.
int& ticksInMenu();

using Step = std::function<void()>;
// Runs the steps (see above) and pumps until the menu loop has ended and
// nothing is pending; false when it did not end within a few seconds (the
// menu is then closed with Escape keys).
bool runMenuSteps(const MenuWindow& w, std::vector<Step> steps);

// Closes the menu (Escape, Escape) at the given WM_TIMER tick of the next run.
void closeMenuAtTick(int tick);

// Steps of injected input: the pointer to a screen point or an item's centre
// (taken when the step runs), with MOUSEEVENTF_* buttons (0: a move); keys.
constexpr DWORD kClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
Step mouseAt(POINT screen, DWORD buttons);
Step mouseAtItem(const MenuWindow& w, HMENU menu, UINT position, DWORD buttons);
Step tap(BYTE vk);
Step altWith(BYTE vk);  // Alt held around a key, released last
void tapKey(BYTE vk);

// Where an item of a menu is on the screen now (GetMenuItemRect), and its centre.
RECT itemRect(const MenuWindow& w, HMENU menu, UINT position);
POINT itemCentre(const MenuWindow& w, HMENU menu, UINT position);
// The open popup menu window (class "#32768"), or NULL.
HWND openPopup();
// The colour of a screen point as a window shows it: the popup's pixels for
// a point inside it, else the owner's window pixels (GetWindowDC).
COLORREF shownColour(const MenuWindow& w, POINT screen);
// Whether some pixel of a screen rectangle shows colour.
bool showsColour(const MenuWindow& w, RECT screen, COLORREF colour);

}  // namespace zt_test
