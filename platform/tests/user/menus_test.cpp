// Menus as data: items, strings, states and check marks.
#include <gtest/gtest.h>

#include <string>

#include "win32.h"

namespace {

// The Run menu of the graphics window, in miniature.
struct RunMenu {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  RunMenu() {
    AppendMenuA(popup, MF_STRING, 1, "&Animate\tCtrl+A");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING | MF_CHECKED, 4, "&Logging\tCtrl+L");
    AppendMenuA(popup, MF_GRAYED, 9, "MAC: nobody");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Run");
  }
  ~RunMenu() { DestroyMenu(bar); }
};

std::string menuString(HMENU menu, UINT item, UINT flags) {
  char buffer[64] = "?";
  int n = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

}  // namespace

TEST(Menus, ItemsAreCountedAndNamed) {
  RunMenu m;
  EXPECT_EQ(GetMenuItemCount(m.bar), 1);
  EXPECT_EQ(GetMenuItemCount(m.popup), 4);
  EXPECT_EQ(GetSubMenu(m.bar, 0), m.popup);
  EXPECT_EQ(GetSubMenu(m.popup, 0), nullptr);
  EXPECT_EQ(GetMenuItemID(m.popup, 0), 1u);
  EXPECT_EQ(GetMenuItemID(m.popup, 2), 4u);
  EXPECT_EQ(GetMenuItemID(m.bar, 0), UINT(-1));  // a popup
  EXPECT_EQ(GetMenuItemID(m.popup, 9), UINT(-1));
  EXPECT_EQ(menuString(m.bar, 0, MF_BYPOSITION), "&Run");
  EXPECT_EQ(menuString(m.popup, 1, MF_BYPOSITION), "");  // the separator
  // By command, the popups of a bar are searched too.
  EXPECT_EQ(menuString(m.bar, 4, MF_BYCOMMAND), "&Logging\tCtrl+L");
  EXPECT_EQ(menuString(m.popup, 1, MF_BYCOMMAND), "&Animate\tCtrl+A");
  EXPECT_EQ(menuString(m.popup, 77, MF_BYCOMMAND), "");
}

TEST(Menus, StringsAreTruncatedToTheBuffer) {
  RunMenu m;
  char small[5];
  EXPECT_EQ(GetMenuStringA(m.popup, 1, small, sizeof small, MF_BYCOMMAND), 4);
  // Wine leaves the last byte unterminated here; both agree on the first four.
  EXPECT_EQ(std::string(small, 4), "&Ani");
}

TEST(Menus, CheckMenuItemReturnsThePreviousState) {
  RunMenu m;
  EXPECT_EQ(GetMenuState(m.popup, 4, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(m.popup, 4, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_CHECKED));
  EXPECT_EQ(GetMenuState(m.popup, 4, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(CheckMenuItem(m.popup, 4, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_UNCHECKED));
  // Through the bar, by command.
  EXPECT_EQ(CheckMenuItem(m.bar, 1, MF_BYCOMMAND | MF_CHECKED), DWORD(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(m.popup, 0, MF_BYPOSITION) & MF_CHECKED, UINT(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(m.popup, 77, MF_BYCOMMAND | MF_CHECKED), DWORD(-1));
  EXPECT_EQ(CheckMenuItem(m.popup, 10, MF_BYPOSITION | MF_CHECKED), DWORD(-1));
}

TEST(Menus, StatesShowGreyedSeparatorAndPopup) {
  RunMenu m;
  EXPECT_EQ(GetMenuState(m.popup, 9, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
  // A separator reads as greyed and disabled too.
  EXPECT_EQ(GetMenuState(m.popup, 1, MF_BYPOSITION), UINT(MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
  EXPECT_EQ(GetMenuState(m.popup, 0, MF_BYPOSITION), UINT(MF_STRING));
  UINT popupState = GetMenuState(m.bar, 0, MF_BYPOSITION);
  EXPECT_EQ(popupState & MF_POPUP, UINT(MF_POPUP));
  EXPECT_EQ(popupState >> 8, 4u);  // the popup's item count
  EXPECT_EQ(GetMenuState(m.popup, 77, MF_BYCOMMAND), UINT(-1));
}

TEST(Menus, DestroyedMenusAreRejected) {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 1, "x");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "P");
  EXPECT_TRUE(DestroyMenu(bar));
  // Destroying the bar destroyed its popup too.
  EXPECT_EQ(GetMenuItemCount(popup), -1);
  EXPECT_EQ(GetMenuItemCount(bar), -1);
  EXPECT_FALSE(AppendMenuA(bar, MF_STRING, 2, "y"));
  EXPECT_EQ(CheckMenuItem(popup, 1, MF_BYCOMMAND | MF_CHECKED), DWORD(-1));
}
