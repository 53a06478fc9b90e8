// Keys while a menu is tracked: Down and Up move through the open popup's
// items (skipping separators, wrapping) or open the highlighted bar item's
// popup; Home and End go to the first and last item; Left and Right move
// along the bar, reopening the popup if one was open; Enter or Space
// chooses the highlighted item (or opens a bar item's popup); Escape closes
// the popup, or the menu when only the bar is highlighted; Alt or F10 ends
// the menu (a new press of it, not one held since before); a letter chooses the item it is the
// mnemonic of. Other keys go through TranslateMessage, which gives the characters above.
#include <cctype>

#include "menu_tracking.h"

namespace zt::platform {
namespace {

// The menu the keys act on: the open popup, else the bar.
HMENU current(const Tracking& t) { return t.popup ? t.popup : t.bar; }

int selectedIn(HMENU handle) {
  Menu* menu = findMenu(handle);
  return menu ? menu->selected : -1;
}

// Enter, Space or a mnemonic on the highlighted item of the current menu.
void activate(Tracking& t) {
  HMENU menu = current(t);
  int position = selectedIn(menu);
  if (menu == t.bar && !t.popup) {
    openBarPopup(t, position, true);
    return;
  }
  Menu* m = findMenu(menu);
  if (!m || position < 0) return;
  chooseItem(t, menu, position);
  t.ended = true;  // an item that cannot be chosen closes the menu without a command
}

void alongBar(Tracking& t, int step) {
  if (!t.bar) return;
  bool reopen = t.popup != nullptr;
  int position = nextItem(t.bar, selectedIn(t.bar), step);
  if (position < 0) return;
  if (reopen) {
    closePopup(t);
    openBarPopup(t, position, true);
  } else {
    selectItem(t, t.bar, position);
  }
}

void keyDown(Tracking& t, const MSG& msg) {
  HMENU menu = current(t);
  switch (msg.wParam) {
    case VK_MENU:
    case VK_F10:
      // A new press ends the menu; a key held since before does not.
      if (!(HIWORD(msg.lParam) & KF_REPEAT)) t.ended = true;
      break;
    case VK_HOME:
      selectItem(t, menu, nextItem(menu, -1, 1));
      break;
    case VK_END:
      if (Menu* m = findMenu(menu))
        selectItem(t, menu, nextItem(menu, static_cast<int>(m->items.size()), -1));
      break;
    case VK_DOWN:
    case VK_UP:
      if (menu == t.bar) {
        openBarPopup(t, selectedIn(t.bar), true);
      } else {
        selectItem(t, menu, nextItem(menu, selectedIn(menu), msg.wParam == VK_DOWN ? 1 : -1));
      }
      break;
    case VK_LEFT:
    case VK_RIGHT:
      alongBar(t, msg.wParam == VK_RIGHT ? 1 : -1);
      break;
    case VK_ESCAPE:
      if (t.popup && t.bar) {
        closePopup(t);
      } else {
        t.ended = true;
      }
      break;
    default:
      TranslateMessage(&msg);
      break;
  }
}

void character(Tracking& t, int ch) {
  if (ch == '\r' || ch == ' ') return activate(t);
  if (ch < ' ') return;
  HMENU menu = current(t);
  int position = mnemonicItem(menu, ch);
  if (position < 0) return;  // no such mnemonic: the menu stays as it is
  if (menu == t.bar) {
    openBarPopup(t, position, true);
    return;
  }
  selectItem(t, menu, position);
  activate(t);
}

}  // namespace

int mnemonicItem(HMENU handle, int ch) {
  Menu* menu = findMenu(handle);
  if (!menu) return -1;
  int wanted = std::toupper(static_cast<unsigned char>(ch));
  for (size_t i = 0; i < menu->items.size(); ++i) {
    const std::string& text = menu->items[i].text;
    for (size_t k = 0; k + 1 < text.size(); ++k) {
      if (text[k] != '&') continue;
      if (text[k + 1] == '&') {
        ++k;
        continue;
      }
      if (std::toupper(static_cast<unsigned char>(text[k + 1])) == wanted)
        return static_cast<int>(i);
      break;
    }
  }
  return -1;
}

void trackKey(Tracking& t, const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      keyDown(t, msg);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      character(t, static_cast<int>(msg.wParam & 0xFF));
      break;
    default:
      break;  // releases are taken and dropped
  }
}

}  // namespace zt::platform
