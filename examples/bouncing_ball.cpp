// A ball that bounces around the drawing area, one step per animation tick.
//
// The Run menu halts the animation (Ctrl+H), steps it one frame at a time
// (Ctrl+F) and starts it again (Ctrl+A). The key c gives the ball the next
// colour of the table, + and - change its speed, and a click puts it there.
//
// With ZT738_EXAMPLE_FRAMES=N in the environment it quits by itself after N
// frames, for a run that nobody watches (headless, in the test command).
#include <cstdio>
#include <cstdlib>

#include "zt738.h"

namespace {

constexpr int kRadius = 20;

struct Ball {
  int x = 0;
  int y = 0;
  int dx = 5;  // logical units per frame
  int dy = 3;
  int colour = COLOUR_BLUE;
};

// One step along one axis; a ball that would cross the limit turns back.
int step(int position, int& speed, int limit) {
  if (position + speed > limit || position + speed < -limit) speed = -speed;
  return position + speed;
}

int clamp(int value, int limit) { return value > limit ? limit : value < -limit ? -limit : value; }

// Changes the size of a speed by delta, keeping its direction; 1 to 20.
int faster(int speed, int delta) {
  int size = std::abs(speed) + delta;
  size = size < 1 ? 1 : size > 20 ? 20 : size;
  return speed < 0 ? -size : size;
}

void draw(Display& display, const Ball& ball, int frames) {
  display.clear(COLOUR_WHITE);
  display.drawCircle(ball.x, ball.y, kRadius, ball.colour);
  char status[64];
  std::snprintf(status, sizeof status, "frame %d   speed %d, %d", frames, ball.dx, ball.dy);
  display.drawText(-290, -235, status, COLOUR_BLACK, 16);
}

}  // namespace

int editorMain() {
  Display display;
  const char* limit = std::getenv("ZT738_EXAMPLE_FRAMES");
  const int frameLimit = limit != nullptr ? std::atoi(limit) : 0;
  const int limitX = display.width / 2 - kRadius;
  const int limitY = display.height / 2 - kRadius;
  Ball ball;
  int frames = 0;
  display.setAnimation(Run);
  draw(display, ball, frames);
  for (;;) {
    int x = 0;
    int y = 0;
    char key = 0;
    const EventKind kind = display.nextEvent(&x, &y, &key);
    if (kind == EventQuit) break;
    if (kind == EventPeriodic) {
      ball.x = step(ball.x, ball.dx, limitX);
      ball.y = step(ball.y, ball.dy, limitY);
      if (++frames == frameLimit) display.setAnimation(Quit);
    } else if (kind == EventMouse) {
      ball.x = clamp(x, limitX);
      ball.y = clamp(y, limitY);
    } else if (kind == EventKey && key == 'c') {
      ball.colour = (ball.colour + 1) % COLOUR_COUNT;
      if (ball.colour == COLOUR_WHITE) ball.colour = COLOUR_RED;
    } else if (kind == EventKey && (key == '+' || key == '-')) {
      ball.dx = faster(ball.dx, key == '+' ? 1 : -1);
      ball.dy = faster(ball.dy, key == '+' ? 1 : -1);
    }
    draw(display, ball, frames);
  }
  return 0;
}
