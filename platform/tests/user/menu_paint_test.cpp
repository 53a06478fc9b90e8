// What an open menu shows, read back from its windows' pixels: check marks,
// greyed and highlighted items, the bar in the menu colours.
#include <gtest/gtest.h>

#include <cstdio>

#include "menu_harness.h"

using namespace zt_test;

namespace {

constexpr UINT kAnimate = 0, kLogging = 4, kGrey = 7;

std::string rgb(COLORREF c) {
  char text[32];
  std::snprintf(text, sizeof text, "rgb(%u, %u, %u)", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

// The check-mark column of an item: the first pixels of its row.
RECT checkColumn(RECT item) {
  return RECT{item.left + 1, item.top + 1, item.left + 1 + GetSystemMetrics(SM_CXMENUCHECK),
              item.bottom - 1};
}

// Whether some pixel of a screen rectangle is neither the menu's background
// nor its normal text: greyed text (Win32 may emboss it in two greys).
bool showsOtherText(const MenuWindow& w, RECT screen) {
  for (LONG y = screen.top; y < screen.bottom; ++y) {
    for (LONG x = screen.left; x < screen.right; ++x) {
      COLORREF c = shownColour(w, POINT{x, y});
      if (c != GetSysColor(COLOR_MENU) && c != GetSysColor(COLOR_MENUTEXT) &&
          c != GetSysColor(COLOR_HIGHLIGHT))
        return true;
    }
  }
  return false;
}

struct Seen {
  bool checkShown = false;
  bool greyText = false;  // the greyed line shows text, none in the normal colour
  bool greyAsPlain = false;
  bool plainText = false;
  COLORREF highlighted = CLR_INVALID;
};

// Opens Run with Alt+R (Animate highlighted) and looks at the popup.
Seen lookAtRunMenu(const MenuWindow& w) {
  Seen seen;
  COLORREF text = GetSysColor(COLOR_MENUTEXT);
  auto look = [&] {
    RECT logging = itemRect(w, w.run, kLogging), grey = itemRect(w, w.run, kGrey);
    RECT animate = itemRect(w, w.run, kAnimate);
    seen.checkShown = showsColour(w, checkColumn(logging), text);
    seen.plainText = showsColour(w, logging, text);
    seen.greyText = showsOtherText(w, grey);
    seen.greyAsPlain = showsColour(w, grey, text);
    seen.highlighted = shownColour(w, POINT{animate.right - 3, (animate.top + animate.bottom) / 2});
    tapKey(VK_ESCAPE);
  };
  bool done = runMenuSteps(w, {altWith('R'), look, tap(VK_ESCAPE)});
  EXPECT_TRUE(done);
  return seen;
}

}  // namespace

TEST(MenuPainting, ACheckMarkIsPaintedAndGoneAfterUnchecking) {
  MenuWindow w;
  CheckMenuItem(w.run, 4, MF_BYCOMMAND | MF_CHECKED);
  EXPECT_TRUE(lookAtRunMenu(w).checkShown)
      << "checked: no " << rgb(GetSysColor(COLOR_MENUTEXT)) << " pixel in Logging's check column";
  CheckMenuItem(w.run, 4, MF_BYCOMMAND | MF_UNCHECKED);
  EXPECT_FALSE(lookAtRunMenu(w).checkShown) << "unchecked: a check mark is still painted";
}

TEST(MenuPainting, GreyedAndHighlightedItemsTakeTheirColours) {
  MenuWindow w;
  Seen seen = lookAtRunMenu(w);
  EXPECT_TRUE(seen.plainText) << "no " << rgb(GetSysColor(COLOR_MENUTEXT)) << " text in Logging";
  EXPECT_TRUE(seen.greyText) << "no greyed text in the grey line";
  EXPECT_FALSE(seen.greyAsPlain) << "the grey line has text in the normal colour";
  EXPECT_EQ(seen.highlighted, GetSysColor(COLOR_HIGHLIGHT))
      << "highlighted Animate: expected " << rgb(GetSysColor(COLOR_HIGHLIGHT)) << ", actual "
      << rgb(seen.highlighted);
}

TEST(MenuPainting, TheBarShowsItsLabelInTheMenuColours) {
  MenuWindow w;
  RECT run = itemRect(w, w.bar, 0);
  POINT beside{run.right + 20, (run.top + run.bottom) / 2};
  EXPECT_EQ(shownColour(w, beside), GetSysColor(COLOR_MENU))
      << "beside Run: expected " << rgb(GetSysColor(COLOR_MENU)) << ", actual "
      << rgb(shownColour(w, beside));
  EXPECT_TRUE(showsColour(w, run, GetSysColor(COLOR_MENUTEXT))) << "no label text in Run";
  // The bar and the client area agree with Win32's metrics for the graphics window.
  RECT client{};
  GetClientRect(w.hwnd, &client);
  EXPECT_EQ(client.right, 595);
  EXPECT_EQ(client.bottom, 496);
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
}

TEST(MenuPainting, EnableMenuItemGreysAnItemSoThatItIsNotChosen) {
  MenuWindow w;
  EXPECT_EQ(EnableMenuItem(w.run, 8, MF_BYCOMMAND | MF_GRAYED), UINT(MF_ENABLED));
  EXPECT_EQ(GetMenuState(w.run, 8, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
  ASSERT_TRUE(runMenuSteps(w, {altWith('R'), tap('Q')}));  // the greyed Quit's mnemonic
  for (const std::string& line : menuMessages()) EXPECT_NE(line, "WM_COMMAND 8");
  EXPECT_EQ(EnableMenuItem(w.run, 8, MF_BYCOMMAND | MF_ENABLED), UINT(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(w.run, 77, MF_BYCOMMAND | MF_ENABLED), UINT(-1));
}
