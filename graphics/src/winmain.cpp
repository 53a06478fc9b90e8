// The process entry point: keeps the start-up arguments for the Display's
// constructor and runs the program's main routine.
#include "package.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  zt::package::startInstance = hInstance;
  zt::package::startPrevInstance = hPrevInstance;
  zt::package::startCmdLine = lpCmdLine;
  zt::package::startCmdShow = nCmdShow;
  editorMain();
  return 0;
}
