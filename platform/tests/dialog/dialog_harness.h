// Runs a modal dialog from a test: a thread timer finds the dialog by its
// title and performs one scripted step per tick, so that the messages that
// a step posts are handled before the next step looks at the result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "template_builder.h"
#include "win32.h"

using Step = std::function<void(HWND dialog)>;

// What the recording dialog procedure saw.
struct DialogRecord {
  HWND initFocus = nullptr;  // WM_INITDIALOG's wParam
  LPARAM initParam = 0;
  std::vector<WPARAM> commands;  // every WM_COMMAND's wParam
  std::vector<LPARAM> sources;   // and its lParam
  char text[256] = {};           // the edit field (102) when Okay (101) was pressed
  UINT copied = 0;               // GetDlgItemTextA's result then
};
extern DialogRecord record;

constexpr int kOkay = 101;
constexpr int kInput = 102;
constexpr int kPrompt = 103;
constexpr INT_PTR kTimedOut = 0x7EAD;  // the harness gave up waiting
constexpr const char* kTitle = "dialog under test";

// Records everything; Okay copies the edit field and ends the dialog with 1.
INT_PTR CALLBACK recordingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// A prompt, a multi-line edit field and a default "Okay" button.
TemplateBuilder inputTemplate(const char* title = kTitle);

// An invisible top-level window to own the dialogs.
HWND makeOwner();

// Runs the dialog, performing `steps`; ends it with kTimedOut when it is
// still open long after the last step.
INT_PTR runDialog(const DLGTEMPLATE* templ, HWND owner, std::vector<Step> steps,
                  DLGPROC proc = recordingProc, LPARAM param = 0);

// Step helpers.
Step post(int id, UINT msg, WPARAM wParam, LPARAM lParam = 0);  // to control id
Step typeText(int id, const std::string& text);                 // WM_CHAR each byte
Step pressKey(int id, WPARAM vk);                               // WM_KEYDOWN

// Real input, as if from the keyboard and mouse (keybd_event, SetCursorPos
// and mouse_event): it reaches the focus or the window under the pointer
// through the dialog's own loop.
Step tapKeys(std::vector<BYTE> vks);  // each key pressed and released in turn
Step chord(BYTE modifier, BYTE vk);   // vk pressed and released with modifier held
// The pointer to a client point of control id, then the button flags
// (MOUSEEVENTF_LEFTDOWN, ...; 0 for a move only).
Step mouseAt(int id, POINT client, DWORD buttons);
