#include "app/click_handlers.h"
#include "app/file_commands.h"
#include "app/palette.h"
#include "app/redraw.h"

namespace {

// Gives the selected shape, if any, the colour just chosen.
void chooseColour(int newColour, int& colour, bool hadSelection, ShapeList& shapes,
                  Display& display) {
  colour = newColour;
  if (!hadSelection) return;
  shapes.recolourSelected(newColour);
  redrawAll(display, shapes);
}

}  // namespace

void handlePaletteClick(int /*x: only the row matters*/, int y, ToolMode& tool,
                        bool& firstPointPending, std::unique_ptr<ShapeList>& shapes,
                        Display& display, int& colour) {
  firstPointPending = false;
  const bool hadSelection = shapes->hasSelection();
  switch (paletteRow(y)) {
    case 0:
      tool = SquareTool;
      break;
    case 1:
      tool = CircleTool;
      break;
    case 2:
      tool = MoveTool;
      break;
    case 3:
      tool = ResizeTool;
      break;
    case 4:
      tool = DeleteTool;
      shapes->deleteSelected();
      redrawAll(display, *shapes);
      break;
    case 5:
      tool = PickTool;
      break;
    case 6:
      chooseColour(COLOUR_ORANGE, colour, hadSelection, *shapes, display);
      break;
    case 7:
      chooseColour(COLOUR_YELLOW, colour, hadSelection, *shapes, display);
      break;
    case 8:
      chooseColour(COLOUR_MAGENTA, colour, hadSelection, *shapes, display);
      break;
    case 9:
      saveCommand(*shapes);
      break;
    case 10:
      loadCommand(shapes, firstPointPending, display);
      break;
    default:  // a point outside the palette's rows
      break;
  }
}
