// Menus as data: creating, filling, querying, check marks, enabling, destroying.
// Items are found by position (MF_BYPOSITION) or by command identifier
// (MF_BYCOMMAND, the default), which also searches the popups, depth first.
#include "menu.h"

#include <algorithm>
#include <cstring>

#include "handles.h"

namespace zt::platform {
namespace {

// Popups nested deeper than this are not searched (and cannot be built).
constexpr int kMaxDepth = 32;

HMENU newMenu(bool popup) {
  auto* menu = new Menu;
  menu->popup = popup;
  return makeHandle<HMENU>(HandleKind::Menu, menu);
}

MenuItem* findByCommand(Menu* menu, UINT id, int depth) {
  if (!menu || depth > kMaxDepth) return nullptr;
  for (MenuItem& item : menu->items) {
    if (item.flags & MF_POPUP) {
      if (MenuItem* found = findByCommand(findMenu(item.submenu), id, depth + 1)) return found;
    } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

MenuItem* findItem(HMENU handle, UINT item, UINT flags) {
  Menu* menu = findMenu(handle);
  if (!menu) return nullptr;
  if (flags & MF_BYPOSITION) return item < menu->items.size() ? &menu->items[item] : nullptr;
  return findByCommand(menu, item, 0);
}

// Whether target is menu or is reachable through menu's popups.
bool reaches(HMENU menu, HMENU target, int depth) {
  if (menu == target) return true;
  Menu* m = findMenu(menu);
  if (!m || depth > kMaxDepth) return depth > kMaxDepth;  // too deep counts as a cycle
  return std::any_of(m->items.begin(), m->items.end(), [&](const MenuItem& item) {
    return (item.flags & MF_POPUP) && reaches(item.submenu, target, depth + 1);
  });
}

void destroyMenu(HMENU handle, int depth) {
  Menu* menu = findMenu(handle);
  if (!menu || depth > kMaxDepth) return;
  releaseHandle(handle, HandleKind::Menu);
  for (MenuItem& item : menu->items) {
    if (item.flags & MF_POPUP) destroyMenu(item.submenu, depth + 1);
  }
  delete menu;
}

}  // namespace

Menu* findMenu(HMENU menu) { return menu ? fromHandle<Menu>(menu, HandleKind::Menu) : nullptr; }

bool choosable(const MenuItem& item) {
  return !(item.flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED));
}

UINT itemState(const MenuItem& item) {
  UINT state = item.flags;
  if (state & MF_SEPARATOR) state |= MF_GRAYED | MF_DISABLED;
  return state;
}

}  // namespace zt::platform

using namespace zt::platform;

HMENU CreateMenu(void) { return newMenu(false); }

HMENU CreatePopupMenu(void) { return newMenu(true); }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  Menu* m = findMenu(menu);
  if (!m) return FALSE;
  MenuItem item;
  item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR);
  item.id = idOrPopup;
  if (flags & MF_POPUP) {
    item.submenu = reinterpret_cast<HMENU>(idOrPopup);
    // A popup must exist and must not contain the menu it is added to.
    if (!findMenu(item.submenu) || reaches(item.submenu, menu, 0)) return FALSE;
  }
  if (!(flags & MF_SEPARATOR) && text) item.text = text;
  m->items.push_back(std::move(item));
  return TRUE;
}

int GetMenuItemCount(HMENU menu) {
  Menu* m = findMenu(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  Menu* m = findMenu(menu);
  if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size()) return UINT(-1);
  const MenuItem& item = m->items[static_cast<size_t>(position)];
  return (item.flags & MF_POPUP) ? UINT(-1) : static_cast<UINT>(item.id);
}

HMENU GetSubMenu(HMENU menu, int position) {
  Menu* m = findMenu(menu);
  if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size()) return nullptr;
  const MenuItem& item = m->items[static_cast<size_t>(position)];
  return (item.flags & MF_POPUP) && findMenu(item.submenu) ? item.submenu : nullptr;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
  MenuItem* found = findItem(menu, item, flags);
  if (!found) return 0;
  int length = static_cast<int>(found->text.size());
  if (!buffer || size <= 0) return length;  // only the length was asked for
  int copied = std::min(length, size - 1);
  std::memcpy(buffer, found->text.data(), static_cast<size_t>(copied));
  buffer[copied] = '\0';
  return copied;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = findItem(menu, item, flags);
  if (!found) return UINT(-1);
  // Separators read as greyed and disabled, as under Wine.
  UINT state = itemState(*found);
  if (state & MF_POPUP) {
    // A popup's state carries the number of its items in the high byte.
    Menu* sub = findMenu(found->submenu);
    UINT count = sub ? static_cast<UINT>(std::min<size_t>(sub->items.size(), 0xFF)) : 0;
    state = (count << 8) | (state & 0xFF);
  }
  return state;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = findItem(menu, item, flags);
  if (!found) return DWORD(-1);
  DWORD previous = (found->flags & MF_CHECKED) ? MF_CHECKED : MF_UNCHECKED;
  if (flags & MF_CHECKED) {
    found->flags |= MF_CHECKED;
  } else {
    found->flags &= ~static_cast<UINT>(MF_CHECKED);
  }
  return previous;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = findItem(menu, item, flags);
  if (!found) return UINT(-1);
  constexpr UINT kEnabling = MF_GRAYED | MF_DISABLED;
  UINT previous = found->flags & kEnabling;
  found->flags = (found->flags & ~kEnabling) | (flags & kEnabling);
  return previous;
}

BOOL DestroyMenu(HMENU menu) {
  if (!findMenu(menu)) return FALSE;
  destroyMenu(menu, 0);
  return TRUE;
}
