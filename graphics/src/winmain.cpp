// The process entry point: keeps the start-up arguments for the Display's
// constructor and runs the program's main routine.
#include "package.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  startInstance = hInstance;
  startPrevInstance = hPrevInstance;
  startCmdLine = lpCmdLine;
  startCmdShow = nCmdShow;
  editorMain();
  return 0;
}
