#include "recording_display.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "zt738.h"

std::ostream& operator<<(std::ostream& out, const DrawCall& call) {
  return out << call.op << '(' << call.x1 << ", " << call.y1 << ", " << call.x2 << ", " << call.y2
             << ", colour " << call.colour << ", width " << call.width << ", \"" << call.text
             << "\")";
}

DrawCall rectangleCall(int x1, int y1, int x2, int y2, int colour, int width) {
  return {"rectangle", x1, y1, x2, y2, colour, width, ""};
}
DrawCall ovalCall(int x1, int y1, int x2, int y2, int colour, int width) {
  return {"oval", x1, y1, x2, y2, colour, width, ""};
}
DrawCall textCall(int x, int y, const std::string& text, int colour, int size) {
  return {"text", x, y, 0, 0, colour, size, text};
}
DrawCall clearCall(int colour) { return {"clear", 0, 0, 0, 0, colour, 0, ""}; }

Recording& recording() {
  static Recording instance;
  return instance;
}

void resetRecording() { recording() = Recording{}; }

Display::Display() : width(600), height(500) {}
Display::~Display() = default;

void Display::clear(int colour) { recording().calls.push_back(clearCall(colour)); }

int Display::drawRectangle(int x1, int y1, int x2, int y2, int colour, int lineWidth) {
  recording().calls.push_back(rectangleCall(x1, y1, x2, y2, colour, lineWidth));
  return 1;
}

int Display::drawOval(int x1, int y1, int x2, int y2, int colour, int lineWidth) {
  recording().calls.push_back(ovalCall(x1, y1, x2, y2, colour, lineWidth));
  return 1;
}

int Display::drawCircle(int x, int y, int radius, int colour) {
  recording().calls.push_back({"circle", x, y, radius, 0, colour, 0, ""});
  return 1;
}

int Display::drawText(int x, int y, const char* text, int colour, int size) {
  recording().calls.push_back(textCall(x, y, text, colour, size));
  return 1;
}

int ZT738_gets(const char* prompt, char* result) {
  recording().prompts.push_back(prompt);
  std::string answer;
  if (!recording().answers.empty()) {
    answer = recording().answers.front();
    recording().answers.pop_front();
  }
  std::snprintf(result, GETS_CAPACITY, "%s", answer.c_str());
  return 1;
}

int ZT738_console_printf(const char* format, ...) {
  char line[1024];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  recording().console.push_back(line);
  return n;
}
