// Script recording and playback, first version: no script file is ever
// opened, playback gives no events and recording writes nothing.
#include "package.h"

FILE* scriptFile = nullptr;

void ZT738_record_event(int, int, int, char) {}

int ZT738_play_event() { return 0; }

void ZT738_close_script() {}

void ZT738_playback_stopped() {
  playingBack = false;
  playOneRequested = false;
  if (runMenu != nullptr) CheckMenuItem(runMenu, CmdPlaybackScript, MF_BYCOMMAND | MF_UNCHECKED);
}
