// Helpers shared by the package's tests: the one display of the test
// process, access to its windows and canvas, and the console history.
#pragma once

#include <string>
#include <vector>

#include "package.h"

// The tests look into the package's own state.
using namespace zt::package;

// The test process's one Display, constructed on first use with the
// program's own instance.
Display& sharedDisplay();

// The graphics window as the window system finds it by class and title.
HWND findGraphicsWindow();

// Switches every animation, script and input switch off, logging included,
// and takes every queued message (dispatching all but WM_QUIT).
void resetPackage();

// Dispatches queued messages until none is left; drops WM_QUIT.
void drainMessages();

// Posts a message to the graphics window.
void postToGraphics(UINT message, WPARAM wParam, LPARAM lParam);

// Presses Ctrl+letter on a window: Ctrl down, the letter down and up, Ctrl
// up, each sent straight to its window procedure. Sending rather than posting
// keeps TranslateMessage from turning the letter's key-down into a character
// that would arrive only after Ctrl's release.
void sendCtrlLetter(HWND target, char letter);

// Empties the console history, as at the start of the process.
void clearConsole();

// The stored console lines, oldest first, exactly as formatted.
std::vector<std::string> consoleLines();

// The canvas pixel at a logical point.
COLORREF canvasPixel(int x, int y);

// Whether a logical point lies on the canvas.
bool onCanvas(int x, int y);

// The next event from the shared display.
struct Event {
  EventKind kind;
  int x;
  int y;
  char key;
};
Event nextEvent();
