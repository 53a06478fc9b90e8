// What a click in the drawing area does. SquareTool and CircleTool double as
// the shape kind that ShapeList::add takes; no tool has the value 5.
#pragma once

enum ToolMode {
  SquareTool = 0,
  CircleTool = 1,
  MoveTool = 2,
  ResizeTool = 3,
  DeleteTool = 4,
  PickTool = 6,
};
