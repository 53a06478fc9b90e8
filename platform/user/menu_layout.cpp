// Where menu items lie: the bar's items side by side from its left, a
// popup's items one under another, with a check-mark column, the labels and
// one shared column for the text after a tab. Sizes come from the label
// font's text extents. GetMenuItemRect and MenuItemFromPoint answer from here.
#include <algorithm>
#include <string>

#include "menu.h"
#include "window.h"

namespace zt::platform {
namespace {

constexpr int kBarItemPadding = 7;   // each side of a bar label
constexpr int kPopupFrame = 2;       // the popup's frame line and the gap inside it
constexpr int kCheckColumn = 22;     // the check marks' column, before the labels
constexpr int kShortcutGap = 24;     // between the widest label and the shortcut column
constexpr int kRightPadding = 18;    // after the shortcut column
constexpr int kSeparatorHeight = 9;  // a separator's row, its line in the middle
constexpr int kMinItemHeight = 19;

struct Measure {
  HDC dc = CreateCompatibleDC(nullptr);
  Measure() { SelectObject(dc, menuFont()); }
  ~Measure() { DeleteDC(dc); }
  int width(const std::string& text) const {
    SIZE size{};
    std::string s = shownLabel(text);
    GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
    return size.cx;
  }
  int height() const {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight;
  }
};

// The label before the tab and the text after it.
std::pair<std::string, std::string> split(const std::string& text) {
  size_t tab = text.find('\t');
  if (tab == std::string::npos) return {text, ""};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

bool contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

std::string shownLabel(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

HFONT menuFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

MenuLayout barLayout(HMENU bar, int width) {
  MenuLayout layout;
  int height = GetSystemMetrics(SM_CYMENU) - 1;  // the last row is the line under the bar
  layout.size = SIZE{width, height + 1};
  Menu* menu = findMenu(bar);
  if (!menu) return layout;
  Measure measure;
  int x = 0;
  for (const MenuItem& item : menu->items) {
    int w = measure.width(item.text) + 2 * kBarItemPadding;
    layout.items.push_back(RECT{x, 0, x + w, height});
    x += w;
  }
  return layout;
}

MenuLayout popupLayout(HMENU popup) {
  MenuLayout layout;
  Menu* menu = findMenu(popup);
  if (!menu) return layout;
  Measure measure;
  int itemHeight = std::max(kMinItemHeight, measure.height() + 4);
  int labels = 0, shortcuts = 0;
  for (const MenuItem& item : menu->items) {
    auto [label, shortcut] = split(item.text);
    labels = std::max(labels, measure.width(label));
    shortcuts = std::max(shortcuts, measure.width(shortcut));
  }
  layout.labelX = kPopupFrame + kCheckColumn;
  layout.shortcutX = layout.labelX + labels + (shortcuts > 0 ? kShortcutGap : 0);
  int width = layout.shortcutX + shortcuts + kRightPadding + kPopupFrame;
  int y = kPopupFrame;
  for (const MenuItem& item : menu->items) {
    int h = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : itemHeight;
    layout.items.push_back(RECT{kPopupFrame, y, width - kPopupFrame, y + h});
    y += h;
  }
  layout.size = SIZE{width, y + kPopupFrame};
  return layout;
}

RECT barOnScreen(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !w->hasMenuBar()) return RECT{};
  POINT origin = clientOriginOnScreen(*w);
  SIZE size = clientSize(*w);
  return RECT{origin.x, origin.y - GetSystemMetrics(SM_CYMENU), origin.x + size.cx, origin.y};
}

// An item's layout and the screen point its rectangles are relative to;
// false when the menu is neither hwnd's bar nor the open popup (whose window
// is found when hwnd is NULL).
static bool placed(HWND hwnd, HMENU menu, MenuLayout& layout, POINT& origin) {
  Window* w = findWindow(hwnd);
  if (!findMenu(menu) || (hwnd && !w)) return false;
  if (w && w->hasMenuBar() && menu == w->menu) {
    RECT bar = barOnScreen(hwnd);
    layout = barLayout(menu, bar.right - bar.left);
    origin = POINT{bar.left, bar.top};
    return true;
  }
  RECT box;
  if (menu != popupWindowMenu() || !GetWindowRect(popupWindow(), &box)) return false;
  layout = popupLayout(menu);
  origin = POINT{box.left, box.top};
  return true;
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect) {
  MenuLayout layout;
  POINT o;
  if (!rect || !placed(hwnd, menu, layout, o) || position >= layout.items.size()) return FALSE;
  const RECT& r = layout.items[position];
  *rect = RECT{o.x + r.left, o.y + r.top, o.x + r.right, o.y + r.bottom};
  return TRUE;
}

int MenuItemFromPoint(HWND hwnd, HMENU menu, POINT screen) {
  MenuLayout layout;
  POINT o;
  if (!placed(hwnd, menu, layout, o)) return -1;
  POINT local{screen.x - o.x, screen.y - o.y};
  for (size_t i = 0; i < layout.items.size(); ++i) {
    if (contains(layout.items[i], local)) return static_cast<int>(i);
  }
  return -1;
}
