// Painting menus in the menu colours: the bar into the top of a window's
// non-client area, a popup into its window. Labels show their "&" mnemonic
// underlined; the highlighted item takes the highlight colours, greyed items
// the grey text colour; a popup draws check marks in its first column, the
// text after a tab in its shortcut column and separators as an etched line.
#include <algorithm>
#include <string>

#include "driver.h"
#include "hooks.h"
#include "menu.h"
#include "window.h"

namespace zt::platform {
namespace {

void fill(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// Draws a label at (x, y), "&&" as "&" and the mnemonic underlined.
void drawLabel(HDC dc, int x, int y, const std::string& text) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  for (size_t i = 0; i < text.size(); ++i) {
    bool mnemonic = false;
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      mnemonic = text[i] != '&';
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, &text[i], 1, &size);
    TextOutA(dc, x, y, &text[i], 1);
    if (mnemonic)
      fill(dc, RECT{x, y + tm.tmAscent + 1, x + size.cx, y + tm.tmAscent + 2}, GetTextColor(dc));
    x += size.cx;
  }
}

// A check mark centred at (cx, cy), two pixels thick.
void drawCheck(HDC dc, int cx, int cy, COLORREF colour) {
  for (int i = 0; i < 7; ++i) {
    int x = cx - 3 + i;
    int y = i < 3 ? cy - 1 + i : cy + 1 - (i - 2);  // down three, then up four
    fill(dc, RECT{x, y, x + 1, y + 2}, colour);
  }
}

COLORREF textColour(const MenuItem& item, bool highlighted) {
  if (item.flags & (MF_GRAYED | MF_DISABLED)) return GetSysColor(COLOR_GRAYTEXT);
  return GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
}

// The vertical position of a text line centred in r.
int textTop(HDC dc, const RECT& r) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return r.top + (r.bottom - r.top - tm.tmHeight) / 2;
}

}  // namespace

void paintMenuBar(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !w->hasMenuBar()) return;
  RECT inset = nonClientInsets(*w);
  SIZE client = clientSize(*w);
  POINT at{inset.left, inset.top - GetSystemMetrics(SM_CYMENU)};
  MenuLayout layout = barLayout(w->menu, client.cx);
  Menu* menu = findMenu(w->menu);
  HDC dc = createNonClientDC(hwnd);
  if (!dc || !menu) return deleteWindowDC(dc);
  fill(dc, RECT{at.x, at.y, at.x + client.cx, at.y + layout.size.cy - 1}, GetSysColor(COLOR_MENU));
  fill(dc, RECT{at.x, at.y + layout.size.cy - 1, at.x + client.cx, at.y + layout.size.cy},
       GetSysColor(COLOR_3DFACE));
  SelectObject(dc, menuFont());
  SetBkMode(dc, TRANSPARENT);
  for (size_t i = 0; i < menu->items.size() && i < layout.items.size(); ++i) {
    const MenuItem& item = menu->items[i];
    RECT r = layout.items[i];
    r = RECT{r.left + at.x, r.top + at.y, r.right + at.x, r.bottom + at.y};
    bool highlighted = menu->selected == static_cast<int>(i);
    if (highlighted) fill(dc, r, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, textColour(item, highlighted));
    std::string shown = shownLabel(item.text);
    SIZE size{};
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    drawLabel(dc, r.left + (r.right - r.left - size.cx) / 2, textTop(dc, r), item.text);
  }
  deleteWindowDC(dc);
  nonClientStripChanged(hwnd);
}

void ensureMenuBarPainted(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !w->hasMenuBar()) return;
  SIZE size = nonClientTopSize(*w);
  if (w->strip.width != size.cx || w->strip.height != size.cy) paintMenuBar(hwnd);
}

void paintPopup(HDC dc, HMENU popup) {
  Menu* menu = findMenu(popup);
  if (!menu) return;
  MenuLayout layout = popupLayout(popup);
  RECT all{0, 0, layout.size.cx, layout.size.cy};
  fill(dc, all, GetSysColor(COLOR_MENU));
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_3DSHADOW));
  for (RECT edge : {RECT{0, 0, all.right, 1}, RECT{0, all.bottom - 1, all.right, all.bottom},
                    RECT{0, 0, 1, all.bottom}, RECT{all.right - 1, 0, all.right, all.bottom}})
    FillRect(dc, &edge, frame);
  DeleteObject(frame);
  SelectObject(dc, menuFont());
  SetBkMode(dc, TRANSPARENT);
  for (size_t i = 0; i < menu->items.size() && i < layout.items.size(); ++i) {
    const MenuItem& item = menu->items[i];
    const RECT& r = layout.items[i];
    if (item.flags & MF_SEPARATOR) {
      int mid = (r.top + r.bottom) / 2;
      fill(dc, RECT{r.left + 1, mid - 1, r.right - 1, mid}, GetSysColor(COLOR_3DSHADOW));
      fill(dc, RECT{r.left + 1, mid, r.right - 1, mid + 1}, GetSysColor(COLOR_3DHILIGHT));
      continue;
    }
    bool highlighted = menu->selected == static_cast<int>(i);
    if (highlighted) fill(dc, r, GetSysColor(COLOR_HIGHLIGHT));
    COLORREF colour = textColour(item, highlighted);
    SetTextColor(dc, colour);
    if (item.flags & MF_CHECKED)
      drawCheck(dc, (r.left + layout.labelX) / 2, (r.top + r.bottom) / 2, colour);
    std::string label = item.text, shortcut;
    if (size_t tab = label.find('\t'); tab != std::string::npos) {
      shortcut = label.substr(tab + 1);
      label.resize(tab);
    }
    int y = textTop(dc, r);
    drawLabel(dc, layout.labelX, y, label);
    drawLabel(dc, layout.shortcutX, y, shortcut);
  }
}

}  // namespace zt::platform
