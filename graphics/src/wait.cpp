// The message pump and the wait for the next event.
#include "package.h"
#include "replay_hooks.h"

namespace zt::package {

void ZT738_copy_canvas(HDC target) {
  BitBlt(target, 0, 0, CANVAS_WIDTH, CANVAS_HEIGHT, canvas, 0, 0, SRCCOPY);
  canvasDirty = false;
}

bool ZT738_pump() {
  MSG message = {};
  const bool took = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0;
  if (took && message.message == WM_QUIT) {
    pending = PendingEvent{EventQuit};
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

bool isPending(int kind) { return pending && pending->kind == kind; }

// The wait is over once an event is pending, unless it is a periodic event
// still waiting for its tick.
bool eventReady() { return pending && !(isPending(EventPeriodic) && !tickArrived); }

// Hands the finished event to the script recorder: periodic events are
// counted into a run, any other event first writes the run and then itself.
void recordEvent(const PendingEvent& event) {
  if (event.kind == EventPeriodic) {
    ++periodicCount;
    return;
  }
  if (periodicCount > 0) {
    ZT738_record_event(EventPeriodic, 0, 0, 0);
    periodicCount = 0;
  }
  if (event.kind != EventQuit) ZT738_record_event(event.kind, event.x, event.y, event.key);
}

}  // namespace

int ZT738_next_event(int* x, int* y, char* key) {
  pending.reset();

  while (!eventReady()) {
    const bool took = ZT738_pump();
    if (isPending(EventQuit)) break;
    if (playOneRequested || playingBack) {
      playOneRequested = false;
      if (ZT738_play_event() == 1) break;
      playOneRequested = false;
      playingBack = false;
      ZT738_replay_playback_ended();
    }
    if ((animating || oneFrameRequested) && !pending) {
      pending = PendingEvent{EventPeriodic};
      tickArrived = false;
      oneFrameRequested = false;
      playOneRequested = false;
      continue;
    }
    // Nothing to do until the window system has something for us: sleep
    // until a message is posted or the tick timer falls due.
    if (!took && !canvasDirty && !playingBack && !playOneRequested && !eventReady()) WaitMessage();
  }

  // The loop ends with an event pending (playback puts one there before it
  // breaks out).
  const PendingEvent event = pending.value_or(PendingEvent{});
  if (recording) recordEvent(event);

  if (x != nullptr) *x = event.x;
  if (y != nullptr) *y = event.y;
  if (key != nullptr) *key = event.key;
  return quitRequested ? static_cast<int>(EventQuit) : event.kind;
}

}  // namespace zt::package
