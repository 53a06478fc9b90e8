// The state of the modal menu loop, shared by its pointer and key handling.
#pragma once

#include "menu.h"

namespace zt::platform {

struct Tracking {
  HWND owner = nullptr;
  HMENU bar = nullptr;    // the owner's menu bar; nullptr for TrackPopupMenu
  HMENU popup = nullptr;  // the open popup, or nullptr
  UINT flags = 0;         // TPM_*
  bool ended = false;
  UINT chosen = 0;              // the chosen command, 0 for none
  bool closeOnRelease = false;  // a press on the open bar item closes on release
};

// Highlights an item (-1: none) of the bar or the open popup and says so
// with WM_MENUSELECT; the menu is repainted.
void selectItem(Tracking& t, HMENU menu, int position);
// Opens the popup of a bar item under it (WM_INITMENUPOPUP first), with its
// first item highlighted when selectFirst.
void openBarPopup(Tracking& t, int position, bool selectFirst);
// Closes the open popup (WM_UNINITMENUPOPUP).
void closePopup(Tracking& t);
// Chooses an item: its WM_COMMAND is posted (unless TPM_RETURNCMD) and the
// loop ends. Items that cannot be chosen are left alone.
void chooseItem(Tracking& t, HMENU menu, int position);
// The next item from position in steps of step (+1, -1), wrapping and
// skipping separators; -1 when there is none.
int nextItem(HMENU menu, int position, int step);

// Pointer and key messages taken from the queue while tracking.
void trackPointer(Tracking& t, const MSG& msg);
void trackKey(Tracking& t, const MSG& msg);
// The item whose mnemonic is ch (either case), or -1.
int mnemonicItem(HMENU menu, int ch);

}  // namespace zt::platform
