// A Display that draws nothing and records every call instead, with a console
// and a line-input dialog to match: lets the editor's drawing and messages be
// checked call by call without a window system.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

struct DrawCall {
  std::string op;  // "clear", "rectangle", "oval", "circle" or "text"
  int x1 = 0;      // circle: centre x; text: anchor x
  int y1 = 0;      // circle: centre y; text: anchor y
  int x2 = 0;      // circle: radius
  int y2 = 0;
  int colour = 0;
  int width = 0;  // line width; text: size
  std::string text;

  bool operator==(const DrawCall&) const = default;
};
std::ostream& operator<<(std::ostream& out, const DrawCall& call);

DrawCall rectangleCall(int x1, int y1, int x2, int y2, int colour, int width);
DrawCall ovalCall(int x1, int y1, int x2, int y2, int colour, int width);
DrawCall textCall(int x, int y, const std::string& text, int colour, int size);
DrawCall clearCall(int colour);

struct Recording {
  std::vector<DrawCall> calls;
  std::vector<std::string> console;  // formatted console lines
  std::vector<std::string> prompts;  // prompts of the line-input dialog
  std::deque<std::string> answers;   // lines the dialog returns, in order
};

// The one recording; reset() empties it.
Recording& recording();
void resetRecording();
