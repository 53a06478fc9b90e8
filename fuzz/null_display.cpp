// A Display that draws nothing: the editor's model needs one to link, and
// the fuzzers never draw.
#include "zt738.h"

Display::Display() : width(600), height(500), owner_(true) {}
Display::~Display() { owner_ = false; }
Display::Display(const Display& other) = default;
Display& Display::operator=(const Display& other) = default;
void Display::clear(int) {}
EventKind Display::nextEvent(int* x, int* y, char* key) {
  *x = 0;
  *y = 0;
  *key = 0;
  return EventQuit;
}
int Display::setAnimation(AnimationMode) { return 1; }
int Display::drawText(int, int, const char*, int, int) { return 1; }
int Display::drawRectangle(int, int, int, int, int, int) { return 1; }
int Display::drawOval(int, int, int, int, int, int) { return 1; }
int Display::drawCircle(int, int, int, int) { return 1; }
