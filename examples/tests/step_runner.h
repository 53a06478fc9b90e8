// Runs a program's editorMain while a thread timer takes one step of a
// list every 50 ms, from inside the program's own event loop: the way the
// example tests click, type and look at the window.
#pragma once

#include <functional>
#include <vector>

#include "screen_support.h"

using Steps = std::vector<std::function<void()>>;

// Steps that do nothing for count × 50 ms, so that ticks can come.
void pause(Steps& steps, int count);

// Gives the graphics window Ctrl+letter (a Run menu shortcut), or posts a
// typed character to it, as the keyboard would.
void sendShortcut(char letter);
void postCharacter(char c);

// Runs editorMain with the steps; the last step should end the program.
// Returns editorMain's result; *taken is the number of steps taken.
int runWithSteps(const Steps& steps, size_t* taken);
