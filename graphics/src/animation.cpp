// The tick timer and the program's two setters.
#include "package.h"

namespace zt::package {

namespace {

// The setters act only while the graphics window exists.
bool graphicsWindowExists() { return graphicsWindow != nullptr && IsWindow(graphicsWindow); }

}  // namespace

void ZT738_timer_tick() { tickArrived = true; }

int ZT738_set_animation(int code) {
  if (!graphicsWindowExists()) return 0;
  switch (code) {
    case 0:
      animating = false;
      oneFrameRequested = false;
      break;
    case 1:
      oneFrameRequested = true;
      break;
    case 2:
      animating = true;
      break;
    case 5:
      quitRequested = true;
      break;
    default:
      break;  // accepted, nothing to do
  }
  return 1;
}

int ZT738_set_logging(int on) {
  if (!graphicsWindowExists()) return 0;
  logging = on != 0;
  CheckMenuItem(runMenu, CmdLogging, MF_BYCOMMAND | (logging ? MF_CHECKED : MF_UNCHECKED));
  if (logging) ZT738_show_text_window(1);
  return 1;
}

}  // namespace zt::package
