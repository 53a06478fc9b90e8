// The package's module-level state, one set per process.
#include "package.h"

namespace zt::package {

HINSTANCE startInstance = nullptr;
HINSTANCE startPrevInstance = nullptr;
char* startCmdLine = nullptr;
int startCmdShow = 0;

HWND graphicsWindow = nullptr;
HWND textWindow = nullptr;
HDC windowDC = nullptr;
HDC canvas = nullptr;
HBITMAP canvasBitmap = nullptr;
HINSTANCE instance = nullptr;
HMENU runMenu = nullptr;

bool canvasDirty = true;  // the first pump pass copies the canvas
int centreX = 0;
int centreY = 0;

std::optional<PendingEvent> pending;

bool ctrlDown = false;
bool tickArrived = false;

bool animating = false;
bool oneFrameRequested = false;
bool quitRequested = false;

bool recording = false;
bool playingBack = false;
bool playOneRequested = false;
int periodicCount = 0;

bool logging = true;  // the Display's constructor switches it off
bool displayExists = false;

std::string consoleHistory[CONSOLE_SLOTS];
int consoleFirst = -1;
int consoleNext = 0;

}  // namespace zt::package
