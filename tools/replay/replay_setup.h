// What a replay needs before its program starts, shared by zt738-replay and
// zt738-grade: the script copied into the program's folder, the answers, and
// the environment that tells the package what to do and where to write.
#pragma once

#include <string>
#include <vector>

#include "run_program.h"
#include "temp_folder.h"

struct ReplayInputs {
  std::string script;                // copied as ZT738.SCR
  std::vector<std::string> answers;  // for the line-input dialogs, in order
  std::string font;                  // one font file for all text; empty: fontconfig's choice
  bool picture = false;              // which outputs the program writes into the control folder
  bool console = false;
  bool log = false;
};

// The files that the program writes into the control folder.
constexpr const char* PICTURE_FILE = "picture.png";
constexpr const char* CONSOLE_FILE = "console.txt";
constexpr const char* LOG_FILE = "log.txt";
constexpr const char* SCRIPT_FILE = "ZT738.SCR";  // in the program's own folder

// Fills work and control and returns the program's environment. A script that
// cannot be read is not copied (the program then reports the missing script
// on its console, as it would without the tools): that is put in warning.
// False with a reason when the answers cannot be written.
bool prepareReplay(const ReplayInputs& inputs, const TempFolder& work, const TempFolder& control,
                   Environment& environment, std::string& warning, std::string& error);

// command[0] made absolute when it is a path, since the program runs in
// another folder.
std::vector<std::string> absoluteCommand(std::vector<std::string> command);
