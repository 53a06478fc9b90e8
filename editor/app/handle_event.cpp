#include "app/click_handlers.h"
#include "app/editor_state.h"
#include "app/palette.h"

void handleEvent(EventKind kind, int x, int y, EditorState& state, Display& display) {
  if (kind == EventMouse) {
    if (isOutsidePalette(x, y) == 0) {
      handlePaletteClick(x, y, state.currentTool, state.firstPointPending, state.shapes, display,
                         state.currentColour);
    } else {
      handleCanvasClick(state.anchorX, state.anchorY, x, y, state.currentTool, display,
                        *state.shapes, state.firstPointPending, state.currentColour);
    }
  } else if (kind == EventQuit) {
    state.editorDone = true;
  }
  drawPalette(display);
}
