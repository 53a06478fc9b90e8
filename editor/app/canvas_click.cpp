#include "app/click_handlers.h"
#include "app/redraw.h"

void handleCanvasClick(int& anchorX, int& anchorY, int x, int y, ToolMode tool, Display& display,
                       ShapeList& shapes, bool& firstPointPending, int colour) {
  const bool hadSelection = shapes.hasSelection();
  switch (tool) {
    case SquareTool:
    case CircleTool:
      if (!firstPointPending) {
        anchorX = x;
        anchorY = y;
        firstPointPending = true;
        return;
      }
      shapes.add(anchorX, anchorY, x, y, firstPointPending, tool, colour);
      redrawAll(display, shapes);
      return;
    case MoveTool:
    case ResizeTool:
      if (hadSelection) {
        if (tool == MoveTool) {
          shapes.moveSelected(x, y);
        } else {
          shapes.resizeSelected(x, y);
        }
        redrawAll(display, shapes);
        shapes.drawSelectedMarker(display);
      }
      firstPointPending = false;
      return;
    case PickTool:
      firstPointPending = false;
      shapes.selectAt(x, y, display);
      return;
    case DeleteTool:
      return;
  }
}
