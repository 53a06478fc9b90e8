// Fuzzes the package as a program runs it: the input is a script file
// followed by a run of posted mouse, key, timer, menu-command and quit
// messages. Each goes through the real wait into the real editor; after each
// event the wait must have returned one of the four kinds and the editor's
// shape list and selection must hang together. After the run no window,
// menu or GDI object is left over.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/editor_state.h"
#include "fuzz_support.h"
#include "package_test_support.h"

namespace {

// Ends the wait for the events of one message: a character that no message
// of the run makes (they are letters and digits only).
constexpr char kSentinel = '~';
// A wait that has not seen the sentinel after this many helper ticks gets
// another (a dialog's own loop may have taken the first).
constexpr int kTicksBeforeRepost = 3;
// Calls of the wait for one message, at most: a played-back script may
// hand out many events before the posted ones.
constexpr int kWaitsPerMessage = 64;

int ticksWaiting = 0;

void postSentinel() {
  postToGraphics(WM_CHAR, static_cast<WPARAM>(kSentinel), 1);
  ticksWaiting = 0;
}

// Answers the line-input dialog (the editor's save and load) and keeps the
// wait from starving.
void CALLBACK helperTick(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND dialog = FindWindowA(nullptr, "ZT738_gets")) {
    SetDlgItemTextA(dialog, IdGetsInput, "drawing.txt");
    PostMessageA(dialog, WM_COMMAND, IdGetsOkay, 0);
  }
  if (++ticksWaiting >= kTicksBeforeRepost) postSentinel();
}

// Once per process: a scratch folder for the script and drawing files (the
// process changes into it, so give the fuzzer absolute paths), the display,
// and the helper timer.
void setUp() {
  static bool done = false;
  if (done) return;
  done = true;
  char folder[] = "/tmp/zt738-package-fuzz-XXXXXX";
  require(mkdtemp(folder) != nullptr && chdir(folder) == 0, "scratch folder");
  sharedDisplay();
  SetTimer(nullptr, 0, 1, helperTick);
  // The first dialog makes the dialog font, which lives as long as the
  // process: made before any count is taken.
  char answer[GETS_CAPACITY] = {};
  ZT738_gets("warm-up", answer);
}

void checkEditor(const EditorState& state) {
  size_t count = 0;
  bool selectedFound = state.shapes->selected == nullptr;
  for (const ShapeNode* node = state.shapes->head; node != nullptr; node = node->next) {
    require(++count < 100000, "the shape list ends");
    require(node->shape != nullptr, "every entry holds a shape");
    require(node->shape->tag == "SQUARE" || node->shape->tag == "CIRCLE", "shape tag");
    selectedFound = selectedFound || node == state.shapes->selected;
  }
  require(selectedFound, "the selection is an entry of the list");
}

// A point of the graphics window's client area, now and then outside it.
LPARAM clientPoint(FuzzInput& in) {
  const int x = in.range(-20, CANVAS_WIDTH + 20);
  const int y = in.range(-20, CANVAS_HEIGHT + 20);
  return MAKELPARAM(x, y);
}

void postMessage(FuzzInput& in) {
  static const char kKeys[] = "AHFLRPOQaz09";
  switch (in.byte() % 6) {
    case 0:
    case 1:
      postToGraphics(WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(in));
      break;
    case 2:
      postToGraphics(WM_CHAR, static_cast<WPARAM>(kKeys[in.byte() % (sizeof kKeys - 1)]), 1);
      break;
    case 3:
      // Ctrl and a letter: the Run menu's shortcuts.
      postToGraphics(WM_KEYDOWN, VK_CONTROL, 1);
      postToGraphics(WM_KEYDOWN, static_cast<WPARAM>(kKeys[in.byte() % 8]), 1);
      postToGraphics(WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC0000001u));
      break;
    case 4:
      postToGraphics(WM_TIMER, TICK_TIMER_ID, 0);
      break;
    default: {
      const uint8_t command = in.byte();
      if (command == 0xFF)
        PostQuitMessage(0);
      else
        postToGraphics(WM_COMMAND, command % 10, 0);
      break;
    }
  }
}

void writeScript(FuzzInput& in) {
  const size_t length = std::min<size_t>(in.byte() * 4u, in.left());
  FILE* file = std::fopen(SCRIPT_FILE_NAME, "wb");
  require(file != nullptr, "script file");
  std::fwrite(in.here(), 1, length, file);
  std::fclose(file);
  in.skip(length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  setUp();
  resetPackage();
  FuzzInput in(data, size);
  writeScript(in);
  const GuiCounts before = guiCounts();
  EditorState state;
  while (!in.empty() && !state.editorDone) {
    postMessage(in);
    postSentinel();
    for (int wait = 0; wait < kWaitsPerMessage && !state.editorDone; ++wait) {
      int x = 0;
      int y = 0;
      char key = 0;
      const EventKind kind = sharedDisplay().nextEvent(&x, &y, &key);
      require(kind == EventMouse || kind == EventKey || kind == EventPeriodic || kind == EventQuit,
              "the wait returns one of the four kinds");
      handleEvent(kind, x, y, state, sharedDisplay());
      checkEditor(state);
      if (kind == EventKey && key == kSentinel) break;
    }
  }
  // Recording and playback end with the run, closing the script file.
  ZT738_close_script();
  resetPackage();
  require(guiCounts() == before, "no window, menu or GDI object is left over");
  return 0;
}
