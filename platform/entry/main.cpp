// The process entry point on systems without Win32: hands over to WinMain as
// the Win32 start-up code does.
#include <cstdlib>
#include <string>

#include "win32.h"

int main(int argc, char** argv) {
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  // exit(), not a return: in a web page main returns to the browser long
  // before the program ends, and only exit() ends it and tells the page.
  std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWDEFAULT));
}
