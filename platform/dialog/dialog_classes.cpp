// The dialog window class and the three control classes, and the helpers
// that the dialog and its controls share.
#include "dialog_manager.h"

namespace zt::platform {

namespace {

template <typename State>
State* slotOf(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w ? dynamic_cast<State*>(w->dialogData.get()) : nullptr;
}

void registerOne(const char* name, WNDPROC proc, HBRUSH background, UINT style = 0) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.hbrBackground = background;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
}

}  // namespace

void registerDialogClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  HBRUSH face = CreateSolidBrush(kFaceColour);
  registerOne(kDialogClassName, dialogWindowProc, face);
  registerOne(kButtonClassName, buttonWindowProc, nullptr, CS_DBLCLKS);
  registerOne(kEditClassName, editWindowProc, nullptr, CS_DBLCLKS);
  registerOne(kStaticClassName, staticWindowProc, nullptr);
}

const char* controlClassName(ControlClass c) {
  switch (c) {
    case ControlClass::Button:
      return kButtonClassName;
    case ControlClass::Edit:
      return kEditClassName;
    case ControlClass::Static:
      return kStaticClassName;
  }
  return kStaticClassName;
}

DialogState* dialogStateOf(HWND hwnd) { return slotOf<DialogState>(hwnd); }
EditState* editStateOf(HWND hwnd) { return slotOf<EditState>(hwnd); }
ButtonState* buttonStateOf(HWND hwnd) { return slotOf<ButtonState>(hwnd); }

std::vector<HWND> tabStops(HWND dialog) {
  std::vector<HWND> stops;
  Window* d = findWindow(dialog);
  if (!d) return stops;
  for (HWND child : d->children) {
    Window* c = findWindow(child);
    if (c && (c->style & WS_TABSTOP) && c->visible() && c->enabled()) stops.push_back(child);
  }
  return stops;
}

HWND nextTabStop(HWND dialog, HWND from, bool backwards) {
  const std::vector<HWND> stops = tabStops(dialog);
  if (stops.empty()) return nullptr;
  const size_t n = stops.size();
  for (size_t i = 0; i < n; ++i) {
    if (stops[i] == from) return stops[backwards ? (i + n - 1) % n : (i + 1) % n];
  }
  return backwards ? stops.back() : stops.front();
}

void focusControl(HWND control) {
  SetFocus(control);
  if (editStateOf(control)) SendMessageA(control, EM_SETSEL, 0, -1);
}

void notifyParent(HWND control, WORD code) {
  Window* w = findWindow(control);
  if (!w || !w->isChild()) return;
  SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), reinterpret_cast<LPARAM>(control));
}

void fillClient(HDC dc, HWND hwnd, COLORREF colour) {
  RECT r;
  GetClientRect(hwnd, &r);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

}  // namespace zt::platform
