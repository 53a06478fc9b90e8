// State and helpers shared by the dialog manager's files: the modal dialog,
// its key handling and the three control classes.
#pragma once

#include <vector>

#include "../user/window.h"
#include "dialog_template.h"
#include "edit_text.h"

namespace zt::platform {

// Attached to a dialog window (Window::dialogData) from its creation until
// WM_NCDESTROY.
struct DialogState : DialogSlot {
  DLGPROC proc = nullptr;
  bool ended = false;  // EndDialog was called; the modal loop stops
  INT_PTR result = 0;  // EndDialog's value
  int defaultId = 0;   // the first BS_DEFPUSHBUTTON, 0 when there is none
  HWND owner = nullptr;
  bool ownerDisabled = false;  // the dialog disabled its owner and re-enables it
  HWND lastFocus = nullptr;    // the control that last had the focus
};

// Attached to an edit control (Window::dialogData).
struct EditState : DialogSlot {
  explicit EditState(bool multiline) : text(multiline) {}
  EditText text;
  int scrollLine = 0;     // first visible line
  bool dragging = false;  // the left button went down in it and is held (capture)
};

// Attached to a button (Window::dialogData).
struct ButtonState : DialogSlot {
  bool pressed = false;   // drawn pushed in: held down over it, or Space held
  bool tracking = false;  // the left button went down on it and is held (capture)
};

// Class names of the dialog window and of the controls, registered on first use.
constexpr const char* kDialogClassName = "#32770";
constexpr const char* kButtonClassName = "Button";
constexpr const char* kEditClassName = "Edit";
constexpr const char* kStaticClassName = "Static";
void registerDialogClasses();
const char* controlClassName(ControlClass c);

// The state of a live dialog / edit / button, or nullptr for any other window.
DialogState* dialogStateOf(HWND hwnd);
EditState* editStateOf(HWND hwnd);
ButtonState* buttonStateOf(HWND hwnd);

// Window procedures.
LRESULT CALLBACK dialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The dialog's controls that take the Tab key: WS_TABSTOP, visible and
// enabled, in creation order.
std::vector<HWND> tabStops(HWND dialog);
// The tab stop after (or before) `from`, wrapping around; the first one when
// `from` is none of them. nullptr when there is none.
HWND nextTabStop(HWND dialog, HWND from, bool backwards);
// Gives the focus to a control as a dialog does: an edit control gets its
// whole text selected.
void focusControl(HWND control);

// Sends WM_COMMAND (id, code) from a control to its parent.
void notifyParent(HWND control, WORD code);

// The colours of dialog drawing.
constexpr COLORREF kFaceColour = RGB(240, 240, 240);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kFieldColour = RGB(255, 255, 255);
constexpr COLORREF kShadowColour = RGB(160, 160, 160);
// Fills the client area of hwnd with colour.
void fillClient(HDC dc, HWND hwnd, COLORREF colour);

}  // namespace zt::platform
