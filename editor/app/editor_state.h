// The editor's state for one run, and what one event does to it.
#pragma once

#include <memory>

#include "app/tool_mode.h"
#include "shape_list/shape_list.h"
#include "zt738.h"

struct EditorState {
  ToolMode currentTool = SquareTool;
  int currentColour = COLOUR_GREEN;  // a colour that no palette row offers
  bool firstPointPending = false;
  int anchorX = 0;  // the pending first corner, read only while firstPointPending
  int anchorY = 0;
  std::unique_ptr<ShapeList> shapes = std::make_unique<ShapeList>();
  bool editorDone = false;
};

// A click goes to the palette or the drawing area, a quit ends the run, other
// events are ignored; the palette is drawn again after every event.
void handleEvent(EventKind kind, int x, int y, EditorState& state, Display& display);
