// What a mouse click does, in the drawing area or on the palette.
#pragma once

#include <memory>

#include "app/tool_mode.h"
#include "shape_list/shape_list.h"
#include "zt738.h"

// A click at (x, y) outside the palette, acting by the current tool: the two
// clicks that make a square or circle, move, resize, or pick.
void handleCanvasClick(int& anchorX, int& anchorY, int x, int y, ToolMode tool, Display& display,
                       ShapeList& shapes, bool& firstPointPending, int colour);

// A click at (x, y) inside the palette: the row under y picks a tool, a
// colour, or the save or load command. Every row forgets a pending corner.
void handlePaletteClick(int x, int y, ToolMode& tool, bool& firstPointPending,
                        std::unique_ptr<ShapeList>& shapes, Display& display, int& colour);
