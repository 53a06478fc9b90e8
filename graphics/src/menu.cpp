// The Run menu, its commands and their Ctrl+letter shortcuts.
#include "package.h"
#include "script.h"

namespace zt::package {

namespace {

void check(int command, bool on) {
  CheckMenuItem(runMenu, static_cast<UINT>(command),
                MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void toggleLogging() {
  logging = !logging;
  check(CmdLogging, logging);
}

}  // namespace

void ZT738_build_menu(HWND window) {
  HMENU bar = CreateMenu();
  runMenu = CreatePopupMenu();
  AppendMenuA(runMenu, MF_STRING, CmdAnimate, "&Animate\tCtrl+A");
  AppendMenuA(runMenu, MF_STRING, CmdHalt, "&Halt animation\tCtrl+H");
  AppendMenuA(runMenu, MF_STRING, CmdAdvanceFrame, "Advance one &frame\tCtrl+F");
  AppendMenuA(runMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(runMenu, MF_STRING | MF_CHECKED, CmdLogging, "&Logging\tCtrl+L");
  AppendMenuA(runMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(runMenu, MF_STRING, CmdRecordScript, "&Record Script\tCtrl+R");
  AppendMenuA(runMenu, MF_STRING, CmdPlaybackScript, "&Playback Script\tCtrl+P");
  AppendMenuA(runMenu, MF_STRING, CmdPlayOne, "Play &One Script\tCtrl+O");
  AppendMenuA(runMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(runMenu, MF_STRING, CmdQuit, "&Quit\tCtrl+Q");
  AppendMenuA(runMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(runMenu, MF_GRAYED, CmdAbout, "ZT738 graphics package " ZT738_VERSION);
  AppendMenuA(runMenu, MF_GRAYED, CmdAbout, "MAC: see README.md (no macOS build)");
  AppendMenuA(runMenu, MF_GRAYED, CmdAbout,
              "WINDOWS: build/windows/editor/zt738_editor.exe, see README.md");
  AppendMenuA(runMenu, MF_GRAYED, CmdAbout, "UPDATES: the project's issue tracker");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(runMenu), "&Run");
  SetMenu(window, bar);
  DrawMenuBar(window);
}

void ZT738_menu_command(WPARAM command) {
  switch (command) {
    case CmdAnimate:
      animating = true;
      break;
    case CmdHalt:
      animating = false;
      break;
    case CmdAdvanceFrame:
      animating = false;
      oneFrameRequested = true;
      break;
    case CmdLogging:
      toggleLogging();
      break;
    case CmdRecordScript:
      ZT738_toggle_recording();
      break;
    case CmdPlaybackScript:
      ZT738_toggle_playback();
      break;
    case CmdPlayOne:
      ZT738_request_play_one();
      break;
    case CmdQuit:
      PostQuitMessage(0);
      break;
    default:
      break;  // the grey lines and unknown identifiers do nothing
  }
}

// key is a virtual-key code: a letter key has its upper-case letter code
// whether or not Shift is held, so this serves both cases. The lower-case
// codes are other keys (numeric keypad, F1 to F3) and are not shortcuts.
void ZT738_shortcut_key(WPARAM key) {
  switch (key) {
    case 'A':
      ZT738_menu_command(CmdAnimate);
      break;
    case 'H':
      ZT738_menu_command(CmdHalt);
      break;
    case 'F':
      ZT738_menu_command(CmdAdvanceFrame);
      break;
    case 'L':
      ZT738_menu_command(CmdLogging);
      break;
    case 'R':
      ZT738_menu_command(CmdRecordScript);
      break;
    case 'P':
      ZT738_menu_command(CmdPlaybackScript);
      break;
    case 'O':
      ZT738_menu_command(CmdPlayOne);
      break;
    case 'Q':
      ZT738_menu_command(CmdQuit);
      break;
    default:
      break;
  }
}

}  // namespace zt::package
