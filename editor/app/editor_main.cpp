// The shape editor's main routine, called by the package's start-up.
#include "app/editor_state.h"
#include "app/palette.h"

int editorMain() {
  Display display;
  display.clear(COLOUR_WHITE);
  display.setAnimation(Run);
  drawPalette(display);
  EditorState state;
  while (!state.editorDone) {
    int x = 0;
    int y = 0;
    char key = 0;
    const EventKind kind = display.nextEvent(&x, &y, &key);
    handleEvent(kind, x, y, state, display);
  }
  return 0;
}
