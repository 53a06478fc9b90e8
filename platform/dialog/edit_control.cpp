// The edit control: an EditText model behind a window. Typing arrives as
// WM_CHAR, the caret keys and Delete as WM_KEYDOWN (Shift extends the
// selection, Ctrl moves by words or to the ends of the text), the mouse
// places the caret and drags a selection, and Ctrl+C, Ctrl+X and Ctrl+V
// (WM_CHAR 3, 24, 22) reach the clipboard through WM_COPY, WM_CUT and
// WM_PASTE; Ctrl+A selects everything. Every change of the text
// is reported to the parent with EN_CHANGE, the focus coming and going with
// EN_SETFOCUS and EN_KILLFOCUS.
#include <algorithm>
#include <cstring>

#include "edit_clipboard.h"
#include "edit_view.h"

namespace zt::platform {
namespace {

constexpr unsigned char kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

DWORD styleOf(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w ? w->style : 0;
}

bool held(int vk) { return GetKeyState(vk) < 0; }

// Keeps the window title equal to the text, for callers that read it directly.
void changed(HWND hwnd, bool notify) {
  Window* w = findWindow(hwnd);
  EditState* state = editStateOf(hwnd);
  if (!w || !state) return;
  w->title = state->text.text();
  refreshEdit(hwnd);
  if (notify) notifyParent(hwnd, EN_CHANGE);
}

// Runs f with the control's view measured in a window DC.
template <typename F>
auto withView(HWND hwnd, EditState& state, F&& f) {
  HDC dc = GetDC(hwnd);
  const EditView view = editView(hwnd, dc, state);
  auto result = f(view);
  ReleaseDC(hwnd, dc);
  return result;
}

LRESULT getText(const EditState& state, WPARAM size, LPARAM lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer || size == 0) return 0;
  const size_t n = std::min(state.text.text().size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, state.text.text().data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT getSelection(const EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<DWORD>(state.text.selectionStart());
  const auto end = static_cast<DWORD>(state.text.selectionEnd());
  if (auto* p = reinterpret_cast<DWORD*>(wParam)) *p = start;
  if (auto* p = reinterpret_cast<DWORD*>(lParam)) *p = end;
  return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

// EM_SETSEL: a start of -1 keeps the caret and drops the selection; an end
// of -1 (or beyond the text) is the end of the text. The caret goes to the end.
void setSelection(EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<int>(wParam);
  const auto end = static_cast<int>(lParam);
  const size_t length = state.text.text().size();
  if (start == -1) {
    state.text.select(state.text.caret(), state.text.caret());
    return;
  }
  const size_t s = start < 0 ? length : static_cast<size_t>(start);
  const size_t e = end < 0 ? length : static_cast<size_t>(end);
  state.text.select(s, e);
}

// What the control wants to handle itself: a multi-line control takes every
// key except Tab, Escape and, unless ES_WANTRETURN or Ctrl is held, Enter,
// which the dialog then handles.
LRESULT dialogCode(HWND hwnd, LPARAM lParam) {
  LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
  const DWORD style = styleOf(hwnd);
  if (!(style & ES_MULTILINE)) return code;
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (msg && msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
      case VK_ESCAPE:
        return code;
      case VK_RETURN:
        if (!(style & ES_WANTRETURN) && !held(VK_CONTROL)) return code;
        break;
      default:
        break;
    }
  }
  return code | DLGC_WANTALLKEYS;
}

// Up and Down (Page Up and Page Down with `pages`): the nearest position
// one screen line (one field's height of lines) up or down.
void moveLine(HWND hwnd, EditState& state, int delta, bool pages, bool extend) {
  const size_t target = withView(hwnd, state, [&](const EditView& view) {
    const size_t line = lineOfPosition(view.lines, state.text.caret());
    const int x = pointOfPosition(view, state, state.text.caret()).x;
    if (pages) delta *= view.visibleLines;
    const int to =
        std::clamp(static_cast<int>(line) + delta, 0, static_cast<int>(view.lines.size()) - 1);
    return positionOnLine(view, state, static_cast<size_t>(to), x);
  });
  state.text.moveTo(target, extend);
}

// A key press; whether the text changed.
bool keyDown(HWND hwnd, EditState& state, WPARAM key) {
  const bool shift = held(VK_SHIFT);
  const bool control = held(VK_CONTROL);
  switch (key) {
    case VK_LEFT:
      control ? state.text.moveWordLeft(shift) : state.text.moveLeft(shift);
      return false;
    case VK_RIGHT:
      control ? state.text.moveWordRight(shift) : state.text.moveRight(shift);
      return false;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      if (state.text.multiline()) {
        const bool page = key == VK_PRIOR || key == VK_NEXT;
        moveLine(hwnd, state, key == VK_UP || key == VK_PRIOR ? -1 : 1, page, shift);
      }
      return false;
    case VK_HOME:  // with Ctrl: the start of the text
      control ? state.text.moveTo(0, shift) : state.text.moveHome(shift);
      return false;
    case VK_END:  // with Ctrl: the end of the text
      control ? state.text.moveTo(state.text.text().size(), shift) : state.text.moveEnd(shift);
      return false;
    case VK_INSERT:  // Ctrl+Insert copies, Shift+Insert pastes
      if (control || shift) SendMessageA(hwnd, control ? WM_COPY : WM_PASTE, 0, 0);
      return false;
    case VK_DELETE:
      if (shift) {  // Shift+Delete cuts
        SendMessageA(hwnd, WM_CUT, 0, 0);
        return false;
      }
      return state.text.deleteForward();
    case 'A':
      if (control) state.text.selectAll();
      return false;
    default:
      return false;
  }
}

// A WM_CHAR; whether the text changed.
bool typed(HWND hwnd, EditState& state, unsigned char c) {
  switch (c) {
    case kCtrlC:
      SendMessageA(hwnd, WM_COPY, 0, 0);
      return false;
    case kCtrlX:
      SendMessageA(hwnd, WM_CUT, 0, 0);
      return false;
    case kCtrlV:
      SendMessageA(hwnd, WM_PASTE, 0, 0);
      return false;
    default:
      return state.text.typeChar(c, (styleOf(hwnd) & ES_WANTRETURN) != 0);
  }
}

size_t positionAt(HWND hwnd, EditState& state, LPARAM lParam) {
  const POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  return withView(hwnd, state,
                  [&](const EditView& view) { return positionAtPoint(view, state, p); });
}

// EM_POSFROMCHAR: the client point of a character; -1 beyond the text.
LRESULT pointOfChar(HWND hwnd, EditState& state, WPARAM index) {
  if (index >= state.text.text().size()) return -1;
  const POINT p = withView(hwnd, state, [&](const EditView& view) {
    return pointOfPosition(view, state, static_cast<size_t>(index));
  });
  return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// EM_CHARFROMPOS: the character nearest a point, and its line.
LRESULT charAtPoint(HWND hwnd, EditState& state, LPARAM lParam) {
  const POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  const auto [index, line] = withView(hwnd, state, [&](const EditView& view) {
    const size_t at = positionAtPoint(view, state, p);
    return std::pair<size_t, size_t>(at, lineOfPosition(view.lines, at));
  });
  return MAKELONG(static_cast<WORD>(std::min<size_t>(index, 0xFFFF)),
                  static_cast<WORD>(std::min<size_t>(line, 0xFFFF)));
}

LRESULT lineCount(HWND hwnd, EditState& state) {
  return withView(hwnd, state,
                  [](const EditView& view) { return static_cast<LRESULT>(view.lines.size()); });
}

// The dialog around the control has ended or is being destroyed: the focus
// leaves without telling it (as on Win32).
bool parentEnding(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  const Window* w = findWindow(parent);
  const DialogState* dialog = dialogStateOf(parent);
  return !w || w->destroying || (dialog && dialog->ended);
}

void focusGained(HWND hwnd, EditState& state) {
  if (DialogState* dialog = dialogStateOf(GetParent(hwnd))) dialog->lastFocus = hwnd;
  const int height = withView(hwnd, state, [](const EditView& view) { return view.lineHeight; });
  CreateCaret(hwnd, nullptr, 1, height);
  refreshEdit(hwnd);
  ShowCaret(hwnd);
  notifyParent(hwnd, EN_SETFOCUS);
}

void mouseDown(HWND hwnd, EditState& state, WPARAM keys, LPARAM lParam) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  state.text.moveTo(positionAt(hwnd, state, lParam), (keys & MK_SHIFT) != 0);
  state.dragging = true;
  SetCapture(hwnd);
  refreshEdit(hwnd);
}

void mouseDrag(HWND hwnd, EditState& state, LPARAM lParam) {
  if (!state.dragging) return;
  state.text.moveTo(positionAt(hwnd, state, lParam), true);
  refreshEdit(hwnd);
}

void doubleClick(HWND hwnd, EditState& state, LPARAM lParam) {
  const auto [start, end] = state.text.wordAt(positionAt(hwnd, state, lParam));
  state.text.select(start, end);
  state.dragging = false;
  refreshEdit(hwnd);
}

// Creates the state from the creation text; false when the window is gone.
bool create(HWND hwnd, LPARAM lParam) {
  Window* w = findWindow(hwnd);
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  if (!w || !cs) return false;
  auto owned = std::make_unique<EditState>((static_cast<DWORD>(cs->style) & ES_MULTILINE) != 0);
  if (cs->lpszName) owned->text.setText(cs->lpszName);
  w->dialogData = std::move(owned);
  return true;
}

}  // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    if (!create(hwnd, lParam)) return FALSE;
    const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
    Window* w = findWindow(hwnd);
    if (EditState* state = editStateOf(hwnd); w && state) w->title = state->text.text();
    return r;
  }
  EditState* state = editStateOf(hwnd);
  if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      findWindow(hwnd)->dialogData.reset();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETTEXT:
      state->text.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
      changed(hwnd, false);
      return TRUE;
    case WM_GETTEXT:
      return getText(*state, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state->text.text().size());
    case WM_CHAR:
      if (typed(hwnd, *state, static_cast<unsigned char>(wParam & 0xFF))) changed(hwnd, true);
      return 0;
    case WM_KEYDOWN:
      if (keyDown(hwnd, *state, wParam)) {
        changed(hwnd, true);
      } else if ((state = editStateOf(hwnd)) != nullptr) {
        refreshEdit(hwnd);  // the caret or the selection moved
      }
      return 0;
    case WM_GETDLGCODE:
      return dialogCode(hwnd, lParam);
    case EM_GETSEL:
      return getSelection(*state, wParam, lParam);
    case EM_SETSEL:
      setSelection(*state, wParam, lParam);
      refreshEdit(hwnd);
      return 0;
    case EM_REPLACESEL:
      if (state->text.replaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : "")) {
        changed(hwnd, true);
      }
      return 0;
    case EM_SCROLLCARET:
      refreshEdit(hwnd);
      return TRUE;
    case EM_GETFIRSTVISIBLELINE:
      return state->text.multiline() ? state->scrollLine : 0;
    case EM_GETLINECOUNT:
      return lineCount(hwnd, *state);
    case EM_POSFROMCHAR:
      return pointOfChar(hwnd, *state, wParam);
    case EM_CHARFROMPOS:
      return charAtPoint(hwnd, *state, lParam);
    case WM_COPY:
      if (state->text.hasSelection()) putOnClipboard(hwnd, state->text.selectedText());
      return 0;
    case WM_CUT:
      if (state->text.hasSelection() && putOnClipboard(hwnd, state->text.selectedText()) &&
          (state = editStateOf(hwnd)) != nullptr && state->text.replaceSelection("")) {
        changed(hwnd, true);
      }
      return 0;
    case WM_CLEAR:
      if (state->text.replaceSelection("")) changed(hwnd, true);
      return 0;
    case WM_PASTE: {
      const std::string text = takeFromClipboard(hwnd);
      if ((state = editStateOf(hwnd)) != nullptr && state->text.replaceSelection(text)) {
        changed(hwnd, true);
      }
      return 0;
    }
    case WM_SETFOCUS:
      focusGained(hwnd, *state);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      InvalidateRect(hwnd, nullptr, TRUE);  // the selection is shown only with the focus
      if (!parentEnding(hwnd)) notifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
      mouseDown(hwnd, *state, wParam, lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      doubleClick(hwnd, *state, lParam);
      return 0;
    case WM_MOUSEMOVE:
      mouseDrag(hwnd, *state, lParam);
      return 0;
    case WM_LBUTTONUP:
      if (state->dragging) ReleaseCapture();
      state = editStateOf(hwnd);
      if (state) state->dragging = false;
      return 0;
    case WM_CAPTURECHANGED:
      state->dragging = false;
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      paintEdit(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace zt::platform
