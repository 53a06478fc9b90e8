// The Display facade: forwards to the package's operations, colour last.
#include <cstdlib>

#include "package.h"

using namespace zt::package;

Display::Display() : width(600), height(500) {
  if (displayExists) {
    char reply[GETS_CAPACITY] = {};
    ZT738_gets("Error: Attempted to instantiate multiple ZT738 displays", reply);
    std::exit(-1);
  }
  displayExists = true;
  owner_ = true;
  ZT738_start(startInstance, startPrevInstance, startCmdLine, startCmdShow);
  ZT738_set_logging(0);
}

Display::~Display() {
  if (owner_) ZT738_stop();
}

// A copy shares the package and owns nothing.
Display::Display(const Display& other) : width(other.width), height(other.height) {}

Display& Display::operator=(const Display& other) {
  width = other.width;
  height = other.height;
  return *this;
}

void Display::clear(int colour) {
  ZT738_refresh();
  ZT738_erase();
  drawRectangle(-width / 2, -height / 2, width / 2, height / 2, colour, 0);
}

EventKind Display::nextEvent(int* x, int* y, char* key) {
  switch (ZT738_next_event(x, y, key)) {
    case EventMouse:
      return EventMouse;
    case EventKey:
      return EventKey;
    case EventPeriodic:
      return EventPeriodic;
    case EventQuit:
      return EventQuit;
    default:
      return EventNone;
  }
}

int Display::setAnimation(AnimationMode mode) {
  int code = static_cast<int>(mode);
  switch (code) {
    case Halt:
      code = 0;
      break;
    case OneFrame:
      code = 1;
      break;
    case Run:
      code = 2;
      break;
    case Quit:
      code = 5;
      break;
    default:
      break;  // passed through unchanged
  }
  return ZT738_set_animation(code);
}

int Display::drawText(int x, int y, const char* text, int colour, int size) {
  return ZT738_draw_textf(colour, x, y, size, "%s", text);
}

int Display::drawRectangle(int x1, int y1, int x2, int y2, int colour, int lineWidth) {
  return ZT738_draw_rectangle(colour, x1, y1, x2, y2, lineWidth);
}

int Display::drawOval(int x1, int y1, int x2, int y2, int colour, int lineWidth) {
  return ZT738_draw_oval(colour, x1, y1, x2, y2, lineWidth);
}

int Display::drawCircle(int x, int y, int radius, int colour) {
  return ZT738_fill_circle(colour, x, y, radius);
}
