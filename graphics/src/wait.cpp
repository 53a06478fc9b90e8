// The message pump and the wait for the next event.
#include "package.h"
#include "replay_hooks.h"

void ZT738_copy_canvas(HDC target) {
  BitBlt(target, 0, 0, CANVAS_WIDTH, CANVAS_HEIGHT, canvas, 0, 0, SRCCOPY);
  canvasDirty = false;
}

bool ZT738_pump() {
  MSG message = {};
  const bool took = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0;
  if (took && message.message == WM_QUIT) {
    pendingKind = EventQuit;
    return true;
  }
  if (took) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (canvasDirty) ZT738_copy_canvas(windowDC);
  return took;
}

namespace {

// The wait is over once an event is pending, unless it is a periodic event
// still waiting for its tick.
bool eventReady() { return pendingKind != -1 && !(pendingKind == EventPeriodic && !tickArrived); }

// Hands the finished event to the script recorder: periodic events are
// counted into a run, any other event first writes the run and then itself.
void recordEvent() {
  if (pendingKind == EventPeriodic) {
    ++periodicCount;
    return;
  }
  if (periodicCount > 0) {
    ZT738_record_event(EventPeriodic, 0, 0, 0);
    periodicCount = 0;
  }
  if (pendingKind != EventQuit) ZT738_record_event(pendingKind, pendingX, pendingY, pendingKey);
}

}  // namespace

int ZT738_next_event(int* x, int* y, char* key) {
  pendingKind = -1;
  pendingKey = 0;
  pendingY = 0;
  pendingX = 0;

  while (!eventReady()) {
    const bool took = ZT738_pump();
    if (pendingKind == EventQuit) break;
    if (playOneRequested || playingBack) {
      playOneRequested = false;
      if (ZT738_play_event() == 1) break;
      playOneRequested = false;
      playingBack = false;
      ZT738_replay_playback_ended();
    }
    if ((animating || oneFrameRequested) && pendingKind == -1) {
      pendingKind = EventPeriodic;
      tickArrived = false;
      oneFrameRequested = false;
      playOneRequested = false;
      continue;
    }
    // Nothing to do until the window system has something for us: sleep
    // until a message is posted or the tick timer falls due.
    if (!took && !canvasDirty && !playingBack && !playOneRequested && !eventReady()) WaitMessage();
  }

  if (recording) recordEvent();

  if (x != nullptr) *x = pendingX;
  if (y != nullptr) *y = pendingY;
  if (key != nullptr) *key = pendingKey;
  return quitRequested ? static_cast<int>(EventQuit) : pendingKind;
}
