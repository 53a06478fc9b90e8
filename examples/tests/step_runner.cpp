#include "step_runner.h"

int editorMain();

namespace {

const Steps* running = nullptr;
size_t next = 0;

void CALLBACK takeStep(HWND, UINT, UINT_PTR, DWORD) {
  if (running == nullptr || graphicsWindow() == nullptr) return;
  if (FindWindowA(nullptr, "ZT738_gets") != nullptr) return;  // a dialog is being answered
  if (next < running->size()) (*running)[next++]();
}

}  // namespace

void pause(Steps& steps, int count) {
  for (int i = 0; i < count; ++i) steps.push_back([] {});
}

// Sent, not posted: a posted key-down would be translated into a character
// that arrives after Ctrl is up again, and so as a typed letter.
void sendShortcut(char letter) {
  SendMessageA(graphicsWindow(), WM_KEYDOWN, VK_CONTROL, 1);
  SendMessageA(graphicsWindow(), WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
  SendMessageA(graphicsWindow(), WM_KEYUP, VK_CONTROL, 1);
}

void postCharacter(char c) {
  PostMessageA(graphicsWindow(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
}

int runWithSteps(const Steps& steps, size_t* taken) {
  running = &steps;
  next = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, takeStep);
  const int result = editorMain();
  KillTimer(nullptr, timer);
  running = nullptr;
  *taken = next;
  return result;
}
